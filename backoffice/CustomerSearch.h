// The customer selector's search (request 1004): "key:CUST_SEARCH" holds what the clerk typed; the
// reply is CUSTOMERMATCH with at most the best 100 customers.
//
// A customer matches when every word of the text (cut at blanks) begins some word of its name, or
// when the whole text begins its identifier; both sides are folded by CustomerWords, so case does
// not matter ("fre lin" and "FREIGHT" find "ACME FREIGHT LINES INC", "1000" finds "100001").
// Best first: the customer whose identifier is the text, then those whose identifier begins with it,
// then those whose name's first word the first typed word begins (by name), then those where a later
// word of the name does (by that word's first seven letters, an earlier word of the name first, then
// by the word and the name). Blank text finds nobody; a text of more than 100
// characters or 10 words is refused with a sentence, as no name is that long.
//
// The index is our own word table, customer_word, written with every customer by CustomerRows: one
// B-tree range per typed word on numbers (WORD_NBR), the same plain SQL on both engines, with no text
// of the clerk's ever read as query syntax. The first typed word's range is scanned; each further
// word is looked up by customer. The ranks are read as three tiers, best first, each in the index's
// own order and limited, so that a short text common to a quarter of all names sorts nothing.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"
#include "store/StoreQuery.h"

#include <string_view>

namespace tavrik {

class CustomerSearch {
public:
    explicit CustomerSearch(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError when the key is missing or the text
    // is too long.
    ReplyMessage Handle(const RequestMessage& request);
    // The tiers of the best customers, in their order.
    enum class Tier { Identifier, FirstWord, LaterWord };
    // One tier's statement for text of at least one word, bound and ready to step: also what a
    // benchmark compares the request with.
    static StoreQuery Query(StoreConnection& database, Tier tier, std::string_view typed);

private:
    StoreConnection& database_;
};

} // namespace tavrik

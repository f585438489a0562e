#include "backoffice/CustomerSearch.h"

#include "backoffice/CustomerRefusalTexts.h"
#include "backoffice/CustomerWords.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "common/DataSetDefinitions.h"
#include "common/Utf8.h"

#include <set>
#include <vector>

namespace tavrik {

namespace {

constexpr std::size_t kMostCharacters = 100;
constexpr std::size_t kMostWords = 10;
constexpr std::size_t kBest = 100;
constexpr std::string_view kSearchKey = "key:CUST_SEARCH";

// Rows of customer_word (as alias) whose word begins with the prefix bound at ?first to ?first + 3.
std::string WordBegins(std::string_view alias, int first) {
    const std::string a(alias);
    auto parameter = [first](int offset) { return "?" + std::to_string(first + offset); };
    return a + ".WORD_NBR BETWEEN " + parameter(0) + " AND " + parameter(1) + " AND (" + parameter(2) +
           " = 0 OR SUBSTR(" + a + ".WORD, 1, CAST(" + parameter(2) + " AS INTEGER)) = " + parameter(3) + ")";
}

void BindPrefix(StoreQuery& query, int first, const CustomerWords::Prefix& prefix) {
    query.Bind(first, prefix.first)
        .Bind(first + 1, prefix.last)
        .Bind(first + 2, prefix.checkLength)
        .Bind(first + 3, prefix.word);
}

// The best customers come in three tiers, each one statement: identifiers that begin with the whole
// text (the one that is the text first, then by name); names whose first word the first typed word
// begins; names where a later word does. Every further typed word must begin some word of the name.
// The two name tiers are read in the order of a word index itself, so that even a one-letter text
// common to a quarter of all names stops at the first 100 instead of sorting them all; for the first
// word that order is the names' order. A tier is read
// only while fewer than 100 customers were found. The SQL is made from the tier and the number of
// words only; every word is a bound parameter: ?1 to ?4 the first word (for identifiers, the whole
// text), then four for each further word.
std::string TierSql(CustomerSearch::Tier tier, std::size_t wordCount) {
    std::string inner;
    if (tier == CustomerSearch::Tier::Identifier) {
        inner = "SELECT w.CUST_ID AS CUST_ID, w.CUST_NM AS CUST_NM, CASE WHEN w.WORD = ?4 THEN 0 ELSE 1 END "
                "AS K1, 0 AS K2, w.CUST_NM AS K3 FROM customer_word w WHERE w.WORD_POS = 0 AND " +
                WordBegins("w", 1) + " ORDER BY 3, 5, 1 LIMIT 100";
    } else {
        const bool first = tier == CustomerSearch::Tier::FirstWord;
        inner = "SELECT w.CUST_ID AS CUST_ID, w.CUST_NM AS CUST_NM, w.WORD_NBR AS K1, w.WORD_POS AS K2, "
                "w.WORD AS K3 FROM customer_word w WHERE " +
                std::string(first ? "w.WORD_POS = 1" : "w.WORD_POS > 1") + " AND " + WordBegins("w", 1);
        for (std::size_t word = 1; word < wordCount; ++word)
            inner +=
                " AND EXISTS (SELECT 1 FROM customer_word o WHERE o.CUST_ID = w.CUST_ID AND o.WORD_POS > 0 "
                "AND " +
                WordBegins("o", 1 + 4 * static_cast<int>(word)) + ")";
        if (!first)
            inner += " AND NOT EXISTS (SELECT 1 FROM customer_word f WHERE f.CUST_ID = w.CUST_ID AND "
                     "f.WORD_POS = 1 AND " +
                     WordBegins("f", 1) + ")";
        // A name with two later words that match comes twice; the reader keeps its first, so the later
        // tier reads a few more rows than it needs.
        inner += first ? " ORDER BY w.WORD_NBR, w.WORD, w.CUST_NM, w.CUST_ID LIMIT 100"
                       : " ORDER BY w.WORD_NBR, w.WORD_POS, w.WORD, w.CUST_NM, w.CUST_ID LIMIT 200";
    }
    return "SELECT c.CUST_ID AS CUST_ID, c.CUST_NM AS CUST_NM, c.CUST_TYP_CD AS CUST_TYP_CD, c.CITY AS CITY, "
           "c.STATE AS STATE FROM (" +
           inner +
           ") best JOIN customer c ON c.CUST_ID = best.CUST_ID ORDER BY best.K1, best.K2, best.K3, "
           "best.CUST_NM, best.CUST_ID";
}

} // namespace

ReplyMessage CustomerSearch::Handle(const RequestMessage& request) {
    std::optional<std::string> typed = KeyValue(request, kSearchKey);
    if (!typed)
        Refuse(CustomerRefusalTexts::kNoSearchText);
    const std::vector<std::string> words = CustomerWords::Split(*typed);
    if (Utf8::Length(*typed) > kMostCharacters || words.size() > kMostWords)
        Refuse(CustomerRefusalTexts::SearchTooLong(kMostCharacters, kMostWords));

    ReplyMessage reply;
    if (words.empty()) {
        reply.dataSets["CUSTOMERMATCH"] = *DataSetDefinitions::EmptyTable("CUSTOMERMATCH");
        return reply;
    }
    DataTable found = *DataSetDefinitions::EmptyTable("CUSTOMERMATCH");
    const std::size_t id = *found.FieldIndex("CUST_ID");
    std::set<std::string> seen;
    for (Tier tier : {Tier::Identifier, Tier::FirstWord, Tier::LaterWord}) {
        if (found.RowCount() >= kBest)
            break;
        StoreQuery query = Query(database_, tier, *typed);
        const DataTable matches = ReadDataSet(query, "CUSTOMERMATCH");
        for (std::size_t row = 0; row < matches.RowCount(); ++row)
            if (found.RowCount() < kBest && seen.insert(matches.Cell(row, id).ToText()).second)
                found.AddRowFrom(matches, row);
    }
    reply.dataSets["CUSTOMERMATCH"] = std::move(found);
    return reply;
}

StoreQuery CustomerSearch::Query(StoreConnection& database, Tier tier, std::string_view typed) {
    const std::vector<std::string> words = CustomerWords::Split(typed);
    StoreQuery query(database, TierSql(tier, words.size()));
    if (tier == Tier::Identifier) {
        BindPrefix(query, 1, CustomerWords::PrefixOf(CustomerWords::Fold(typed)));
        return query;
    }
    for (std::size_t word = 0; word < words.size(); ++word)
        BindPrefix(query, 1 + 4 * static_cast<int>(word), CustomerWords::PrefixOf(words[word]));
    return query;
}

} // namespace tavrik

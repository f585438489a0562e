// Reading a request's selection keys the way the back office trusts them, and quoting what a client
// sent back to it in an error text.
#pragma once

#include "common/RequestMessage.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

// The trimmed value of the named key ("key:REF_NBR"), or nothing when the request lacks it. Throws
// RequestError when the key is compared with anything but "=" or addressed to another system than
// "PENTRAX".
std::optional<std::string> KeyValue(const RequestMessage& request, std::string_view keyName);

// As KeyValue, but a missing or blank key is refused with a text naming what the key holds
// ("the account number").
std::string RequiredKeyValue(const RequestMessage& request, std::string_view keyName,
                             std::string_view meaning);

// Refuses (RequestError) a request whose user id, keys or texts in its data sets are not UTF-8:
// broken bytes never reach the store.
void RequireUtf8(const RequestMessage& request);

// text in double quotes for an error text: at most 40 characters (never a partial UTF-8 character),
// "..." when cut, control characters shown as "?".
std::string QuotedForError(std::string_view text);

} // namespace tavrik

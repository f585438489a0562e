// What the back office answers to one request: an error text, or named data sets.
#pragma once

#include "common/DataTable.h"

#include <map>
#include <string>

namespace tavrik {

struct ReplyMessage {
    std::string errorText;
    std::map<std::string, DataTable> dataSets;

    static ReplyMessage Error(std::string text) { return ReplyMessage{std::move(text), {}}; }
};

} // namespace tavrik

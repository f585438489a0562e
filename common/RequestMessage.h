// A request as the transport carries it to the back office: a copy, detached from the sending form.
#pragma once

#include "common/DataTable.h"
#include "common/RequestKey.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

struct RequestMessage {
    std::string messageId;
    std::string formName;
    std::string appVersion;
    int piNumber = 0;
    std::string userId;
    std::vector<RequestKey> keys;
    std::map<std::string, DataTable> dataSets;

    // Value of the first key of that name ("key:REF_NBR"), or nothing when the request lacks it.
    std::optional<std::string> KeyValue(std::string_view keyName) const {
        for (const RequestKey& key : keys)
            if (key.name == keyName)
                return key.value;
        return std::nullopt;
    }
};

} // namespace tavrik

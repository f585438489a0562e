// One selection key of a request: "key:REF_NBR" = "1234567", operator "=", system "PENTRAX".
#pragma once

#include <string>

namespace tavrik {

struct RequestKey {
    std::string name;
    std::string value;
    std::string op;
    std::string system;

    bool operator==(const RequestKey&) const = default;
};

} // namespace tavrik

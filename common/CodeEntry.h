// One code of a code table as a combo offers it: the code and its description.
#pragma once

#include <string>

namespace tavrik {

struct CodeEntry {
    std::string code;
    std::string description;

    bool operator==(const CodeEntry&) const = default;
};

} // namespace tavrik

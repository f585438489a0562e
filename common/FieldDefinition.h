// One named, typed field of a data set, as the back office names its columns.
#pragma once

#include "common/FieldType.h"

#include <string>

namespace tavrik {

struct FieldDefinition {
    std::string name;
    FieldType type = FieldType::Text;

    bool operator==(const FieldDefinition&) const = default;
};

} // namespace tavrik

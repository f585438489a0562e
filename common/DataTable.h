// The rows of one data set as they travel between the library and the back office.
#pragma once

#include "common/FieldDefinition.h"
#include "common/FieldValue.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavrik {

struct DataTable {
    std::vector<FieldDefinition> fields;
    std::vector<std::vector<FieldValue>> rows;

    // Position of the named field (names compare without regard to case), or nothing.
    std::optional<std::size_t> FieldIndex(std::string_view name) const;
};

} // namespace tavrik

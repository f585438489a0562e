// The one table of data-set definitions: each data set the system exchanges with the back office,
// by name, with its fields. Forms open empty data sets from it; the back office builds its replies
// and checks the rows it is sent against it.
#pragma once

#include "common/DataTable.h"
#include "common/FieldDefinition.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavrik {

class DataSetDefinitions {
public:
    // Fields of the named data set ("ACNTSRCVBL"), or nullptr when no data set has that name.
    static const std::vector<FieldDefinition>* Find(std::string_view name);
    // An empty table with the named data set's fields, or nothing for an unknown name.
    static std::optional<DataTable> EmptyTable(std::string_view name);
};

} // namespace tavrik

// Opens a data set's source: a data-set definition name gives empty rows with its fields, a
// code-table query gives the query's rows (from the library's read-only copy of the code tables).
#pragma once

#include "common/DataTable.h"

#include <string>

namespace tavrik {

class DataSetOpener {
public:
    virtual ~DataSetOpener() = default;

    // Throws std::runtime_error with a clear text when the source is neither.
    virtual DataTable OpenSource(const std::string& source) = 0;
};

} // namespace tavrik

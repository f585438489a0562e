// Turns the rows of a query into a reply table with the named data set's fields.
#pragma once

#include "common/DataTable.h"
#include "store/StoreQuery.h"

#include <string_view>

namespace tavrik {

// Steps the query to its end. Each column fills the field of the same name (the query names its
// columns by alias); a field no column fills stays null. Stored money is ten-thousandths, stored days
// 'yyyy-mm-dd'. Throws std::runtime_error for an unknown data set, a column the data set lacks, or a
// stored day that is not a date.
DataTable ReadDataSet(StoreQuery& query, std::string_view dataSetName);

} // namespace tavrik

// Turns the rows of a query into a reply table with the named data set's fields.
#pragma once

#include "common/DataTable.h"
#include "store/StoreQuery.h"

#include <span>
#include <string_view>

namespace tavrik {

// Steps the query to its end. Each column fills the field of the same name (the query names its
// columns by alias); a field no column fills stays null. Stored money is ten-thousandths, stored days
// 'yyyy-mm-dd'. A text field named in `sevenDigitFields` holds a form number that the query returns
// as a whole number; it is written with seven digits, as the screen shows form numbers. Throws
// std::runtime_error for an unknown data set, a column the data set lacks, or a stored day that is
// not a date.
DataTable ReadDataSet(StoreQuery& query, std::string_view dataSetName,
                      std::span<const std::string_view> sevenDigitFields = {});

// The AR number, as every data set that lists ARs names it.
inline constexpr std::string_view kAccountFormNumbers[] = {"ACCT_RCVBL_NBR"};

} // namespace tavrik

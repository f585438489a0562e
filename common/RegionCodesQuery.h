// The query of one code table's codes current on a day in the clerk's region, as the dialogs that
// keep their own list of valid codes open it through a DataSet.
#pragma once

#include "common/CalendarDate.h"

#include <string>
#include <string_view>

namespace tavrik {

std::string RegionCodesQuery(std::string_view region, std::string_view codeTable, const CalendarDate& today);

} // namespace tavrik

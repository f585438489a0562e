// The assessments of one AR as the AR detail form loads them (data set "ASSESSMENT"), the same for
// the detail search and for the reply to a saved adjustment.
#pragma once

#include "common/DataTable.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <string_view>

namespace tavrik {

// Every assessment of the AR of that number and type, by sequence number; no rows when there is no
// such AR. Reads within the caller's transaction.
DataTable AccountAssessments(StoreConnection& database, std::int64_t number, std::string_view type);

} // namespace tavrik

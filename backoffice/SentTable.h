// The data sets a client sent with its request, looked up by name as the update handlers read them.
#pragma once

#include "common/RequestMessage.h"

#include <cstddef>
#include <string>

namespace tavrik {

// The named data set, or nothing when the request lacks it.
const DataTable* SentTable(const RequestMessage& request, const std::string& name);
// How many rows a data set holds; none for a missing one.
std::size_t RowCount(const DataTable* table);

} // namespace tavrik

// A field of a recordset's current row as the forms read it: its text, trimmed; "" when the field is
// null or the recordset lacks it (a reply that left it out).
#pragma once

#include "common/Recordset.h"

#include <string>
#include <string_view>

namespace tavrik {

std::string FieldText(const Recordset& rows, std::string_view field);

} // namespace tavrik

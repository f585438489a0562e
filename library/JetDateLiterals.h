// Turns the Jet-style dates that forms write into code-table queries (#2024-03-01#, #03/01/2024#,
// date()) into the quoted 'yyyy-mm-dd' text the local code tables compare against.
#pragma once

#include "common/CalendarDate.h"

#include <string>
#include <string_view>

namespace tavrik {

// Text inside quotes is left alone. Throws std::runtime_error for a # literal that is not a date
// or is not closed.
std::string TranslateJetDateLiterals(std::string_view query, CalendarDate today);

} // namespace tavrik

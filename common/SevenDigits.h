// Form and receipt numbers as the screen shows them: seven digits with leading zeros.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

// "0012345"
std::string SevenDigits(std::int64_t number);
// The number of one to seven digits ("12345", "0012345"); nothing for anything else.
std::optional<std::int64_t> ParseSevenDigits(std::string_view text);

} // namespace tavrik

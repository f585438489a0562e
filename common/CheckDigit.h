// The agency's account-number check digit: the Luhn (mod 10) digit of the seven-digit number.
#pragma once

#include <optional>
#include <string_view>

namespace tavrik {

// The check digit of exactly seven digits; nothing for any other text.
std::optional<int> ComputeCheckDigit(std::string_view sevenDigits);

} // namespace tavrik

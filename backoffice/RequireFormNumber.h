// Reading an AR or receipt number as a clerk types it into a request: up to seven digits, eight
// digits (the last is the check digit), or up to seven digits, "-" and the check digit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

// The number, its check digit checked when one was typed. what names the number in the refusal
// ("receipt number"). Throws RequestError for any other text or a wrong check digit.
std::int64_t RequireFormNumber(const std::string& text, std::string_view what);

} // namespace tavrik

// Small text helpers shared by the forms and the services: trimming, case and quoting.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

std::string Trim(std::string_view text);
std::string ToUpper(std::string_view text);
// Equal but for the case of ASCII letters.
bool EqualsIgnoringCase(std::string_view left, std::string_view right);
bool IsBlank(std::string_view text);
// True for a non-empty run of the digits 0 to 9 only.
bool IsAllDigits(std::string_view text);
// True for a non-empty run of ASCII letters and digits only.
bool IsAlphaNumeric(std::string_view text);
// text left-padded with padding up to width characters (unchanged when already as long).
std::string PadLeft(std::string_view text, std::size_t width, char padding);
// A quoted SQL or criterion literal: 'O''Brien'. The only safe way to put a value into query text.
std::string QuoteLiteral(std::string_view text);

} // namespace tavrik

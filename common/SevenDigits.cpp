#include "common/SevenDigits.h"

#include "common/TextUtil.h"

#include <charconv>

namespace tavrik {

std::string SevenDigits(std::int64_t number) {
    return PadLeft(std::to_string(number), 7, '0');
}

std::optional<std::int64_t> ParseSevenDigits(std::string_view text) {
    if (text.size() > 7 || !IsAllDigits(text))
        return std::nullopt;
    std::int64_t number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

} // namespace tavrik

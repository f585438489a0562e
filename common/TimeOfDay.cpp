#include "common/TimeOfDay.h"

namespace tavrik {

std::optional<TimeOfDay> TimeOfDay::FromHm(int hours, int minutes) {
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return TimeOfDay(hours * 60 + minutes);
}

std::optional<TimeOfDay> TimeOfDay::Parse(std::string_view text) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    int hours = 0;
    for (char c : text.substr(0, colon)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        hours = hours * 10 + (c - '0');
    }
    int minutes = 0;
    for (char c : text.substr(colon + 1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        minutes = minutes * 10 + (c - '0');
    }
    return FromHm(hours, minutes);
}

std::string TimeOfDay::Format() const {
    const auto twoDigits = [](int value) {
        return std::string{char('0' + value / 10), char('0' + value % 10)};
    };
    return twoDigits(Hours()) + ":" + twoDigits(Minutes());
}

} // namespace tavrik

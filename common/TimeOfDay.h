// A time of day to the minute, read and written as "HH:MM".
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class TimeOfDay {
public:
    TimeOfDay() = default;
    static std::optional<TimeOfDay> FromHm(int hours, int minutes);
    // "HH:MM" or "H:MM", 00:00 to 23:59.
    static std::optional<TimeOfDay> Parse(std::string_view text);

    std::string Format() const;
    int Hours() const { return minutes_ / 60; }
    int Minutes() const { return minutes_ % 60; }

    auto operator<=>(const TimeOfDay&) const = default;

private:
    explicit TimeOfDay(int minutes) : minutes_(minutes) {}
    int minutes_ = 0;
};

} // namespace tavrik

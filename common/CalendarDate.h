// A calendar day, read and written as "yyyy-mm-dd" (the back office) or "mm/dd/yyyy" (the screen).
#pragma once

#include <chrono>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class CalendarDate {
public:
    CalendarDate() = default;
    explicit CalendarDate(std::chrono::year_month_day day) : day_(day) {}
    static std::optional<CalendarDate> FromYmd(int year, unsigned month, unsigned day);

    // "yyyy-mm-dd"; a date that does not exist (2023-02-29) answers nothing.
    static std::optional<CalendarDate> ParseIso(std::string_view text);
    // "mm/dd/yyyy", also with one-digit month and day as a clerk types them.
    static std::optional<CalendarDate> ParseUs(std::string_view text);
    // Either of the two forms above.
    static std::optional<CalendarDate> Parse(std::string_view text);

    std::string FormatIso() const;
    std::string FormatUs() const;

    int Year() const { return static_cast<int>(day_.year()); }
    unsigned Month() const { return static_cast<unsigned>(day_.month()); }
    unsigned Day() const { return static_cast<unsigned>(day_.day()); }
    std::chrono::sys_days Days() const { return std::chrono::sys_days(day_); }
    CalendarDate AddDays(int days) const;

    auto operator<=>(const CalendarDate& other) const { return Days() <=> other.Days(); }
    bool operator==(const CalendarDate& other) const { return Days() == other.Days(); }

private:
    std::chrono::year_month_day day_{std::chrono::year{1900}, std::chrono::month{1}, std::chrono::day{1}};
};

} // namespace tavrik

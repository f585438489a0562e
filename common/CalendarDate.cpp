#include "common/CalendarDate.h"

#include <cstdio>

namespace tavrik {

namespace {

// Reads exactly the digits of text into value; answers false on anything else.
bool ReadNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

std::optional<CalendarDate> CalendarDate::FromYmd(int year, unsigned month, unsigned day) {
    // std::chrono keeps month and day in one byte, so 257 would wrap to 1 and pass ok(): range first.
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                                    std::chrono::day{day}};
    if (!ymd.ok())
        return std::nullopt;
    return CalendarDate(ymd);
}

std::optional<CalendarDate> CalendarDate::ParseIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int year = 0, month = 0, day = 0;
    if (!ReadNumber(text.substr(0, 4), year) || !ReadNumber(text.substr(5, 2), month) ||
        !ReadNumber(text.substr(8, 2), day))
        return std::nullopt;
    return FromYmd(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

std::optional<CalendarDate> CalendarDate::ParseUs(std::string_view text) {
    std::size_t first = text.find('/');
    std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    std::string_view monthText = text.substr(0, first);
    std::string_view dayText = text.substr(first + 1, second - first - 1);
    std::string_view yearText = text.substr(second + 1);
    int year = 0, month = 0, day = 0;
    if (monthText.size() > 2 || dayText.size() > 2 || yearText.size() != 4 || !ReadNumber(monthText, month) ||
        !ReadNumber(dayText, day) || !ReadNumber(yearText, year))
        return std::nullopt;
    return FromYmd(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

std::optional<CalendarDate> CalendarDate::Parse(std::string_view text) {
    if (auto iso = ParseIso(text))
        return iso;
    return ParseUs(text);
}

std::string CalendarDate::FormatIso() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", Year(), Month(), Day());
    return buffer;
}

std::string CalendarDate::FormatUs() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u/%02u/%04d", Month(), Day(), Year());
    return buffer;
}

CalendarDate CalendarDate::AddDays(int days) const {
    return CalendarDate(std::chrono::year_month_day(Days() + std::chrono::days(days)));
}

} // namespace tavrik

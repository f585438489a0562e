// Dates and times as the back office and the screen write them: an accepted value is written back in
// each form as text that reads as the same value.
#include "common/CalendarDate.h"
#include "common/TimeOfDay.h"
#include "fuzz/Require.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

using tavrik::CalendarDate;
using tavrik::Require;
using tavrik::TimeOfDay;

namespace {

void CheckRoundTrips(const std::optional<CalendarDate>& date) {
    if (!date)
        return;
    Require(date->Month() >= 1 && date->Month() <= 12 && date->Day() >= 1 && date->Day() <= 31,
            "an accepted date is a real day");
    Require(CalendarDate::ParseIso(date->FormatIso()) == date, "FormatIso reads back as the date");
    Require(CalendarDate::ParseUs(date->FormatUs()) == date, "FormatUs reads back as the date");
    Require(CalendarDate::Parse(date->FormatIso()) == date, "Parse reads FormatIso as the date");
    Require(CalendarDate::Parse(date->FormatUs()) == date, "Parse reads FormatUs as the date");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<CalendarDate> iso = CalendarDate::ParseIso(text);
    const std::optional<CalendarDate> us = CalendarDate::ParseUs(text);
    const std::optional<CalendarDate> either = CalendarDate::Parse(text);
    CheckRoundTrips(iso);
    CheckRoundTrips(us);
    CheckRoundTrips(either);
    Require(either.has_value() == (iso.has_value() || us.has_value()), "Parse takes what either form takes");

    if (const std::optional<TimeOfDay> time = TimeOfDay::Parse(text)) {
        Require(time->Hours() >= 0 && time->Hours() <= 23 && time->Minutes() >= 0 && time->Minutes() <= 59,
                "an accepted time is within the day");
        Require(TimeOfDay::Parse(time->Format()) == time, "Format reads back as the time");
    }
    return 0;
}

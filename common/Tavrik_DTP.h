// The date picker: a date (or none, when its check box is clear), the earliest and latest dates it
// accepts, an optional time of day, what it shows of them, and its Change event.
#pragma once

#include "common/CalendarDate.h"
#include "common/Control.h"
#include "common/TimeOfDay.h"

#include <optional>

namespace tavrik {

// What the picker shows: the short date (with the time when it holds one), or the time alone.
enum class DtpFormat { ShortDate, Time };

class Tavrik_DTP : public Control {
public:
    using Control::Control;

    const std::optional<CalendarDate>& Value() const { return value_; }
    // Sets the date; a date outside the earliest and latest dates is refused (answers false).
    bool SetValue(std::optional<CalendarDate> value) {
        if (value && ((earliest_ && *value < *earliest_) || (latest_ && *latest_ < *value)))
            return false;
        if (value == value_)
            return true;
        value_ = value;
        StateChanged.Raise();
        Change.Raise();
        return true;
    }
    const std::optional<CalendarDate>& EarliestDate() const { return earliest_; }
    void SetEarliestDate(std::optional<CalendarDate> date) { Assign(earliest_, date); }
    const std::optional<CalendarDate>& LatestDate() const { return latest_; }
    void SetLatestDate(std::optional<CalendarDate> date) { Assign(latest_, date); }
    const std::optional<TimeOfDay>& Time() const { return time_; }
    // A new time is a change of the picker's value, as a new date is.
    void SetTime(std::optional<TimeOfDay> time) {
        if (time == time_)
            return;
        time_ = time;
        StateChanged.Raise();
        Change.Raise();
    }

    DtpFormat Format() const { return format_; }
    void SetFormat(DtpFormat format) { Assign(format_, format); }

    Event<> Change;
    // Raised by the view when the control loses the focus.
    Event<> LostFocus;

private:
    std::optional<CalendarDate> value_;
    std::optional<CalendarDate> earliest_;
    std::optional<CalendarDate> latest_;
    std::optional<TimeOfDay> time_;
    DtpFormat format_ = DtpFormat::ShortDate;
};

} // namespace tavrik

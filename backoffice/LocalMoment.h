// A moment of the back office's clock as local time: the day, the time of day and the time stamp
// that updates are recorded with.
#pragma once

#include "common/CalendarDate.h"
#include "common/TimeOfDay.h"

#include <chrono>
#include <string>

namespace tavrik {

class LocalMoment {
public:
    explicit LocalMoment(std::chrono::system_clock::time_point moment);

    const CalendarDate& Day() const { return day_; }
    const TimeOfDay& Time() const { return time_; }
    // "yyyy-mm-dd HH:MM:SS"
    std::string Stamp() const;

private:
    CalendarDate day_;
    TimeOfDay time_;
    int seconds_ = 0;
};

} // namespace tavrik

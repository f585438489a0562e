#include "backoffice/LocalMoment.h"

#include "common/TextUtil.h"

#include <ctime>
#include <stdexcept>

namespace tavrik {

LocalMoment::LocalMoment(std::chrono::system_clock::time_point moment) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        throw std::runtime_error("The back office's clock gave a time that has no local date.");
    std::optional<CalendarDate> day = CalendarDate::FromYmd(
        local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday));
    if (!day)
        throw std::runtime_error("The back office's clock gave a time that has no local date.");
    day_ = *day;
    time_ = *TimeOfDay::FromHm(local.tm_hour, local.tm_min);
    // A leap second reads as the last second of its minute.
    seconds_ = local.tm_sec > 59 ? 59 : local.tm_sec;
}

std::string LocalMoment::Stamp() const {
    return day_.FormatIso() + " " + time_.Format() + ":" + PadLeft(std::to_string(seconds_), 2, '0');
}

} // namespace tavrik

#include "desktop/DatePickerBinding.h"

#include "common/Tavrik_DTP.h"
#include "desktop/FocusLossWatch.h"

namespace tavrik {
namespace {

QDate ToQDate(const CalendarDate& date) {
    return QDate(date.Year(), static_cast<int>(date.Month()), static_cast<int>(date.Day()));
}

std::optional<CalendarDate> FromQDate(const QDate& date) {
    return CalendarDate::FromYmd(date.year(), static_cast<unsigned>(date.month()),
                                 static_cast<unsigned>(date.day()));
}

} // namespace

DatePickerBinding::DatePickerBinding(Tavrik_DTP& picker, QDateTimeEdit* widget, QCheckBox* blank,
                                     BoundWidgets& boundWidgets)
    : ControlBinding(picker, widget, boundWidgets), picker_(picker), widget_(widget), blank_(blank) {
    connect(widget_, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!repainting_)
            WriteValue();
    });
    if (blank_ != nullptr)
        connect(blank_, &QCheckBox::clicked, this, [this] { WriteValue(); });
    auto* focus = blank_ != nullptr ? new FocusLossWatch({widget_, blank_}) : new FocusLossWatch({widget_});
    connect(focus, &FocusLossWatch::focusLost, this, [this] { picker_.LostFocus.Raise(); });
    Repaint();
}

void DatePickerBinding::WriteValue() {
    const bool hasDate = blank_ == nullptr || blank_->isChecked();
    // Read both before writing either: each write repaints the widget from the model.
    const std::optional<CalendarDate> date = hasDate ? FromQDate(widget_->date()) : std::nullopt;
    const QTime time = widget_->time();
    if (hasDate && picker_.Time())
        picker_.SetTime(TimeOfDay::FromHm(time.hour(), time.minute()));
    picker_.SetValue(date);
    // A date outside the range is refused by the model; the widget goes back to the model's value.
    Repaint();
}

void DatePickerBinding::Repaint() {
    ControlBinding::Repaint();
    repainting_ = true;
    const std::optional<TimeOfDay>& time = picker_.Time();
    if (picker_.Format() == DtpFormat::Time)
        widget_->setDisplayFormat("HH:mm");
    else
        widget_->setDisplayFormat(time ? "MM/dd/yyyy HH:mm" : "MM/dd/yyyy");
    if (picker_.EarliestDate())
        widget_->setMinimumDate(ToQDate(*picker_.EarliestDate()));
    else
        widget_->clearMinimumDate();
    if (picker_.LatestDate())
        widget_->setMaximumDate(ToQDate(*picker_.LatestDate()));
    else
        widget_->clearMaximumDate();
    const std::optional<CalendarDate>& value = picker_.Value();
    if (value)
        widget_->setDate(ToQDate(*value));
    if (time)
        widget_->setTime(QTime(time->Hours(), time->Minutes()));
    widget_->setEnabled(picker_.Enabled() && (value.has_value() || blank_ == nullptr));
    if (blank_ != nullptr) {
        blank_->setEnabled(picker_.Enabled());
        if (!blank_->isWindow())
            blank_->setVisible(picker_.Visible());
        blank_->setChecked(value.has_value());
    }
    repainting_ = false;
}

} // namespace tavrik

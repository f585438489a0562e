// Binds a date picker model to a date edit and the check box that leaves the date blank: the
// earliest and latest dates, the short date format, and the time of day when the model holds one
// (alone when the model shows only the time). The focus leaving both raises the model's LostFocus.
#pragma once

#include "desktop/ControlBinding.h"

#include <QCheckBox>
#include <QDateTimeEdit>

namespace tavrik {

class Tavrik_DTP;

class DatePickerBinding : public ControlBinding {
    Q_OBJECT

public:
    // A QDateEdit cannot show a time, so a picker that holds one needs a QDateTimeEdit. blank may be
    // nullptr for a picker that always holds a date.
    DatePickerBinding(Tavrik_DTP& picker, QDateTimeEdit* widget, QCheckBox* blank,
                      BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    // Writes the widget's date (and time) to the model, or no date when the check box is clear.
    void WriteValue();

    Tavrik_DTP& picker_;
    QDateTimeEdit* widget_;
    QCheckBox* blank_;
    bool repainting_ = false;
};

} // namespace tavrik

#include "desktop/OptionButtonBinding.h"

namespace tavrik {

OptionButtonBinding::OptionButtonBinding(OptionButton& option, QRadioButton* widget,
                                         BoundWidgets& boundWidgets)
    : ControlBinding(option, widget, boundWidgets), option_(option), widget_(widget) {
    connect(widget_, &QRadioButton::clicked, this, [this] {
        option_.Pick();
        Repaint();
    });
    connect(widget_, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked && !repainting_)
            option_.SetValue(false);
    });
    Repaint();
}

void OptionButtonBinding::Repaint() {
    ControlBinding::Repaint();
    widget_->setText(QString::fromStdString(option_.Caption()));
    repainting_ = true;
    // An exclusive group refuses to clear its checked button, but the form may clear every option.
    const bool exclusive = widget_->autoExclusive();
    widget_->setAutoExclusive(false);
    widget_->setChecked(option_.Value());
    widget_->setAutoExclusive(exclusive);
    repainting_ = false;
}

} // namespace tavrik

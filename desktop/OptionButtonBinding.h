// Binds an option button model to a QRadioButton. Picking one clears the others of its group on
// screen, and each binding writes that clearing back to its own model.
#pragma once

#include "common/OptionButton.h"
#include "desktop/ControlBinding.h"

#include <QRadioButton>

namespace tavrik {

class OptionButtonBinding : public ControlBinding {
    Q_OBJECT

public:
    OptionButtonBinding(OptionButton& option, QRadioButton* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    OptionButton& option_;
    QRadioButton* widget_;
    bool repainting_ = false;
};

} // namespace tavrik

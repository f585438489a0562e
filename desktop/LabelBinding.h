// Shows a label model's caption in a QLabel.
#pragma once

#include "common/Label.h"
#include "desktop/ControlBinding.h"

#include <QLabel>

namespace tavrik {

class LabelBinding : public ControlBinding {
    Q_OBJECT

public:
    LabelBinding(Label& label, QLabel* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    Label& label_;
    QLabel* widget_;
};

} // namespace tavrik

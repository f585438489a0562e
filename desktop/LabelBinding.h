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

    // A QLabel in `parent`, named after the label and bound to it.
    static QLabel* NewBound(Label& label, BoundWidgets& boundWidgets, QWidget* parent);
    // Gives a value the form fills the box it keeps while it is empty.
    static QLabel* AsValueBox(QLabel* widget, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

protected:
    void Repaint() override;

private:
    Label& label_;
    QLabel* widget_;
};

} // namespace tavrik

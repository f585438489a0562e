// Binds a code-table combo model to an editable QComboBox listing the codes' descriptions: typing
// writes the text, picking from the list selects the entry, and the widget shows the model's text.
// The focus leaving the box raises the model's LostFocus.
#pragma once

#include "common/Tavrik_CodesCombo.h"
#include "desktop/ControlBinding.h"

#include <QComboBox>

namespace tavrik {

class CodesComboBinding : public ControlBinding {
    Q_OBJECT

public:
    CodesComboBinding(Tavrik_CodesCombo& combo, QComboBox* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    void ShowEntries();

    Tavrik_CodesCombo& combo_;
    QComboBox* widget_;
};

} // namespace tavrik

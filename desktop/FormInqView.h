// The Open Account dialog's window: account type and number, and the three buttons, in the
// dialog's tab order. Closing the window is a Cancel.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "document/Tavrik_FormInq.h"

namespace tavrik {

class FormInqView : public FormDialog {
    Q_OBJECT

public:
    FormInqView(Tavrik_FormInq& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_FormInq& form_;
};

} // namespace tavrik

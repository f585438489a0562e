// The Select Customer dialog's window: the customer selector, "OK" and "Cancel", and the dialog's own
// status bar line. Closing the window is a Cancel.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "select/Tavrik_SelectCustForm.h"

namespace tavrik {

class SelectCustFormView : public FormDialog {
    Q_OBJECT

public:
    SelectCustFormView(Tavrik_SelectCustForm& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_SelectCustForm& form_;
};

} // namespace tavrik

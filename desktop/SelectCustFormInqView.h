// The Select Account dialog's window: the account type, the customer selector, the account list,
// "OK" and "Cancel", and the dialog's own status bar line. Closing the window is a Cancel.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "select/Tavrik_SelectCustFormInq.h"

namespace tavrik {

class SelectCustFormInqView : public FormDialog {
    Q_OBJECT

public:
    SelectCustFormInqView(Tavrik_SelectCustFormInq& form, BoundWidgets& boundWidgets,
                          QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_SelectCustFormInq& form_;
};

} // namespace tavrik

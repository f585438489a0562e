// The License Purchase Option dialog's window: where the licence was bought, the in-state fields,
// the comment and the two buttons, in the dialog's tab order. Closing the window is a Cancel.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "receivable/Tavrik_LicPurchOpt.h"

namespace tavrik {

class LicPurchOptView : public FormDialog {
    Q_OBJECT

public:
    LicPurchOptView(Tavrik_LicPurchOpt& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_LicPurchOpt& form_;
};

} // namespace tavrik

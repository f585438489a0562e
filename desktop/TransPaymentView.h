// The "Transfer Payment" window: the payment control and the dialog's three buttons, in the form's
// tab order. Closing the window is a Close.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "receipt/Tavrik_TransPayment.h"

namespace tavrik {

class TransPaymentView : public FormDialog {
    Q_OBJECT

public:
    TransPaymentView(Tavrik_TransPayment& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    // The form decides whether the window goes.
    void reject() override;

private:
    Tavrik_TransPayment& form_;
};

} // namespace tavrik

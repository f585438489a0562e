// The "Receipt Detail" window: the receipt's header, the adjustment fields, the funds, payments and
// excess-fund grids and the four buttons, in the form's tab order. Closing the window is a Close.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "receipt/Tavrik_PayDetail.h"

namespace tavrik {

class PayDetailView : public FormDialog {
    Q_OBJECT

public:
    PayDetailView(Tavrik_PayDetail& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    // The form decides whether the window goes.
    void reject() override;

private:
    Tavrik_PayDetail& form_;
};

} // namespace tavrik

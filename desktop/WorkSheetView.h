// The "Refund Worksheet" window: the refund's customer and amount with the recipient beside them,
// the officers' step, the refund or transfer, the receipt and the four buttons. Closing is a Close.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "refund/Tavrik_WorkSheet.h"

namespace tavrik {

class WorkSheetView : public FormDialog {
    Q_OBJECT

public:
    WorkSheetView(Tavrik_WorkSheet& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    // The form decides whether the window goes.
    void reject() override;

private:
    Tavrik_WorkSheet& form_;
};

} // namespace tavrik

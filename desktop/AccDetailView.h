// The "Account Receivable Detail" window: the AR's header, the two assessment grids, the entry fields
// and the three totals, and the three buttons, in the form's tab order. Closing the window is a Close.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "receivable/Tavrik_AccDetail.h"

namespace tavrik {

class AccDetailView : public FormDialog {
    Q_OBJECT

public:
    AccDetailView(Tavrik_AccDetail& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    // The form decides whether to ask about unsaved changes and whether the window goes.
    void reject() override;

private:
    Tavrik_AccDetail& form_;
};

} // namespace tavrik

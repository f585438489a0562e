// The "Account Activity" window. Its opener reshapes it (it moves the grid, hides frames and buttons),
// so every control is drawn where its model puts it and moves when the model moves. Closing the
// window presses its closing button.
#pragma once

#include "desktop/BoundWidgets.h"
#include "desktop/FormDialog.h"
#include "receivable/Tavrik_Activity.h"

namespace tavrik {

class ActivityView : public FormDialog {
    Q_OBJECT

public:
    ActivityView(Tavrik_Activity& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_Activity& form_;
};

} // namespace tavrik

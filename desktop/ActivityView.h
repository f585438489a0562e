// The "Account Activity" window. Its opener reshapes it (it moves the grid, hides frames and buttons),
// so every control is drawn where its model puts it and moves when the model moves. Closing the
// window presses its closing button.
#pragma once

#include "desktop/BoundWidgets.h"
#include "receivable/Tavrik_Activity.h"

#include <QDialog>

namespace tavrik {

class ActivityView : public QDialog {
    Q_OBJECT

public:
    ActivityView(Tavrik_Activity& form, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    void reject() override;

private:
    Tavrik_Activity& form_;
};

} // namespace tavrik

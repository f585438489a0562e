// Shows a status bar model's panels in a QStatusBar, one label per panel, left to right.
#pragma once

#include "common/StatusBar.h"
#include "desktop/ControlBinding.h"

#include <QLabel>
#include <QStatusBar>

#include <vector>

namespace tavrik {

class StatusBarBinding : public ControlBinding {
    Q_OBJECT

public:
    StatusBarBinding(StatusBar& statusBar, QStatusBar* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    StatusBar& statusBar_;
    QStatusBar* widget_;
    std::vector<QLabel*> panels_;
};

} // namespace tavrik

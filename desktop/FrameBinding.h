// Shows a frame model as a QGroupBox: its caption, and its enabled and visible state for the
// controls inside it.
#pragma once

#include "common/Frame.h"
#include "desktop/ControlBinding.h"

#include <QGroupBox>

namespace tavrik {

class FrameBinding : public ControlBinding {
    Q_OBJECT

public:
    FrameBinding(Frame& frame, QGroupBox* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    Frame& frame_;
    QGroupBox* widget_;
};

} // namespace tavrik

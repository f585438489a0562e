// Shows a frame model as a QGroupBox: its caption, and its visible state for the controls inside it.
// Its enabled state disables them all, unless the form greys each control itself (and keeps a chosen
// option readable in a disabled frame): then the controls follow their own state.
#pragma once

#include "common/Frame.h"
#include "desktop/ControlBinding.h"

#include <QGroupBox>

namespace tavrik {

enum class FrameChildren { FollowFrame, FollowOwnState };

class FrameBinding : public ControlBinding {
    Q_OBJECT

public:
    FrameBinding(Frame& frame, QGroupBox* widget, BoundWidgets& boundWidgets,
                 FrameChildren children = FrameChildren::FollowFrame);

protected:
    void Repaint() override;

private:
    Frame& frame_;
    QGroupBox* widget_;
    FrameChildren children_;
};

} // namespace tavrik

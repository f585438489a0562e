#include "desktop/FrameBinding.h"

namespace tavrik {

FrameBinding::FrameBinding(Frame& frame, QGroupBox* widget, BoundWidgets& boundWidgets,
                           FrameChildren children)
    : ControlBinding(frame, widget, boundWidgets), frame_(frame), widget_(widget), children_(children) {
    Repaint();
}

void FrameBinding::Repaint() {
    ControlBinding::Repaint();
    if (children_ == FrameChildren::FollowOwnState)
        widget_->setEnabled(true);
    widget_->setTitle(QString::fromStdString(frame_.Caption()));
}

} // namespace tavrik

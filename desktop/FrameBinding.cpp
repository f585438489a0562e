#include "desktop/FrameBinding.h"

namespace tavrik {

FrameBinding::FrameBinding(Frame& frame, QGroupBox* widget, BoundWidgets& boundWidgets)
    : ControlBinding(frame, widget, boundWidgets), frame_(frame), widget_(widget) {
    Repaint();
}

void FrameBinding::Repaint() {
    ControlBinding::Repaint();
    widget_->setTitle(QString::fromStdString(frame_.Caption()));
}

} // namespace tavrik

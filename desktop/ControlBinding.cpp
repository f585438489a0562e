#include "desktop/ControlBinding.h"

#include "desktop/ModelEvents.h"

#include <QColor>
#include <QPalette>

namespace tavrik {

ControlBinding::ControlBinding(Control& control, QWidget* widget, BoundWidgets& boundWidgets)
    : QObject(widget), control_(control), widget_(widget) {
    boundWidgets.Add(control, widget);
    ConnectWhileAlive(control.StateChanged, this, [this] { Repaint(); });
}

void ControlBinding::ShowFieldColor(QWidget& widget, FieldColor color) {
    if (color == FieldColor::Normal) {
        // A palette that resolves no role gives the widget back the one it inherits.
        widget.setPalette(QPalette());
        return;
    }
    const QColor lightRed(255, 200, 200);
    QPalette palette;
    palette.setColor(QPalette::Base, lightRed);
    palette.setColor(QPalette::Button, lightRed);
    palette.setColor(QPalette::Window, lightRed);
    widget.setPalette(palette);
}

void ControlBinding::Repaint() {
    widget_->setEnabled(control_.Enabled());
    // A widget without a parent would open as a window of its own; its view decides when it shows.
    if (!widget_->isWindow())
        widget_->setVisible(control_.Visible());
    ShowFieldColor(*widget_, control_.Color());
}

} // namespace tavrik

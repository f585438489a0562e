// What every binding of a control model to a widget shares: it registers the widget, repaints it
// when the model changes, and shows the enabled and visible state and the field colour.
#pragma once

#include "common/Control.h"
#include "desktop/BoundWidgets.h"

#include <QObject>
#include <QWidget>

namespace tavrik {

class ControlBinding : public QObject {
    Q_OBJECT

public:
    // The binding lives as long as the widget (it is the widget's child).
    ControlBinding(Control& control, QWidget* widget, BoundWidgets& boundWidgets);

    // Paints the field colour on a widget: light red for an error, the inherited palette otherwise.
    static void ShowFieldColor(QWidget& widget, FieldColor color);

protected:
    // Shows the model's state; bindings add their own and call this first. Each binding calls
    // Repaint once at the end of its constructor.
    virtual void Repaint();

private:
    Control& control_;
    QWidget* widget_;
};

} // namespace tavrik

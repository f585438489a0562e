#include "desktop/FocusLossWatch.h"

#include <QApplication>
#include <QFocusEvent>

#include <algorithm>

namespace tavrik {

FocusLossWatch::FocusLossWatch(std::initializer_list<QWidget*> widgets)
    : QObject(*widgets.begin()), widgets_(widgets) {
    for (QWidget* widget : widgets_)
        widget->installEventFilter(this);
}

bool FocusLossWatch::IsLeaving(const QFocusEvent& event) {
    return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}

bool FocusLossWatch::IsOwn(const QWidget* widget) const {
    // Up through the windows too: a list or calendar the control pops up is still the control.
    for (; widget != nullptr; widget = widget->parentWidget())
        if (std::find(widgets_.begin(), widgets_.end(), widget) != widgets_.end())
            return true;
    return false;
}

bool FocusLossWatch::eventFilter(QObject* watched, QEvent* event) {
    // By the time the widget hears of its loss, the application already names the widget that has
    // the focus now.
    if (event->type() == QEvent::FocusOut && IsLeaving(static_cast<const QFocusEvent&>(*event)) &&
        !IsOwn(QApplication::focusWidget()))
        emit focusLost();
    return QObject::eventFilter(watched, event);
}

} // namespace tavrik

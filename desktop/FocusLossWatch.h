// Tells when the focus leaves a control for another widget: the control may be drawn by several
// widgets (a date edit and its check box), among which the focus moves without leaving it, and the
// lists it pops up are its own. Another window or a context menu taking the focus is not the user
// leaving the control either.
#pragma once

#include <QObject>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QFocusEvent;

namespace tavrik {

class FocusLossWatch : public QObject {
    Q_OBJECT

public:
    // Watches the widgets of one control; it lives as long as the first of them (its parent).
    explicit FocusLossWatch(std::initializer_list<QWidget*> widgets);

    // Whether the focus went away for a reason that is the user leaving the widget.
    static bool IsLeaving(const QFocusEvent& event);

signals:
    void focusLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the widget is one of the control's, or inside one or a window one of them opened.
    bool IsOwn(const QWidget* widget) const;

    std::vector<QWidget*> widgets_;
};

} // namespace tavrik

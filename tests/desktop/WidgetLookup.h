// What the Qt road tests use to follow the application: waiting for a condition while the event
// loop runs, finding a widget by its control's name, typing, Tab and Esc, finding and clicking a
// table's cells, and acting inside a modal window.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tavrik {

// Runs the event loop until the condition holds or ten seconds passed; answers the condition.
inline bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 10000)
        QTest::qWait(20);
    return condition();
}

// Types each character of keys as one key event, "\b" as backspace. QTest::keyClicks stops at
// ASCII; a character beyond it is sent the way the platform delivers it, as one event carrying the
// character as text (a character outside the basic plane as its two UTF-16 units).
inline void TypeKeys(QWidget* widget, const QString& keys) {
    for (uint each : keys.toUcs4()) {
        const char32_t character = each;
        if (character < 0x80)
            QTest::keyClick(widget, static_cast<char>(character));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                                Qt::NoModifier);
    }
}

// The name of the widget with the focus, "(none)" without one.
inline QString FocusName() {
    return QApplication::focusWidget() == nullptr ? "(none)" : QApplication::focusWidget()->objectName();
}

// Tab until the widget named so has the focus; answers the widgets the focus reached on the way.
inline std::string TabTo(const QString& name) {
    std::string reached;
    for (int key = 0; key < 20 && QApplication::focusWidget() != nullptr && FocusName() != name; ++key) {
        const QString before = FocusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (FocusName() != before)
            reached += (reached.empty() ? "" : " ") + FocusName().toStdString();
    }
    return reached;
}

// Esc as the window system delivers it: to the window.
inline void PressEsc(QWidget* dialog) {
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
}

template <class Widget> Widget* Child(QWidget* parent, const char* name) {
    return parent == nullptr ? nullptr : parent->findChild<Widget*>(name);
}

inline int ColumnOf(const QTableView& table, const QString& heading) {
    for (int column = 0; column < table.model()->columnCount(); ++column)
        if (table.model()->headerData(column, Qt::Horizontal).toString() == heading)
            return column;
    return -1;
}

// The first row whose cell under the heading shows the text, or -1.
inline int RowWith(const QTableView& table, const QString& heading, const QString& text) {
    const QModelIndex first = table.model()->index(0, ColumnOf(table, heading));
    const QModelIndexList found = table.model()->match(first, Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.isEmpty() ? -1 : found.front().row();
}

// The text of the row's cell under the heading.
inline QString CellAt(const QTableView& table, int row, const QString& heading) {
    return table.model()->index(row, ColumnOf(table, heading)).data().toString();
}

inline void ClickCell(QTableView& table, int row, int column) {
    const QRect cell = table.visualRect(table.model()->index(row, column));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
}

// Runs the clerk's steps inside the modal window named formName once it is up; a window the steps
// leave open is failed and shut, so a wrong turn ends the test instead of hanging it.
inline void InsideModal(const char* formName, std::function<void(QWidget*)> steps) {
    QTimer::singleShot(0, [formName, steps = std::move(steps)] {
        ASSERT_TRUE(WaitUntil([&] {
            QWidget* modal = QApplication::activeModalWidget();
            return modal != nullptr && modal->objectName() == formName;
        })) << formName;
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        steps(dialog);
        if (dialog != nullptr && dialog->isVisible()) {
            ADD_FAILURE() << formName << " was left open";
            dialog->done(QDialog::Rejected);
        }
    });
}

} // namespace tavrik

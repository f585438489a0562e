// What the Qt tests check at their end: the names of the top-level windows still visible, so that
// a failing test says which one it left open.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QWidget>

namespace tavrik {

inline QStringList VisibleTopLevelWindows() {
    QStringList visible;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            visible << widget->metaObject()->className() + QString(" ") + widget->windowTitle();
    return visible;
}

} // namespace tavrik

// What the Qt road tests use to follow the application: waiting for a condition while the event
// loop runs, and finding a widget by its control's name.
#pragma once

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <functional>

namespace tavrik {

// Runs the event loop until the condition holds or ten seconds passed; answers the condition.
inline bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 10000)
        QTest::qWait(20);
    return condition();
}

template <class Widget> Widget* Child(QWidget* parent, const char* name) {
    return parent == nullptr ? nullptr : parent->findChild<Widget*>(name);
}

} // namespace tavrik

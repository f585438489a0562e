// What the Qt road tests use to follow the application: waiting for a condition while the event
// loop runs, finding a widget by its control's name, and typing.
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

template <class Widget> Widget* Child(QWidget* parent, const char* name) {
    return parent == nullptr ? nullptr : parent->findChild<Widget*>(name);
}

} // namespace tavrik

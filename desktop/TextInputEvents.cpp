#include "desktop/TextInputEvents.h"

#include "common/TextBox.h"
#include "desktop/FocusLossWatch.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>

namespace tavrik {
namespace {

constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The key code a form tests for a Qt key, 0 for keys no form asks about.
int KeyCodeOf(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return kKeyBackspace;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return kKeyInsert;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? kShiftMask : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? kCtrlMask : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? kAltMask : 0);
}

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

bool IsPrintable(char32_t character) {
    return character >= 0x20 && character != 0x7f && !(character >= 0x80 && character < 0xa0);
}

// The one printable character a key without Ctrl or Alt types (a character outside the basic plane
// arrives as two UTF-16 units); nothing for shortcuts and keys that type nothing.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return std::nullopt;
    const QList<uint> characters = event.text().toUcs4();
    if (characters.size() != 1 || !IsPrintable(characters.front()))
        return std::nullopt;
    return characters.front();
}

bool IsShiftInsert(const QKeyEvent& event) {
    return event.key() == Qt::Key_Insert && ShiftOf(event.modifiers()) == kShiftMask;
}

// The platform's paste keys, Shift+Insert and Ctrl+Shift+V (paste as plain text, which all of
// these boxes do anyway).
bool IsPaste(const QKeyEvent& event) {
    return event.matches(QKeySequence::Paste) || IsShiftInsert(event) ||
           (event.key() == Qt::Key_V && ShiftOf(event.modifiers()) == (kShiftMask | kCtrlMask));
}

bool IsEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

TextInputEvents::TextInputEvents(QObject* widget, bool multiLine) : QObject(widget), multiLine_(multiLine) {}

bool TextInputEvents::KeyPressed(const QKeyEvent& event) {
    if (const int code = KeyCodeOf(event.key()))
        emit keyDown(code, ShiftOf(event.modifiers()));
    if (IsPaste(event)) {
        const QString text = QGuiApplication::clipboard()->text();
        if (IsShiftInsert(event))
            emit textPasted(text);
        else
            Paste(text);
        return true;
    }
    if (event.key() == Qt::Key_Backspace && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit characterTyped(kKeyBackspace);
        return true;
    }
    if (multiLine_ && IsEnter(event)) {
        emit characterTyped(U'\n');
        return true;
    }
    if (const std::optional<char32_t> character = TypedCharacter(event)) {
        emit characterTyped(*character);
        return true;
    }
    return false;
}

void TextInputEvents::KeyReleased(const QKeyEvent& event) {
    if (event.isAutoRepeat())
        return;
    if (const int code = KeyCodeOf(event.key()))
        emit keyUp(code, ShiftOf(event.modifiers()));
}

void TextInputEvents::MousePressed(const QMouseEvent& event) {
    emit mouseDown(ButtonOf(event.button()));
}

void TextInputEvents::MouseReleased(const QMouseEvent& event) {
    emit mouseUp(ButtonOf(event.button()));
}

void TextInputEvents::FocusLost(const QFocusEvent& event) {
    // A context menu or another application taking the focus is not the user leaving the field.
    if (FocusLossWatch::IsLeaving(event))
        emit focusLost();
}

void TextInputEvents::TypeText(const QString& text) {
    for (uint character : text.toUcs4())
        emit characterTyped(character);
}

void TextInputEvents::InputMethod(QInputMethodEvent& event,
                                  const std::function<void(QInputMethodEvent*)>& showComposing) {
    const QString committed = event.commitString();
    if (committed.isEmpty()) {
        showComposing(&event);
        return;
    }
    QInputMethodEvent composing(event.preeditString(), event.attributes());
    showComposing(&composing);
    TypeText(committed);
    event.accept();
}

void TextInputEvents::Paste(const QString& text) {
    emit keyDown(kKeyInsert, kShiftMask);
    emit textPasted(text);
    emit keyUp(kKeyInsert, kShiftMask);
}

} // namespace tavrik

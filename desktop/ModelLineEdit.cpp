#include "desktop/ModelLineEdit.h"

#include "common/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tavrik {
namespace {

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
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
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

// Plain ASCII characters typed without Ctrl or Alt go through the model; the rest (shortcuts,
// characters the model's byte text cannot hold one by one) stay with the widget.
bool IsTypedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier) || event.text().size() != 1)
        return false;
    const char16_t character = event.text().front().unicode();
    return character >= 0x20 && character < 0x7f;
}

} // namespace

ModelLineEdit::ModelLineEdit(QWidget* parent) : QLineEdit(parent) {}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
    if (const int code = KeyCodeOf(event->key()))
        emit keyDown(code, ShiftOf(event->modifiers()));
    if (event->key() == Qt::Key_Backspace &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit characterTyped(static_cast<char>(kKeyBackspace));
        event->accept();
        return;
    }
    if (IsTypedCharacter(*event)) {
        emit characterTyped(static_cast<char>(event->text().front().unicode()));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ModelLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    if (const int code = KeyCodeOf(event->key()))
        emit keyUp(code, ShiftOf(event->modifiers()));
}

void ModelLineEdit::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(ButtonOf(event->button()));
    QLineEdit::mousePressEvent(event);
}

void ModelLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The widget pastes the selection on a middle-button release, so MouseUp comes after it.
    QLineEdit::mouseReleaseEvent(event);
    emit mouseUp(ButtonOf(event->button()));
}

void ModelLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus is not the user leaving the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusLost();
}

} // namespace tavrik

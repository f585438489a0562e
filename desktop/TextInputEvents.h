// What a text widget bound to a text box model reports, in the model's terms: typed characters (code
// points) instead of inserting them, pastes by whatever route, key codes with the shift state,
// mouse buttons and focus loss. The line edit and the multi-line edit both report through one.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;

namespace tavrik {

class TextInputEvents : public QObject {
    Q_OBJECT

public:
    // In a multi-line widget Enter types a line break.
    TextInputEvents(QObject* widget, bool multiLine);

    // Reports the key; answers whether the key was typed or pasted, which the widget then leaves
    // alone. Other keys (moving, Delete, shortcuts) are the widget's.
    bool KeyPressed(const QKeyEvent& event);
    void KeyReleased(const QKeyEvent& event);
    void MousePressed(const QMouseEvent& event);
    void MouseReleased(const QMouseEvent& event);
    void FocusLost(const QFocusEvent& event);
    // Each character of text as typed (what an input method commits).
    void TypeText(const QString& text);
    // An input method's event: what it commits is typed; the widget (through showComposing, its own
    // handler) only shows what is still being composed.
    void InputMethod(QInputMethodEvent& event, const std::function<void(QInputMethodEvent*)>& showComposing);
    // Text to put at the caret from the clipboard, a drop or a menu. Unless it comes with Shift+Insert
    // itself, it is reported between KeyDown and KeyUp of Shift+Insert: the keys the forms' paste
    // checks watch, so that no paste escapes them.
    void Paste(const QString& text);

signals:
    // A character, or backspace (8).
    void characterTyped(char32_t key);
    void textPasted(const QString& text);
    // Key codes 8 (backspace), 45 (Insert) and so on; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int keyCode, int shift);
    void keyUp(int keyCode, int shift);
    // Buttons: 1 left, 2 right, 4 middle.
    void mouseDown(int button);
    void mouseUp(int button);
    void focusLost();

private:
    bool multiLine_;
};

} // namespace tavrik

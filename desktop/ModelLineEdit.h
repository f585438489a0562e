// A line edit that reports its input the way the text box model takes it: typed characters one by
// one (instead of inserting them), key codes with the shift state, mouse buttons and focus loss.
// Every other edit (a paste, a cut, Delete) happens in the widget and is seen through textEdited.
#pragma once

#include <QLineEdit>

namespace tavrik {

class ModelLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ModelLineEdit(QWidget* parent = nullptr);

signals:
    // A printable character or backspace (8).
    void characterTyped(char key);
    // Key codes 8 (backspace), 45 (Insert) and so on; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int keyCode, int shift);
    void keyUp(int keyCode, int shift);
    // Buttons: 1 left, 2 right, 4 middle.
    void mouseDown(int button);
    void mouseUp(int button);
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tavrik

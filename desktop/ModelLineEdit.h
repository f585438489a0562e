// A line edit that reports its input the way the text box model takes it (see TextInputEvents):
// typed characters and pastes by every route go to the model instead of into the widget. Every
// other edit (a cut, Delete) happens in the widget and is seen through textEdited.
#pragma once

#include "desktop/TextInputEvents.h"

#include <QLineEdit>

namespace tavrik {

class ModelLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ModelLineEdit(QWidget* parent = nullptr);

    TextInputEvents& Events() { return *events_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TextInputEvents* events_;
};

} // namespace tavrik

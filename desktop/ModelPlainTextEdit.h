// A multi-line edit that reports its input the way the text box model takes it (see
// TextInputEvents): typed characters, Enter and pastes by every route go to the model. Tab moves the
// focus on, as in every other box. Other edits (a cut, Delete) happen in the widget.
#pragma once

#include "desktop/TextInputEvents.h"

#include <QPlainTextEdit>

namespace tavrik {

class ModelPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ModelPlainTextEdit(QWidget* parent = nullptr);

    TextInputEvents& Events() { return *events_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // Where the widget's own paste, middle-button paste and context menu end.
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;

private:
    TextInputEvents* events_;
};

} // namespace tavrik

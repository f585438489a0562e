#include "desktop/ModelPlainTextEdit.h"

#include <QMimeData>

namespace tavrik {

ModelPlainTextEdit::ModelPlainTextEdit(QWidget* parent)
    : QPlainTextEdit(parent), events_(new TextInputEvents(this, /*multiLine=*/true)) {
    setTabChangesFocus(true);
}

void ModelPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    if (events_->KeyPressed(*event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ModelPlainTextEdit::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    events_->KeyReleased(*event);
}

void ModelPlainTextEdit::mousePressEvent(QMouseEvent* event) {
    events_->MousePressed(*event);
    QPlainTextEdit::mousePressEvent(event);
}

void ModelPlainTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    events_->MouseReleased(*event);
}

void ModelPlainTextEdit::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    events_->FocusLost(*event);
}

void ModelPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    events_->InputMethod(
        *event, [this](QInputMethodEvent* composing) { QPlainTextEdit::inputMethodEvent(composing); });
}

void ModelPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        events_->Paste(source->text());
}

void ModelPlainTextEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    setTextCursor(cursorForPosition(event->position().toPoint()));
    events_->Paste(event->mimeData()->text());
    event->acceptProposedAction();
}

} // namespace tavrik

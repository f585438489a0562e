#include "desktop/ModelLineEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace tavrik {

ModelLineEdit::ModelLineEdit(QWidget* parent)
    : QLineEdit(parent), events_(new TextInputEvents(this, /*multiLine=*/false)) {}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
    if (events_->KeyPressed(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ModelLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    events_->KeyReleased(*event);
}

void ModelLineEdit::mousePressEvent(QMouseEvent* event) {
    events_->MousePressed(*event);
    QLineEdit::mousePressEvent(event);
}

void ModelLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the system has one: that paste is reported
    // instead of the widget's own.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection())
        events_->Paste(QGuiApplication::clipboard()->text(QClipboard::Selection));
    else
        QLineEdit::mouseReleaseEvent(event);
    events_->MouseReleased(*event);
}

void ModelLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    events_->FocusLost(*event);
}

void ModelLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    events_->InputMethod(*event,
                         [this](QInputMethodEvent* composing) { QLineEdit::inputMethodEvent(composing); });
}

void ModelLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The standard Paste writes straight into the widget; it is reported as a paste instead.
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(paste))
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this,
                [this] { events_->Paste(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ModelLineEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    events_->Paste(event->mimeData()->text());
    event->acceptProposedAction();
}

} // namespace tavrik

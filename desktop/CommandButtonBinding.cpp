#include "desktop/CommandButtonBinding.h"

namespace tavrik {

CommandButtonBinding::CommandButtonBinding(CommandButton& button, QPushButton* widget,
                                           BoundWidgets& boundWidgets)
    : ControlBinding(button, widget, boundWidgets), button_(button), widget_(widget),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), widget, nullptr, nullptr, Qt::WindowShortcut)) {
    connect(widget_, &QPushButton::clicked, this, [this] { button_.Press(); });
    connect(escape_, &QShortcut::activated, this, [this] { button_.Press(); });
    Repaint();
}

void CommandButtonBinding::Repaint() {
    ControlBinding::Repaint();
    widget_->setText(QString::fromStdString(button_.Caption()));
    // Enter presses the default button; a focused button takes Enter while it has the focus.
    widget_->setDefault(button_.IsDefault());
    widget_->setAutoDefault(true);
    escape_->setEnabled(button_.IsCancel());
}

} // namespace tavrik

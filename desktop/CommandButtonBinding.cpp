#include "desktop/CommandButtonBinding.h"

namespace tavrik {

CommandButtonBinding::CommandButtonBinding(CommandButton& button, QPushButton* widget,
                                           BoundWidgets& boundWidgets)
    : ControlBinding(button, widget, boundWidgets), button_(button), widget_(widget),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), widget, nullptr, nullptr, Qt::WindowShortcut)) {
    // Only the button the form makes the default takes Enter: Qt would otherwise hand it to whichever
    // button last had the focus.
    widget_->setAutoDefault(false);
    connect(widget_, &QPushButton::clicked, this, [this] { button_.Press(); });
    connect(escape_, &QShortcut::activated, this, [this] { button_.Press(); });
    Repaint();
}

void CommandButtonBinding::Repaint() {
    ControlBinding::Repaint();
    widget_->setText(QString::fromStdString(button_.Caption()));
    widget_->setDefault(button_.IsDefault());
    escape_->setEnabled(button_.IsCancel());
}

} // namespace tavrik

#include "desktop/StatusBarBinding.h"

namespace tavrik {

StatusBarBinding::StatusBarBinding(StatusBar& statusBar, QStatusBar* widget, BoundWidgets& boundWidgets)
    : ControlBinding(statusBar, widget, boundWidgets), statusBar_(statusBar), widget_(widget) {
    Repaint();
}

void StatusBarBinding::Repaint() {
    ControlBinding::Repaint();
    const std::vector<std::string>& texts = statusBar_.Panels();
    // Panels are only ever added to the model, so the labels only ever grow.
    while (panels_.size() < texts.size()) {
        auto* panel = new QLabel(widget_);
        panel->setTextFormat(Qt::PlainText);
        widget_->addWidget(panel, 1);
        panels_.push_back(panel);
    }
    for (std::size_t index = 0; index < texts.size(); ++index)
        panels_[index]->setText(QString::fromStdString(texts[index]));
}

} // namespace tavrik

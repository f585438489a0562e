#include "desktop/LabelBinding.h"

namespace tavrik {

LabelBinding::LabelBinding(Label& label, QLabel* widget, BoundWidgets& boundWidgets)
    : ControlBinding(label, widget, boundWidgets), label_(label), widget_(widget) {
    widget_->setTextFormat(Qt::PlainText);
    Repaint();
}

QLabel* LabelBinding::NewBound(Label& label, BoundWidgets& boundWidgets, QWidget* parent) {
    auto* widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(label.Name()));
    new LabelBinding(label, widget, boundWidgets);
    return widget;
}

QLabel* LabelBinding::AsValueBox(QLabel* widget, Qt::Alignment alignment) {
    widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    widget->setAlignment(alignment);
    return widget;
}

void LabelBinding::Repaint() {
    ControlBinding::Repaint();
    // A label paints no background of its own, so the error colour needs the fill.
    widget_->setAutoFillBackground(label_.Color() == FieldColor::Error);
    widget_->setText(QString::fromStdString(label_.Caption()));
}

} // namespace tavrik

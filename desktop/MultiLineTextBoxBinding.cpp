#include "desktop/MultiLineTextBoxBinding.h"

#include <QTextCursor>

namespace tavrik {

MultiLineTextBoxBinding::MultiLineTextBoxBinding(TextBox& textBox, ModelPlainTextEdit* widget,
                                                 BoundWidgets& boundWidgets)
    : TextInputBinding(textBox, widget, widget->Events(), boundWidgets), widget_(widget) {
    // The widget also says so when the model's text is shown; only its own edits differ from it.
    connect(widget_, &QPlainTextEdit::textChanged, this, [this] {
        if (WidgetText() != QString::fromStdString(textBox_.Text()))
            TakeWidgetText();
    });
    Repaint();
}

void MultiLineTextBoxBinding::SetCaret(int position) {
    QTextCursor cursor = widget_->textCursor();
    cursor.setPosition(position);
    widget_->setTextCursor(cursor);
}

void MultiLineTextBoxBinding::Repaint() {
    ControlBinding::Repaint();
    widget_->setReadOnly(textBox_.Locked());
    const QString text = QString::fromStdString(textBox_.Text());
    if (WidgetText() != text)
        widget_->setPlainText(text);
}

} // namespace tavrik

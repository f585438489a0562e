#include "desktop/TextBoxBinding.h"

#include <algorithm>

namespace tavrik {
namespace {

// QLineEdit's own limit, which stands for "no limit".
constexpr std::size_t kUnlimitedLength = 32767;

} // namespace

TextBoxBinding::TextBoxBinding(TextBox& textBox, ModelLineEdit* widget, BoundWidgets& boundWidgets)
    : TextInputBinding(textBox, widget, widget->Events(), boundWidgets), widget_(widget) {
    connect(widget_, &QLineEdit::textEdited, this, [this] { TakeWidgetText(); });
    Repaint();
}

int TextBoxBinding::SelectionStart() const {
    return widget_->hasSelectedText() ? widget_->selectionStart() : widget_->cursorPosition();
}

int TextBoxBinding::SelectionEnd() const {
    return widget_->hasSelectedText() ? widget_->selectionEnd() : widget_->cursorPosition();
}

void TextBoxBinding::Repaint() {
    ControlBinding::Repaint();
    const QString text = QString::fromStdString(textBox_.Text());
    // The model limits characters and the widget UTF-16 units, of which a character may take two;
    // typing and pastes are the model's, so the widget's limit only has to hold the model's text.
    const std::size_t maxLength = textBox_.MaxLength();
    const std::size_t limit = maxLength == 0 || maxLength > kUnlimitedLength ? kUnlimitedLength : maxLength;
    widget_->setMaxLength(static_cast<int>(std::max(limit, static_cast<std::size_t>(text.size()))));
    widget_->setReadOnly(textBox_.Locked());
    // Setting the same text again would only move the cursor to the end.
    if (widget_->text() != text)
        widget_->setText(text);
}

} // namespace tavrik

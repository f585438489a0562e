#include "desktop/TextBoxBinding.h"

namespace tavrik {
namespace {

// QLineEdit's own limit, which stands for "no limit".
constexpr std::size_t kUnlimitedLength = 32767;

} // namespace

TextBoxBinding::TextBoxBinding(TextBox& textBox, ModelLineEdit* widget, BoundWidgets& boundWidgets)
    : ControlBinding(textBox, widget, boundWidgets), textBox_(textBox), widget_(widget) {
    // After each write the widget is repainted even when the model did not change: the model may
    // have refused the edit, or cut or upper-cased it to the text it already held.
    connect(widget_, &ModelLineEdit::characterTyped, this, [this](char key) {
        const bool selected = widget_->hasSelectedText();
        const int start = selected ? widget_->selectionStart() : widget_->cursorPosition();
        const int length = selected ? static_cast<int>(widget_->selectedText().size()) : 0;
        const std::size_t caret =
            textBox_.Type(key, static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        Repaint();
        widget_->setCursorPosition(static_cast<int>(caret));
    });
    connect(widget_, &QLineEdit::textEdited, this, [this](const QString& text) {
        textBox_.SetText(text.toStdString());
        Repaint();
    });
    connect(widget_, &ModelLineEdit::keyDown, this,
            [this](int keyCode, int shift) { textBox_.KeyDown.Raise(keyCode, shift); });
    connect(widget_, &ModelLineEdit::keyUp, this,
            [this](int keyCode, int shift) { textBox_.KeyUp.Raise(keyCode, shift); });
    connect(widget_, &ModelLineEdit::mouseDown, this,
            [this](int button) { textBox_.MouseDown.Raise(button); });
    connect(widget_, &ModelLineEdit::mouseUp, this, [this](int button) { textBox_.MouseUp.Raise(button); });
    connect(widget_, &ModelLineEdit::focusLost, this, [this] { textBox_.LostFocus.Raise(); });
    Repaint();
}

void TextBoxBinding::Repaint() {
    ControlBinding::Repaint();
    const std::size_t maxLength = textBox_.MaxLength();
    widget_->setMaxLength(
        static_cast<int>(maxLength == 0 || maxLength > kUnlimitedLength ? kUnlimitedLength : maxLength));
    widget_->setReadOnly(textBox_.Locked());
    const QString text = QString::fromStdString(textBox_.Text());
    // Setting the same text again would only move the cursor to the end.
    if (widget_->text() != text)
        widget_->setText(text);
}

} // namespace tavrik

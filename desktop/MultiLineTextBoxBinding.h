// Binds a text box model to a ModelPlainTextEdit, for a text box of several lines: typing and
// pastes go through the model, other edits are written as the new text, and the widget always shows
// the model's text. Lines are broken by "\n", as the widget breaks them.
#pragma once

#include "desktop/ModelPlainTextEdit.h"
#include "desktop/TextInputBinding.h"

namespace tavrik {

class MultiLineTextBoxBinding : public TextInputBinding {
    Q_OBJECT

public:
    MultiLineTextBoxBinding(TextBox& textBox, ModelPlainTextEdit* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;
    QString WidgetText() const override { return widget_->toPlainText(); }
    int SelectionStart() const override { return widget_->textCursor().selectionStart(); }
    int SelectionEnd() const override { return widget_->textCursor().selectionEnd(); }
    void SetCaret(int position) override;

private:
    ModelPlainTextEdit* widget_;
};

} // namespace tavrik

// Binds a text box model to a ModelLineEdit: typing and pastes go through the model, other edits
// are written as the new text, and the widget always shows the model's text.
#pragma once

#include "desktop/ModelLineEdit.h"
#include "desktop/TextInputBinding.h"

namespace tavrik {

class TextBoxBinding : public TextInputBinding {
    Q_OBJECT

public:
    TextBoxBinding(TextBox& textBox, ModelLineEdit* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;
    QString WidgetText() const override { return widget_->text(); }
    int SelectionStart() const override;
    int SelectionEnd() const override;
    void SetCaret(int position) override { widget_->setCursorPosition(position); }

private:
    ModelLineEdit* widget_;
};

} // namespace tavrik

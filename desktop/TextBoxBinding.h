// Binds a text box model to a ModelLineEdit: typing goes through the model's key press, pastes and
// other edits are written as the new text, and the widget always shows the model's text.
#pragma once

#include "common/TextBox.h"
#include "desktop/ControlBinding.h"
#include "desktop/ModelLineEdit.h"

namespace tavrik {

class TextBoxBinding : public ControlBinding {
    Q_OBJECT

public:
    TextBoxBinding(TextBox& textBox, ModelLineEdit* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    TextBox& textBox_;
    ModelLineEdit* widget_;
};

} // namespace tavrik

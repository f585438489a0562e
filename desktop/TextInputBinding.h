// What the bindings of a text box model to a line edit and to a multi-line edit share: typed
// characters and pastes go through the model at the widget's caret, and other edits are written as
// the new text. Qt counts positions in UTF-16 units, the model in characters: a character outside
// the basic plane is two units in the widget and one character in the model.
#pragma once

#include "common/TextBox.h"
#include "desktop/ControlBinding.h"
#include "desktop/TextInputEvents.h"

#include <QString>

#include <cstddef>

namespace tavrik {

class TextInputBinding : public ControlBinding {
    Q_OBJECT

protected:
    TextInputBinding(TextBox& textBox, QWidget* widget, TextInputEvents& events, BoundWidgets& boundWidgets);

    // The widget's text and its selection (start and end equal at the caret), in UTF-16 positions.
    virtual QString WidgetText() const = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionEnd() const = 0;
    virtual void SetCaret(int position) = 0;
    // The widget changed its text by itself: the model takes the new text.
    void TakeWidgetText();

    TextBox& textBox_;

private:
    void Typed(char32_t key);
    void Pasted(const QString& text);
    // After a write the widget is repainted even when the model did not change: the model may have
    // refused the edit, or cut or upper-cased it to the text it already held.
    void ShowCaret(std::size_t caret);
};

} // namespace tavrik

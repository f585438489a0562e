#include "desktop/TextInputBinding.h"

namespace tavrik {
namespace {

bool IsPairAt(const QString& text, int at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
}

// How many characters come before a UTF-16 position.
std::size_t CharacterPosition(const QString& text, int position) {
    std::size_t characters = 0;
    for (int at = 0; at < position && at < text.size(); at += IsPairAt(text, at) ? 2 : 1)
        ++characters;
    return characters;
}

// The UTF-16 position after that many characters.
int Utf16Position(const QString& text, std::size_t characters) {
    int at = 0;
    for (; characters > 0 && at < text.size(); --characters)
        at += IsPairAt(text, at) ? 2 : 1;
    return at;
}

} // namespace

TextInputBinding::TextInputBinding(TextBox& textBox, QWidget* widget, TextInputEvents& events,
                                   BoundWidgets& boundWidgets)
    : ControlBinding(textBox, widget, boundWidgets), textBox_(textBox) {
    connect(&events, &TextInputEvents::characterTyped, this, &TextInputBinding::Typed);
    connect(&events, &TextInputEvents::textPasted, this, &TextInputBinding::Pasted);
    connect(&events, &TextInputEvents::keyDown, this,
            [this](int keyCode, int shift) { textBox_.KeyDown.Raise(keyCode, shift); });
    connect(&events, &TextInputEvents::keyUp, this,
            [this](int keyCode, int shift) { textBox_.KeyUp.Raise(keyCode, shift); });
    connect(&events, &TextInputEvents::mouseDown, this,
            [this](int button) { textBox_.MouseDown.Raise(button); });
    connect(&events, &TextInputEvents::mouseUp, this, [this](int button) { textBox_.MouseUp.Raise(button); });
    connect(&events, &TextInputEvents::focusLost, this, [this] { textBox_.LostFocus.Raise(); });
}

void TextInputBinding::Typed(char32_t key) {
    const QString text = WidgetText();
    const std::size_t start = CharacterPosition(text, SelectionStart());
    const std::size_t end = CharacterPosition(text, SelectionEnd());
    ShowCaret(textBox_.Type(key, start, end - start));
}

void TextInputBinding::Pasted(const QString& pasted) {
    const QString text = WidgetText();
    const std::size_t start = CharacterPosition(text, SelectionStart());
    const std::size_t end = CharacterPosition(text, SelectionEnd());
    ShowCaret(textBox_.Paste(pasted.toStdString(), start, end - start));
}

void TextInputBinding::ShowCaret(std::size_t caret) {
    Repaint();
    SetCaret(Utf16Position(WidgetText(), caret));
}

void TextInputBinding::TakeWidgetText() {
    textBox_.SetText(WidgetText().toStdString());
    Repaint();
}

} // namespace tavrik

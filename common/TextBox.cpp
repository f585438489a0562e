#include "common/TextBox.h"

#include "common/TextUtil.h"

namespace tavrik {

void TextBox::SetText(std::string text) {
    if (upperCase_)
        text = ToUpper(text);
    if (maxLength_ != 0 && text.size() > maxLength_)
        text.resize(maxLength_);
    if (text == text_)
        return;
    text_ = std::move(text);
    StateChanged.Raise();
    Change.Raise();
}

void TextBox::Type(char key) {
    if (!Enabled() || locked_)
        return;
    int code = static_cast<unsigned char>(key);
    KeyPress.Raise(code);
    if (code == 0)
        return;
    if (code == kKeyBackspace) {
        if (!text_.empty())
            SetText(text_.substr(0, text_.size() - 1));
        return;
    }
    SetText(text_ + static_cast<char>(code));
}

void TextBox::TypeText(std::string_view text) {
    for (char key : text)
        Type(key);
}

} // namespace tavrik

#include "common/TextBox.h"

#include "common/TextUtil.h"

#include <algorithm>

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

std::size_t TextBox::Type(char key, std::size_t selectionStart, std::size_t selectionLength) {
    std::size_t start = std::min(selectionStart, text_.size());
    std::size_t length = std::min(selectionLength, text_.size() - start);
    if (!Enabled() || locked_)
        return start;
    int code = static_cast<unsigned char>(key);
    KeyPress.Raise(code);
    if (code == 0)
        return start;
    std::string text = text_;
    if (code == kKeyBackspace) {
        if (length == 0) {
            if (start == 0)
                return 0;
            --start;
            length = 1;
        }
        text.erase(start, length);
        SetText(std::move(text));
        return std::min(start, text_.size());
    }
    text.replace(start, length, 1, static_cast<char>(code));
    SetText(std::move(text));
    return std::min(start + 1, text_.size());
}

void TextBox::TypeText(std::string_view text) {
    for (char key : text)
        Type(key);
}

} // namespace tavrik

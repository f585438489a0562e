#include "common/TextBox.h"

#include "common/TextUtil.h"
#include "common/Utf8.h"

#include <algorithm>

namespace tavrik {

void TextBox::SetText(std::string text) {
    if (upperCase_)
        text = ToUpper(text);
    if (maxLength_ != 0)
        text.resize(Utf8::ByteOffset(text, maxLength_));
    if (text == text_)
        return;
    text_ = std::move(text);
    StateChanged.Raise();
    Change.Raise();
}

std::size_t TextBox::Type(char32_t key, std::size_t selectionStart, std::size_t selectionLength) {
    const std::size_t length = Utf8::Length(text_);
    std::size_t start = std::min(selectionStart, length);
    std::size_t count = std::min(selectionLength, length - start);
    if (!Enabled() || locked_)
        return start;
    int code = static_cast<int>(key);
    KeyPress.Raise(code);
    if (code == 0)
        return start;
    if (code == kKeyBackspace) {
        if (count == 0) {
            if (start == 0)
                return 0;
            --start;
            count = 1;
        }
        Replace(start, count, "");
        return std::min(start, Utf8::Length(text_));
    }
    const std::string character = Utf8::Encode(static_cast<char32_t>(code));
    if (character.empty())
        return start;
    Replace(start, count, character);
    return std::min(start + 1, Utf8::Length(text_));
}

void TextBox::Type(char32_t key) {
    Type(key, Utf8::Length(text_), 0);
}

void TextBox::TypeText(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();)
        Type(Utf8::Decode(text, offset));
}

std::size_t TextBox::Paste(std::string_view text, std::size_t selectionStart, std::size_t selectionLength) {
    const std::size_t length = Utf8::Length(text_);
    const std::size_t start = std::min(selectionStart, length);
    const std::size_t count = std::min(selectionLength, length - start);
    if (!Enabled() || locked_)
        return start;
    std::string_view pasted = text;
    if (maxLength_ != 0)
        pasted = Utf8::Left(text, maxLength_ > length - count ? maxLength_ - (length - count) : 0);
    Replace(start, count, pasted);
    return std::min(start + Utf8::Length(pasted), Utf8::Length(text_));
}

void TextBox::Replace(std::size_t start, std::size_t count, std::string_view replacement) {
    std::string text = text_;
    const std::size_t from = Utf8::ByteOffset(text, start);
    const std::size_t to = from + Utf8::ByteOffset(std::string_view(text).substr(from), count);
    text.replace(from, to - from, replacement);
    SetText(std::move(text));
}

} // namespace tavrik

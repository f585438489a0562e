// A text box: text, maximum length, locking and upper-casing, and the key, mouse and change events
// a form handles. The text is UTF-8; keys, lengths and caret positions count characters. The view
// reports typing through Type (which runs KeyPress first), a paste through Paste and any other
// change of the text (a cut, say) through SetText.
#pragma once

#include "common/Control.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrik {

// Key codes and shift state as the forms test them.
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kShiftMask = 1;

class TextBox : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Sets the text (cut to the maximum length, between two characters) and raises Change when it
    // differs.
    void SetText(std::string text);
    std::size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(std::size_t maxLength) { Assign(maxLength_, maxLength); }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { Assign(locked_, locked); }
    bool UpperCase() const { return upperCase_; }
    void SetUpperCase(bool upperCase) { Assign(upperCase_, upperCase); }

    // One typed character (a code point) at the caret, replacing the selected characters: KeyPress
    // may change the key or cancel it (key 0); backspace removes the selection or the character
    // before the caret. Answers where the caret is afterwards.
    std::size_t Type(char32_t key, std::size_t selectionStart, std::size_t selectionLength);
    // Typing at the end of the text.
    void Type(char32_t key);
    // Types each character of the UTF-8 text at the end.
    void TypeText(std::string_view text);
    // Pasted text at the caret, replacing the selected characters; only as many characters as the
    // maximum length leaves room for are taken. Answers where the caret is afterwards.
    std::size_t Paste(std::string_view text, std::size_t selectionStart, std::size_t selectionLength);

    Event<> Change;
    Event<int&> KeyPress;
    Event<int, int> KeyDown; // key code, shift state
    Event<int, int> KeyUp;
    Event<int> MouseDown; // button
    Event<int> MouseUp;
    Event<> LostFocus;

private:
    // Replaces count characters from start and sets the result as the text.
    void Replace(std::size_t start, std::size_t count, std::string_view replacement);

    std::string text_;
    std::size_t maxLength_ = 0; // 0: no limit
    bool locked_ = false;
    bool upperCase_ = false;
};

} // namespace tavrik

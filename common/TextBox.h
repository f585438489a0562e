// A text box: text, maximum length, locking and upper-casing, and the key, mouse and change events
// a form handles. The view reports typing through Type (which runs KeyPress first) and any other
// change of the text (a paste, say) through SetText.
#pragma once

#include "common/Control.h"

#include <cstddef>

namespace tavrik {

// Key codes and shift state as the forms test them.
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kShiftMask = 1;

class TextBox : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Sets the text (cut to the maximum length) and raises Change when it differs.
    void SetText(std::string text);
    std::size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(std::size_t maxLength) { Assign(maxLength_, maxLength); }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { Assign(locked_, locked); }
    bool UpperCase() const { return upperCase_; }
    void SetUpperCase(bool upperCase) { Assign(upperCase_, upperCase); }

    // One typed character at the caret, replacing the selected characters: KeyPress may change the
    // key or cancel it (key 0); backspace removes the selection or the character before the caret.
    // Answers where the caret is afterwards.
    std::size_t Type(char key, std::size_t selectionStart, std::size_t selectionLength);
    // Typing at the end of the text.
    void Type(char key) { Type(key, text_.size(), 0); }
    void TypeText(std::string_view text);

    Event<> Change;
    Event<int&> KeyPress;
    Event<int, int> KeyDown; // key code, shift state
    Event<int, int> KeyUp;
    Event<int> MouseDown; // button
    Event<int> MouseUp;
    Event<> LostFocus;

private:
    std::string text_;
    std::size_t maxLength_ = 0; // 0: no limit
    bool locked_ = false;
    bool upperCase_ = false;
};

} // namespace tavrik

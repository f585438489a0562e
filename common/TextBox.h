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

    // One typed character: KeyPress may change the key or cancel it (key 0); what is left is
    // appended (backspace removes the last character).
    void Type(char key);
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

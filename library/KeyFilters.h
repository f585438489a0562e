// Which typed keys the entry boxes take: digits only, letters and digits only, or an amount of money;
// and the character tests the document-number rules share with them.
#pragma once

#include <string_view>

namespace tavrik {

class KeyFilters {
public:
    // Keys below a blank (backspace, enter, ...) edit the box rather than add to it.
    static bool IsControl(int key) { return key >= 0 && key < ' '; }
    static bool IsDigit(int key) { return key >= '0' && key <= '9'; }
    // ASCII letters only: what the back office can store in its key fields.
    static bool IsLetter(int key) { return (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z'); }

    // Each answers whether key may be typed; control keys always may.
    static bool Numeric(int key);
    static bool AlphaNumeric(int key);
    // text is what the box holds before the key: one ".", and "$" only as the first character.
    static bool Currency(std::string_view text, int key);
};

} // namespace tavrik

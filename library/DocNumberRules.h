// What may be typed or pasted as a document number, by the kind of document: check numbers are
// letters and digits, plans and alerts digits, and account and receipt numbers seven digits, a "-"
// and their check digit (the Open Account dialog completes both so).
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

class DocNumberRules {
public:
    enum class Kind { CheckNumber, DigitsOnly, AccountNumber };

    static constexpr std::size_t kCheckNumberLength = 20;

    // The kind for a type's description in code table REFDOCTYP ("CHECK NUMBER", "ALERT", ...).
    static Kind KindOf(std::string_view typeDescription);
    // Whether number is a valid, or a validly begun, number of that kind; message says why not.
    // A wrong check digit is refused without naming the right one.
    static bool Validate(Kind kind, std::string_view number, std::string& message);
    // Whether key may be typed after text; letters of a check number are upper-cased in key.
    // Control keys (below a blank) always may.
    static bool AllowKey(Kind kind, std::string_view text, int& key);
};

} // namespace tavrik

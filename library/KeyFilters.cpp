#include "library/KeyFilters.h"

namespace tavrik {

bool KeyFilters::Numeric(int key) {
    return IsControl(key) || IsDigit(key);
}

bool KeyFilters::AlphaNumeric(int key) {
    return IsControl(key) || IsDigit(key) || IsLetter(key);
}

bool KeyFilters::Currency(std::string_view text, int key) {
    if (key == '.')
        return text.find('.') == std::string_view::npos;
    if (key == '$')
        return text.empty();
    return IsControl(key) || IsDigit(key) || key == ',';
}

} // namespace tavrik

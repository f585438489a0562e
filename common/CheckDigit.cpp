#include "common/CheckDigit.h"

#include "common/TextUtil.h"

namespace tavrik {

std::optional<int> ComputeCheckDigit(std::string_view sevenDigits) {
    if (sevenDigits.size() != 7 || !IsAllDigits(sevenDigits))
        return std::nullopt;
    // Luhn: from the rightmost digit leftwards, every first, third, ... digit is doubled.
    int sum = 0;
    bool doubled = true;
    for (auto it = sevenDigits.rbegin(); it != sevenDigits.rend(); ++it) {
        int digit = *it - '0';
        if (doubled) {
            digit *= 2;
            if (digit > 9)
                digit -= 9;
        }
        sum += digit;
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}

} // namespace tavrik

// Account, receipt and form numbers with their check digits: the check digit is the Luhn digit, a
// number reads back from its seven-digit form, and the back office refuses a bad number only with a
// clerk's sentence.
#include "backoffice/RequestError.h"
#include "backoffice/RequireFormNumber.h"
#include "common/CheckDigit.h"
#include "common/SevenDigits.h"
#include "fuzz/Require.h"

#include <cstddef>
#include <cstdint>
#include <string>

using tavrik::Require;

namespace {

// Written apart from the product's own, so that the two can disagree.
bool LuhnValid(const std::string& digits) {
    int sum = 0;
    bool twice = false;
    for (auto at = digits.rbegin(); at != digits.rend(); ++at) {
        int digit = *at - '0';
        if (twice) {
            digit *= 2;
            if (digit > 9)
                digit -= 9;
        }
        sum += digit;
        twice = !twice;
    }
    return sum % 10 == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const std::optional<int> digit = tavrik::ComputeCheckDigit(text)) {
        Require(*digit >= 0 && *digit <= 9, "a check digit is one digit");
        Require(LuhnValid(text + static_cast<char>('0' + *digit)), "the check digit completes a Luhn number");
    }

    if (const std::optional<std::int64_t> number = tavrik::ParseSevenDigits(text)) {
        Require(*number >= 0 && *number <= 9999999, "seven digits hold at most 9999999");
        Require(tavrik::ParseSevenDigits(tavrik::SevenDigits(*number)) == number,
                "SevenDigits reads back as the number");
    }

    try {
        const std::int64_t number = tavrik::RequireFormNumber(text, "receipt number");
        Require(number >= 0 && number <= 9999999, "a form number has at most seven digits");
        const std::string seven = tavrik::SevenDigits(number);
        const std::optional<int> digit = tavrik::ComputeCheckDigit(seven);
        Require(digit.has_value(), "an accepted number has a check digit");
        Require(tavrik::RequireFormNumber(seven + "-" + static_cast<char>('0' + *digit), "receipt number") ==
                    number,
                "the number with its own check digit is accepted as itself");
    } catch (const tavrik::RequestError&) {
        // A refusal with a sentence is what a bad number must get; anything else escapes and crashes.
    }
    return 0;
}

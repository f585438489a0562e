#include "backoffice/RequireFormNumber.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/CheckDigit.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"

#include <charconv>
#include <optional>

namespace tavrik {

namespace {

struct FormNumber {
    std::int64_t number = 0;
    std::optional<int> checkDigit;
};

std::int64_t ToNumber(std::string_view digits) {
    std::int64_t number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

std::optional<FormNumber> ParseFormNumber(std::string_view text) {
    std::size_t dash = text.find('-');
    if (dash != std::string_view::npos) {
        std::string_view digits = text.substr(0, dash);
        std::string_view check = text.substr(dash + 1);
        if (digits.size() > 7 || !IsAllDigits(digits) || check.size() != 1 || !IsAllDigits(check))
            return std::nullopt;
        return FormNumber{ToNumber(digits), check[0] - '0'};
    }
    if (text.size() > 8 || !IsAllDigits(text))
        return std::nullopt;
    if (text.size() == 8)
        return FormNumber{ToNumber(text.substr(0, 7)), text[7] - '0'};
    return FormNumber{ToNumber(text), std::nullopt};
}

} // namespace

std::int64_t RequireFormNumber(const std::string& text, std::string_view what) {
    std::optional<FormNumber> parsed = ParseFormNumber(text);
    if (!parsed)
        throw RequestError(RefusalTexts::FormNumberNotValid(what, text));
    if (parsed->checkDigit && parsed->checkDigit != ComputeCheckDigit(SevenDigits(parsed->number)))
        throw RequestError(RefusalTexts::WrongFormCheckDigit(what, SevenDigits(parsed->number) + "-" +
                                                                       std::to_string(*parsed->checkDigit)));
    return parsed->number;
}

} // namespace tavrik

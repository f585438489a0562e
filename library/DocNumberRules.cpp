#include "library/DocNumberRules.h"

#include "common/CheckDigit.h"
#include "common/TextUtil.h"
#include "common/Utf8.h"
#include "library/KeyFilters.h"

namespace tavrik {

namespace {

constexpr std::size_t kAccountDigits = 7;
constexpr const char* kAccountShapeMessage =
    "Account Number must be seven digits, a \"-\" and one check digit";

// Up to seven digits; or seven digits and "-"; or seven digits, "-" and one digit.
bool HasAccountShape(std::string_view number) {
    const std::string_view digits = number.substr(0, std::min(number.size(), kAccountDigits));
    if (!digits.empty() && !IsAllDigits(digits))
        return false;
    if (number.size() <= kAccountDigits)
        return true;
    if (number[kAccountDigits] != '-')
        return false;
    const std::string_view check = number.substr(kAccountDigits + 1);
    return check.empty() || (check.size() == 1 && KeyFilters::IsDigit(check[0]));
}

} // namespace

DocNumberRules::Kind DocNumberRules::KindOf(std::string_view typeDescription) {
    const std::string description = ToUpper(Trim(typeDescription));
    if (description == "CHECK NUMBER")
        return Kind::CheckNumber;
    if (description == "PAYMENT PLAN" || description == "ALERT")
        return Kind::DigitsOnly;
    return Kind::AccountNumber;
}

bool DocNumberRules::Validate(Kind kind, std::string_view number, std::string& message) {
    message.clear();
    switch (kind) {
    case Kind::CheckNumber:
        if (!number.empty() && !IsAlphaNumeric(number))
            message = "Only AlphaNumeric is allowed";
        else if (number.size() > kCheckNumberLength)
            message = "Check Number must be at most 20 characters";
        break;
    case Kind::DigitsOnly:
        if (!number.empty() && !IsAllDigits(number))
            message = "Only numeric is allowed";
        break;
    case Kind::AccountNumber:
        if (!HasAccountShape(number))
            message = kAccountShapeMessage;
        else if (number.size() == kAccountDigits + 2 &&
                 ComputeCheckDigit(number.substr(0, kAccountDigits)) != number.back() - '0')
            message = "Account Number check digit is invalid";
        break;
    }
    return message.empty();
}

bool DocNumberRules::AllowKey(Kind kind, std::string_view text, int& key) {
    if (KeyFilters::IsControl(key))
        return true;
    bool allowed = false;
    switch (kind) {
    case Kind::CheckNumber:
        allowed = KeyFilters::AlphaNumeric(key) && Utf8::Length(text) < kCheckNumberLength;
        if (allowed && key >= 'a' && key <= 'z')
            key = key - 'a' + 'A';
        break;
    case Kind::DigitsOnly:
        allowed = KeyFilters::Numeric(key);
        break;
    case Kind::AccountNumber:
        // The shape only: a wrong check digit is caught on OK, so typing cannot probe for the right one.
        allowed = (KeyFilters::IsDigit(key) || key == '-') &&
                  HasAccountShape(std::string(text) + static_cast<char>(key));
        break;
    }
    if (!allowed)
        key = 0;
    return allowed;
}

} // namespace tavrik

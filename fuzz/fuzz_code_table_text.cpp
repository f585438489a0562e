// What forms put into code-table queries and entry boxes: the Jet date literals of a query, and the
// keys the number boxes let through. A translated query translates to itself again, and text typed
// only with keys a box let through is a number that box's rules accept as begun.
#include "common/CalendarDate.h"
#include "fuzz/Require.h"
#include "library/DocNumberRules.h"
#include "library/JetDateLiterals.h"
#include "library/KeyFilters.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

using namespace tavrik;

namespace {

void TranslateQuery(const std::string& query) {
    static const CalendarDate today = *CalendarDate::FromYmd(2024, 3, 1);
    std::string once;
    try {
        once = TranslateJetDateLiterals(query, today);
    } catch (const std::runtime_error&) {
        return;
    }
    Require(TranslateJetDateLiterals(once, today) == once,
            "a translated query has nothing left to translate");
}

void TypeNumber(DocNumberRules::Kind kind, const std::string& keys) {
    std::string text;
    for (char typed : keys) {
        int key = static_cast<unsigned char>(typed);
        if (KeyFilters::IsControl(key))
            continue;
        if (DocNumberRules::AllowKey(kind, text, key))
            text += static_cast<char>(key);
        else
            Require(key == 0, "a refused key is cleared");
    }
    std::string message;
    const bool valid = DocNumberRules::Validate(kind, text, message);
    Require(valid == message.empty(), "a refused number says why, an accepted one does not");
    // Typing cannot probe for the right check digit, so only a wrong one may be left for OK to catch.
    Require(valid || (kind == DocNumberRules::Kind::AccountNumber &&
                      message == "Account Number check digit is invalid"),
            "text typed with the keys a box let through is a validly begun number");
}

void TypeAmount(const std::string& keys) {
    std::string text;
    for (char typed : keys) {
        const int key = static_cast<unsigned char>(typed);
        if (!KeyFilters::IsControl(key) && KeyFilters::Currency(text, key))
            text += typed;
    }
    Require(text.find('.') == text.rfind('.'), "an amount box takes one decimal point");
    Require(text.find('$', 1) == std::string::npos, "an amount box takes a dollar sign only first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0:
        TranslateQuery(input.ConsumeRemainingBytesAsString());
        break;
    case 1:
        TypeNumber(DocNumberRules::Kind::CheckNumber, input.ConsumeRemainingBytesAsString());
        break;
    case 2:
        TypeNumber(DocNumberRules::Kind::DigitsOnly, input.ConsumeRemainingBytesAsString());
        break;
    case 3:
        TypeNumber(DocNumberRules::KindOf(input.ConsumeRandomLengthString(20)),
                   input.ConsumeRemainingBytesAsString());
        break;
    default:
        TypeAmount(input.ConsumeRemainingBytesAsString());
        break;
    }
    return 0;
}

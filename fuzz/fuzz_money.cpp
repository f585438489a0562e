// Amounts as a clerk types them: whatever Currency::Parse takes must come back from each of its
// own formats as the same amount, rounded to the cent those formats show.
#include "common/Currency.h"
#include "fuzz/Require.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using tavrik::Currency;
using tavrik::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<Currency> amount = Currency::Parse(text);
    if (!amount)
        return 0;
    const Currency cents = amount->RoundedToCents();
    Require(Currency::Parse(amount->FormatPlain()) == cents, "FormatPlain parses back to the amount");
    Require(Currency::Parse(amount->FormatDollars()) == cents, "FormatDollars parses back to the amount");
    Require(Currency::Parse(amount->FormatRegional()) == cents, "FormatRegional parses back to the amount");
    return 0;
}

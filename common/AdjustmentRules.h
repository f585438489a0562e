// What the AR detail form checks before it sends an adjustment and the back office checks again
// when it receives one: the same rule, written once.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrik {

class AdjustmentRules {
public:
    // Numbers above this one are generated forms: voided and corrected, never deleted; locked once
    // voided.
    static constexpr std::int64_t kHighestEnteredForm = 1999999;

    static bool IsGeneratedForm(std::int64_t number) { return number > kHighestEnteredForm; }
    // The licence purchase option fees F01, F09 and F15, in any case.
    static bool IsLpoFee(std::string_view code);
    // The AR types that may be deleted: the enforcement forms ENF001, ENF003, ENF507 (C, M, O) and
    // temporary permits (T).
    static bool IsDeletableType(std::string_view type);
};

} // namespace tavrik

#include "common/AdjustmentRules.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <array>

namespace tavrik {

bool AdjustmentRules::IsLpoFee(std::string_view code) {
    static constexpr std::array<std::string_view, 3> kLpoFees{"F01", "F09", "F15"};
    const std::string upper = ToUpper(code);
    return std::find(kLpoFees.begin(), kLpoFees.end(), upper) != kLpoFees.end();
}

bool AdjustmentRules::IsDeletableType(std::string_view type) {
    static constexpr std::array<std::string_view, 4> kDeletable{"C", "M", "O", "T"};
    return std::find(kDeletable.begin(), kDeletable.end(), type) != kDeletable.end();
}

} // namespace tavrik

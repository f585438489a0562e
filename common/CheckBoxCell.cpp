#include "common/CheckBoxCell.h"

#include "common/TextUtil.h"

namespace tavrik {

bool CheckBoxCell::IsTicked(std::string_view cell) {
    return Trim(cell) == kTicked;
}

} // namespace tavrik

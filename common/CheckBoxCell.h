// The text of a check-box cell: what a tick and a cleared box write, and which texts count as
// ticked. The forms count and the views draw by this one rule, so what the clerk sees ticked is
// what the form counts ticked.
#pragma once

#include <string_view>

namespace tavrik {

class CheckBoxCell {
public:
    static constexpr const char* kTicked = "-1";
    static constexpr const char* kCleared = "0";

    // "-1", blanks around it allowed; anything else, an empty cell included, is not ticked.
    static bool IsTicked(std::string_view cell);
};

} // namespace tavrik

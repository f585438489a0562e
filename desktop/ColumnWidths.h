// How wide a list's shown columns are drawn: each at least as wide as its twips width and as what
// it needs to show (its caption, its values); a list wider than that shares the room left among
// its columns in proportion to their twips widths.
#pragma once

#include <vector>

namespace tavrik {

// designed: the twips widths in pixels; needed: what each column needs, in pixels; available: the
// list's width, or 0 to leave the columns at what they need. Answers the widths, in column order.
std::vector<int> FitColumnWidths(const std::vector<int>& designed, const std::vector<int>& needed,
                                 int available);

} // namespace tavrik

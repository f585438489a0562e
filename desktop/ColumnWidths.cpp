#include "desktop/ColumnWidths.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tavrik {

std::vector<int> FitColumnWidths(const std::vector<int>& designed, const std::vector<int>& needed,
                                 int available) {
    std::vector<int> widths(designed.size());
    for (std::size_t column = 0; column < designed.size(); ++column)
        widths[column] = std::max(designed[column], needed[column]);
    if (std::accumulate(widths.begin(), widths.end(), 0) >= available)
        return widths;

    // Every column grows by one factor of its designed width, except those that already need more
    // than that: they keep what they need and the factor is found again for the others.
    std::vector<bool> keepsNeed(designed.size(), false);
    double factor = 1;
    for (bool settled = false; !settled;) {
        int kept = 0;
        int growing = 0;
        for (std::size_t column = 0; column < designed.size(); ++column) {
            if (keepsNeed[column])
                kept += widths[column];
            else
                growing += designed[column];
        }
        if (growing == 0)
            return widths;
        factor = static_cast<double>(available - kept) / growing;
        settled = true;
        for (std::size_t column = 0; column < designed.size(); ++column)
            if (!keepsNeed[column] && widths[column] > factor * designed[column]) {
                keepsNeed[column] = true;
                settled = false;
            }
    }
    // Rounded down, with the pixels rounding left over given to the last column that grows.
    int used = 0;
    int last = -1;
    for (std::size_t column = 0; column < designed.size(); ++column) {
        if (!keepsNeed[column]) {
            widths[column] = static_cast<int>(std::floor(factor * designed[column]));
            last = static_cast<int>(column);
        }
        used += widths[column];
    }
    if (last >= 0)
        widths[static_cast<std::size_t>(last)] += available - used;
    return widths;
}

} // namespace tavrik

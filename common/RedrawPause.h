// Switches the redrawing of some grids off for the length of a scope, for work that touches many
// cells, and gives each grid back the switch it had: a pause inside another leaves the grids off.
#pragma once

#include "common/SSOleDBGrid.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tavrik {

class RedrawPause {
public:
    RedrawPause(std::initializer_list<std::reference_wrapper<SSOleDBGrid>> grids);
    ~RedrawPause();
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    std::vector<std::pair<SSOleDBGrid*, bool>> paused_;
};

} // namespace tavrik

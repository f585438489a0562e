#include "common/RedrawPause.h"

namespace tavrik {

RedrawPause::RedrawPause(std::initializer_list<std::reference_wrapper<SSOleDBGrid>> grids) {
    for (SSOleDBGrid& grid : grids) {
        paused_.emplace_back(&grid, grid.Redraw());
        grid.SetRedraw(false);
    }
}

RedrawPause::~RedrawPause() {
    for (const auto& [grid, redraw] : paused_)
        grid->SetRedraw(redraw);
}

} // namespace tavrik

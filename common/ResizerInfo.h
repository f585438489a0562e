// What the resizer may do to one control when the document changes size; the document switches
// options off per control before each resize.
#pragma once

namespace tavrik {

struct ResizerInfo {
    // Scale the control's font with the document.
    bool ScaleFont = true;
    // Stretch the control's own size (otherwise it only moves).
    bool ScaleSize = true;
};

} // namespace tavrik

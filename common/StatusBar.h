// A status bar of its own for a dialog: panel texts, written from status events.
#pragma once

#include "common/Control.h"

#include <vector>

namespace tavrik {

class StatusBar : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& Panels() const { return panels_; }
    void SetPanelText(std::size_t panel, std::string text) {
        if (panels_.size() <= panel)
            panels_.resize(panel + 1);
        Assign(panels_[panel], std::move(text));
    }

private:
    std::vector<std::string> panels_;
};

} // namespace tavrik

// A frame: a captioned group of controls, enabled and shown as one.
#pragma once

#include "common/Control.h"

namespace tavrik {

class Frame : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

private:
    std::string caption_;
};

} // namespace tavrik

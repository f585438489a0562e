// A label: a caption the form writes and the view shows.
#pragma once

#include "common/Control.h"

namespace tavrik {

class Label : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

private:
    std::string caption_;
};

} // namespace tavrik

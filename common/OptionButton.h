// An option button: caption and value; Click is raised when the user picks it.
#pragma once

#include "common/Control.h"

namespace tavrik {

class OptionButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
    bool Value() const { return value_; }
    void SetValue(bool value) { Assign(value_, value); }

    void Pick() {
        if (!Enabled())
            return;
        SetValue(true);
        Click.Raise();
    }

    Event<> Click;

private:
    std::string caption_;
    bool value_ = false;
};

} // namespace tavrik

// A command button: caption, the default and cancel roles (Enter and Esc), and its Click event.
#pragma once

#include "common/Control.h"

namespace tavrik {

class CommandButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { Assign(default_, isDefault); }
    bool IsCancel() const { return cancel_; }
    void SetCancel(bool isCancel) { Assign(cancel_, isCancel); }

    // What a press of the button does; a disabled button ignores it.
    void Press() {
        if (Enabled() && Visible())
            Click.Raise();
    }

    Event<> Click;

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace tavrik

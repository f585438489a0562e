#include "library/KovraStatusService.h"

namespace tavrik {

void KovraStatusService::ShowStatus(const std::string& text) {
    status_ = text;
    StatusChanged.Raise(status_);
}

void KovraStatusService::ShowStatusMsg(const std::string& text) {
    statusMsg_ = text;
    StatusMsgChanged.Raise(statusMsg_);
}

void KovraStatusService::SetToolbarButton(int button, bool enabled, const std::string& hostTag) {
    buttons_[{hostTag, button}] = enabled;
    ToolbarButtonChanged.Raise(button, enabled, hostTag);
}

void KovraStatusService::SetReady(bool& ready) {
    ready_ = ready;
}

std::optional<bool> KovraStatusService::ToolbarButtonEnabled(int button, const std::string& hostTag) const {
    auto found = buttons_.find({hostTag, button});
    if (found == buttons_.end())
        return std::nullopt;
    return found->second;
}

} // namespace tavrik

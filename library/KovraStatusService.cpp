#include "library/KovraStatusService.h"

namespace tavrik {

template <class Raise> void KovraStatusService::ForEachStatusObject(Raise raise) {
    std::erase_if(statusObjects_, [](const std::weak_ptr<StatusObject>& object) { return object.expired(); });
    const std::vector<std::weak_ptr<StatusObject>> objects = statusObjects_;
    for (const std::weak_ptr<StatusObject>& object : objects)
        if (std::shared_ptr<StatusObject> held = object.lock())
            raise(*held);
}

void KovraStatusService::ShowStatus(const std::string& text) {
    status_ = text;
    StatusChanged.Raise(status_);
    ForEachStatusObject([&text](StatusObject& object) { object.UpdateStatus.Raise(text); });
}

void KovraStatusService::ShowStatusMsg(const std::string& text) {
    statusMsg_ = text;
    StatusMsgChanged.Raise(statusMsg_);
    ForEachStatusObject([&text](StatusObject& object) { object.UpdateStatusMsg.Raise(text); });
}

std::shared_ptr<StatusObject> KovraStatusService::GetStatusObject() {
    auto object = std::make_shared<StatusObject>();
    statusObjects_.push_back(object);
    return object;
}

void KovraStatusService::SetToolbarButton(int button, bool enabled, const std::string& hostTag) {
    buttons_[{hostTag, button}] = enabled;
    ToolbarButtonChanged.Raise(button, enabled, hostTag);
}

void KovraStatusService::SetReady(bool ready) {
    ready_ = ready;
}

std::optional<bool> KovraStatusService::ToolbarButtonEnabled(int button, const std::string& hostTag) const {
    auto found = buttons_.find({hostTag, button});
    if (found == buttons_.end())
        return std::nullopt;
    return found->second;
}

} // namespace tavrik

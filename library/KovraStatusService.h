// The status bar and host-toolbar service: keeps what the forms last set and raises events for the
// container (and for dialogs with a status bar of their own) to show it.
#pragma once

#include "common/Event.h"
#include "common/StatusService.h"

#include <memory>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavrik {

class KovraStatusService : public StatusService {
public:
    void ShowStatus(const std::string& text) override;
    void ShowStatusMsg(const std::string& text) override;
    void SetToolbarButton(int button, bool enabled, const std::string& hostTag) override;
    void SetReady(bool ready) override;
    std::shared_ptr<StatusObject> GetStatusObject() override;

    const std::string& StatusText() const { return status_; }
    const std::string& StatusMsgText() const { return statusMsg_; }
    // The state last set for the button of that host, or nothing when it was never set.
    std::optional<bool> ToolbarButtonEnabled(int button, const std::string& hostTag) const;
    bool IsReady() const { return ready_; }

    Event<const std::string&> StatusChanged;
    Event<const std::string&> StatusMsgChanged;
    Event<int, bool, const std::string&> ToolbarButtonChanged; // button, enabled, host tag

private:
    template <class Raise> void ForEachStatusObject(Raise raise);

    std::string status_;
    std::string statusMsg_;
    std::map<std::pair<std::string, int>, bool> buttons_; // by host tag and button
    bool ready_ = false;
    std::vector<std::weak_ptr<StatusObject>> statusObjects_;
};

} // namespace tavrik

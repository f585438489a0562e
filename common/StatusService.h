// The status bar and the host's toolbar, as the forms drive them.
#pragma once

#include "common/StatusObject.h"

#include <memory>
#include <string>

namespace tavrik {

class StatusService {
public:
    virtual ~StatusService() = default;

    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowStatusMsg(const std::string& text) = 0;
    // Switches button number of the toolbar of the host window whose tag is hostTag.
    virtual void SetToolbarButton(int button, bool enabled, const std::string& hostTag) = 0;
    // Told true when a form is loaded or a reply arrived, false right after a save was sent.
    virtual void SetReady(bool ready) = 0;
    // A status object that receives every status text from now on, for as long as it is held.
    virtual std::shared_ptr<StatusObject> GetStatusObject() = 0;
};

} // namespace tavrik

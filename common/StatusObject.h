// The status object a dialog with a status bar of its own listens to: every status text and second
// status text the forms show is raised on it too.
#pragma once

#include "common/Event.h"

#include <string>

namespace tavrik {

class StatusObject {
public:
    Event<const std::string&> UpdateStatus;
    Event<const std::string&> UpdateStatusMsg;
};

} // namespace tavrik

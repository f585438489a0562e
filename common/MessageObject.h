// A form's message object: DataReady carries the reply address of every reply (or failure)
// delivered; MsgTimeout is raised when a request got no reply in time.
#pragma once

#include "common/Event.h"

#include <string>

namespace tavrik {

class MessageObject {
public:
    Event<const std::string&> DataReady;
    Event<int> MsgTimeout;
};

} // namespace tavrik

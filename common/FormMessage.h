// A form's message object, obtained from the message service and wired to the form's two handlers
// (moKovraMessage_DataReady and moKovraMessage_MsgTimeout), as every form that talks to the back
// office holds one.
#pragma once

#include "common/MessageObject.h"
#include "common/Session.h"

#include <memory>
#include <string>

namespace tavrik {

template <class F> std::shared_ptr<MessageObject> NewFormMessage(Session& session, F& form) {
    std::shared_ptr<MessageObject> message = session.MessageService.NewMessage();
    message->DataReady.Connect(
        [&form](const std::string& formName) { form.moKovraMessage_DataReady(formName); });
    message->MsgTimeout.Connect([&form](int) { form.moKovraMessage_MsgTimeout(); });
    return message;
}

} // namespace tavrik

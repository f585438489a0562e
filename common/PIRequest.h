// One request to the back office, built by a form and sent through the message service.
#pragma once

#include "common/DataSet.h"
#include "common/MessageService.h"

#include <memory>
#include <string>

namespace tavrik {

class PIRequest {
public:
    // sender is the message object of the form that sends: the one told when the request times out.
    PIRequest(MessageService& service, std::weak_ptr<MessageObject> sender);

    const std::string& MessageID() const { return message_.messageId; }
    void SetFormName(std::string formName) { message_.formName = std::move(formName); }
    void SetAppVersion(std::string appVersion) { message_.appVersion = std::move(appVersion); }
    void SetPINumber(int piNumber) { message_.piNumber = piNumber; }
    void SetUserID(std::string userId) { message_.userId = std::move(userId); }

    void AddKey(std::string name, std::string value, std::string op, std::string system);
    // A selection key as every request of this system sends it: operator "=", system "PENTRAX".
    void AddPentraxKey(std::string name, std::string value) {
        AddKey(std::move(name), std::move(value), "=", "PENTRAX");
    }
    // Adds the data set's current rows (a copy) under the name; throws when it has no recordset.
    void AddDataSet(const std::string& name, const DataSet& dataSet);

    // Sends the request; a request is sent at most once.
    void Send();

private:
    MessageService& service_;
    std::weak_ptr<MessageObject> sender_;
    RequestMessage message_;
    bool sent_ = false;
};

} // namespace tavrik

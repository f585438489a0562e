#include "common/PIRequest.h"

#include <stdexcept>

namespace tavrik {

PIRequest::PIRequest(MessageService& service, std::weak_ptr<MessageObject> sender)
    : service_(service), sender_(std::move(sender)) {
    message_.messageId = service.NewMessageId();
}

void PIRequest::AddKey(std::string name, std::string value, std::string op, std::string system) {
    message_.keys.push_back(RequestKey{std::move(name), std::move(value), std::move(op), std::move(system)});
}

void PIRequest::AddDataSet(const std::string& name, const DataSet& dataSet) {
    if (!dataSet.Recordset())
        throw std::runtime_error("The data set " + name + " has no rows to send.");
    message_.dataSets[name] = dataSet.Recordset()->ToTable();
}

void PIRequest::Send() {
    if (sent_)
        throw std::runtime_error("The request " + message_.messageId + " was already sent.");
    sent_ = true;
    service_.Send(message_, sender_);
}

} // namespace tavrik

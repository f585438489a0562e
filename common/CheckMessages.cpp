#include "common/CheckMessages.h"

#include "common/CommonServices.h"

namespace tavrik {

void CheckMessages::Add(std::string_view message) {
    text_ += message;
    text_ += "\r\n";
}

void CheckMessages::Add(std::string_view message, Control& field) {
    Add(message);
    Mark(field);
}

void CheckMessages::Mark(Control& field) {
    services_.SetErrorColor(field);
}

} // namespace tavrik

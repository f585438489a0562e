#include "backoffice/ReceiptRefusalTexts.h"

#include "backoffice/RequestKeys.h"

namespace tavrik {

namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

} // namespace

std::string ReceiptRefusalTexts::DetailFlag(std::string_view sent) {
    return "The back office answers a receipt's detail only with key:RECEIPT_DETL \"YES\", not " +
           QuotedForError(sent) + ".";
}

std::string ReceiptRefusalTexts::NoSuchReceipt(std::string_view receipt) {
    return "Receipt " + Text(receipt) + " was not found.";
}

} // namespace tavrik

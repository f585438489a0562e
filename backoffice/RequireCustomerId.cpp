#include "backoffice/RequireCustomerId.h"

#include "backoffice/CustomerRefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/TextUtil.h"

namespace tavrik {

namespace {

// Customer ids are letters and digits ("100001", "B3000000"); ten leaves room.
constexpr std::size_t kLongestCustomerId = 10;

} // namespace

std::string RequireCustomerId(const std::string& sent) {
    if (sent.size() > kLongestCustomerId || !IsAlphaNumeric(sent))
        Refuse(CustomerRefusalTexts::CustomerIdNotValid(sent, kLongestCustomerId));
    return ToUpper(sent);
}

} // namespace tavrik

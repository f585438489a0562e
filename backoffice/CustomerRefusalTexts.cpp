#include "backoffice/CustomerRefusalTexts.h"

#include "backoffice/RequestKeys.h"

namespace tavrik {

std::string CustomerRefusalTexts::NotListableType(std::string_view sent) {
    return "A customer's accounts are listed by type C, T, P or A (or receipts with key:CUSTRCPTS), not "
           "by type " +
           QuotedForError(sent) + ".";
}

std::string CustomerRefusalTexts::CustomerIdNotValid(std::string_view sent, std::size_t longest) {
    return "The customer id " + QuotedForError(sent) + " is not valid: it has at most " +
           std::to_string(longest) + " letters and digits.";
}

std::string CustomerRefusalTexts::SearchTooLong(std::size_t mostCharacters, std::size_t mostWords) {
    return "Search for a customer with at most " + std::to_string(mostCharacters) + " characters and " +
           std::to_string(mostWords) + " words.";
}

} // namespace tavrik

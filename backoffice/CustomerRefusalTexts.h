// The sentences the back office refuses a customer's lists and the customer search with, kept in one
// place beside RefusalTexts; anything a client sent is quoted with QuotedForError.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrik {

class CustomerRefusalTexts {
public:
    static std::string NotListableType(std::string_view sent);
    static std::string CustomerIdNotValid(std::string_view sent, std::size_t longest);
    static constexpr std::string_view kNoSearchText =
        "The request lacks the text to search for (key:CUST_SEARCH).";
    static std::string SearchTooLong(std::size_t mostCharacters, std::size_t mostWords);
};

} // namespace tavrik

// Reading a customer id a client sent: letters and digits ("100001", "B3000000"), as the store keeps
// them.
#pragma once

#include <string>

namespace tavrik {

// The id upper-cased. Throws RequestError when it is longer than any customer id or holds anything
// but letters and digits.
std::string RequireCustomerId(const std::string& sent);

} // namespace tavrik

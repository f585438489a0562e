// A libpq connection string, a URI or keyword=value pairs, as a message may show it: never with the
// password it may carry.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The connection string with the value of every password in it written ***.
std::string WithPasswordHidden(std::string_view connectionString);
// A message about the connection (libpq repeats parts of a string it cannot parse) with every
// password that connectionString carries written ***.
std::string WithPasswordHidden(std::string_view message, std::string_view connectionString);

} // namespace tavrik

// The signed-on user: id, number and region, as the library read them at start.
#pragma once

#include <cstdint>
#include <string>

namespace tavrik {

struct SessionInfo {
    std::string UserID;
    std::int64_t UserNumber = 0;
    std::string Region;
};

} // namespace tavrik

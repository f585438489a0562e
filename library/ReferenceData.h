// What the library looks user names and enforcement troops up in, read once from the back office
// at start (request 1003): every user's name by number, and each troop with its districts.
#pragma once

#include "common/ReplyMessage.h"
#include "library/Transport.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace tavrik {

class ReferenceData {
public:
    // Builds from the reply's "APPUSER" and "TROOPDISTRICT" data sets. Throws std::runtime_error with a
    // clear text for an error reply, a missing data set or field, a user without a whole number or a
    // row without a troop. A row with a blank district names a troop that has no districts.
    explicit ReferenceData(const ReplyMessage& reply);

    // Sends the request and waits for its reply; also throws when none comes in time.
    static ReferenceData Load(Transport& transport, const std::string& userId, const std::string& messageId,
                              std::chrono::milliseconds timeout);

    // "" when no user has that number.
    std::string UserName(std::int64_t userNumber) const;
    // Troops and districts compare trimmed and without regard to case; a blank one is never valid.
    bool IsTroop(std::string_view troop) const;
    bool IsTroopDistrict(std::string_view troop, std::string_view district) const;

private:
    std::map<std::int64_t, std::string> userNames_;
    std::set<std::string, std::less<>> troops_;                            // upper-cased
    std::set<std::pair<std::string, std::string>, std::less<>> districts_; // (troop, district), upper-cased
};

} // namespace tavrik

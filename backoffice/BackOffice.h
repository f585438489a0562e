// The stand-in back office: answers requests from its store, each in one transaction.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace tavrik {

class BackOffice {
public:
    // What the back office takes "now" from: the adjustment dates it accepts, the times and stamps of
    // the activity it records. Read as local time; an empty clock is the system clock.
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    virtual ~BackOffice() = default;

    // How long a request waits for another desk's hold on the store before it is refused as busy:
    // long enough for any write of another desk, well short of the clerk's time-out.
    static constexpr std::chrono::milliseconds kBusyWait{10000};

    // Opens the store at location: the path of a SQLite file, or a PostgreSQL connection URI
    // ("postgresql://..."). A SQLite file that does not exist yet is created with the schema and the
    // demo data (one desk's own store); a PostgreSQL database is made into a store on purpose, with
    // CreateDemoStore. A store of the previous version is brought up to date. Throws
    // std::runtime_error with a clear one-line text when the store cannot be used.
    static std::unique_ptr<BackOffice> Open(const std::string& location, Clock clock = {},
                                            std::chrono::milliseconds busyWait = kBusyWait);

    // Creates the schema and the demo data in the empty database at location, and answers the store's
    // name as a clerk's message gives it (never a password). Throws std::runtime_error, having
    // written nothing, when the database holds any table already.
    static std::string CreateDemoStore(const std::string& location);

    // Answers one request. Never throws: every failure becomes the reply's error text. Called from
    // one worker thread at a time.
    virtual ReplyMessage Handle(const RequestMessage& request) = 0;
};

} // namespace tavrik

// The stand-in back office: answers requests from its SQLite store, each in one transaction.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

namespace tavrik {

class BackOffice {
public:
    // What the back office takes "now" from: the adjustment dates it accepts, the times and stamps of
    // the activity it records. Read as local time; an empty clock is the system clock.
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    virtual ~BackOffice() = default;

    // How long a request waits for another desk's write to the store before it is refused as busy:
    // long enough for any write of another desk, well short of the clerk's time-out.
    static constexpr std::chrono::milliseconds kBusyWait{10000};

    // Opens the store in file; a file that does not exist yet is created with the schema and the
    // demo data, and a store of the previous version is brought up to date. Throws
    // std::runtime_error with a clear text when the file cannot be used, or only read.
    static std::unique_ptr<BackOffice> Open(const std::filesystem::path& file, Clock clock = {},
                                            std::chrono::milliseconds busyWait = kBusyWait);

    // Answers one request. Never throws: every failure becomes the reply's error text. Called from
    // one worker thread at a time.
    virtual ReplyMessage Handle(const RequestMessage& request) = 0;
};

} // namespace tavrik

// The stand-in back office: answers requests from its SQLite store, each in one transaction.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"

#include <filesystem>
#include <memory>

namespace tavrik {

class BackOffice {
public:
    virtual ~BackOffice() = default;

    // Opens the store in file; a file that does not exist yet is created with the schema and the
    // demo data. Throws std::runtime_error with a clear text when the file cannot be used.
    static std::unique_ptr<BackOffice> Open(const std::filesystem::path& file);

    // Answers one request. Never throws: every failure becomes the reply's error text. Called from
    // one worker thread at a time.
    virtual ReplyMessage Handle(const RequestMessage& request) = 0;
};

} // namespace tavrik

// The library put together: at start it loads the code tables, the signed-on user and the user names
// and troops from the back office, then owns every service the forms' session is built from.
#pragma once

#include "common/Session.h"
#include "library/CodeTables.h"
#include "library/KovraCommonServices.h"
#include "library/KovraDataSetOpener.h"
#include "library/KovraErrorReporter.h"
#include "library/KovraMessageService.h"
#include "library/KovraStatusService.h"
#include "library/ReferenceData.h"
#include "library/SessionLoader.h"
#include "library/TemplateCache.h"
#include "library/Transport.h"
#include "library/UiDispatcher.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace tavrik {

class KovraLibrary {
public:
    // Waits for the back office's answers to the code-table, user and reference-data requests (not
    // through the dispatcher: no UI loop runs yet); throws std::runtime_error when any fails. timeout is
    // both that wait and the message service's time-out. The print templates are copied into the folder
    // "templates" beside the error log. The transport and dispatcher must outlive the library.
    KovraLibrary(Transport& transport, UiDispatcher& dispatcher, WindowingPlatform& platform,
                 const std::string& userId, std::filesystem::path errorLogPath,
                 std::chrono::milliseconds timeout = KovraMessageService::kDefaultTimeout);
    KovraLibrary(const KovraLibrary&) = delete;
    KovraLibrary& operator=(const KovraLibrary&) = delete;

    // What a Session is built from, with Info().
    SessionServices Services();
    const SessionInfo& Info() const { return session_.info; }

    // For the container: the status texts and toolbar states, and their events.
    KovraStatusService& Status() { return status_; }
    KovraMessageService& Messages() { return messages_; }
    const CodeTables& Codes() const { return codeTables_; }

private:
    WindowingPlatform& platform_;
    KovraMessageService messages_;
    CodeTables codeTables_;
    SessionLoader::LoadedSession session_;
    ReferenceData referenceData_;
    KovraDataSetOpener opener_;
    TemplateCache templates_;
    KovraCommonServices common_;
    KovraStatusService status_;
    KovraErrorReporter errors_;
};

} // namespace tavrik

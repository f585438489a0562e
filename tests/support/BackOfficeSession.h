// A clerk's session on the real library and a real back office on a new store of either engine, with
// the scripted platform and the manual dispatcher: what every form test stands on, with or without the
// document.
#pragma once

#include "backoffice/BackOffice.h"
#include "common/Session.h"
#include "library/KovraLibrary.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TestStore.h"

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tavrik {

class BackOfficeSession {
public:
    static constexpr const char* kTitle = "Tavrik Adjust";
    static constexpr const char* kHostCaption = "Account Adjustment";
    static constexpr const char* kHostTag = "HOST-1";

    // A session of that user on its own new store of that engine. The host's tag and caption are set
    // as the container sets them.
    explicit BackOfficeSession(StoreEngine engine = StoreEngine::Sqlite, const std::string& userId = "SUPER");
    // A session of that user on the store of another session: two clerks at one back office.
    BackOfficeSession(const TestStore& sharedStore, const std::string& userId);
    ~BackOfficeSession();
    BackOfficeSession(const BackOfficeSession&) = delete;
    BackOfficeSession& operator=(const BackOfficeSession&) = delete;

    // Waits for the next reply from the worker and delivers it.
    void DeliverReply();
    // Holds every reply of the back office until ReleaseReplies.
    void HoldReplies();
    void ReleaseReplies();
    // The forms' requests, as the back office received them (the library's own left out).
    std::vector<RequestMessage> Requests();
    // Changes every later reply of the back office before the library gets it (a data set dropped, say),
    // for the replies a real back office does not give.
    void RewriteReplies(std::function<void(ReplyMessage&)> rewrite);
    // The rows a query on this session's store answers (see StoreRows in Rendering.h).
    std::string StoreRows(const std::string& sql) const;

private:
    // First: the worker answers the library's start-up requests while the members below are built.
    std::mutex mutex_;
    std::condition_variable released_;
    bool holding_ = false;
    std::vector<RequestMessage> requests_;
    std::function<void(ReplyMessage&)> rewrite_;

    BackOfficeSession(std::unique_ptr<TestStore> ownStore, const TestStore* sharedStore,
                      const std::string& userId);
    std::unique_ptr<TestStore> ownStore_;

public:
    std::filesystem::path directory;
    const TestStore& testStore;
    std::unique_ptr<BackOffice> store;
    ManualDispatcher dispatcher;
    WorkerThreadTransport transport;
    ScriptedPlatform platform;
    KovraLibrary library;
    Session session;
    // Every status text, the second status text prefixed with "msg: ".
    std::vector<std::string> statuses;

private:
    ReplyMessage Answer(const RequestMessage& request);
};

} // namespace tavrik

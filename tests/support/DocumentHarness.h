// The document on the real library and a real back office in a temporary SQLite file, with the
// scripted platform and the manual dispatcher: what the scenario tests drive.
#pragma once

#include "backoffice/BackOffice.h"
#include "common/Session.h"
#include "document/Tavrik_AdjustAcc.h"
#include "document/Tavrik_FormInq.h"
#include "library/KovraLibrary.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "tests/support/ScriptedPlatform.h"

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tavrik {

class DocumentHarness {
public:
    static constexpr const char* kTitle = "Tavrik Adjust";
    static constexpr const char* kHostCaption = "Account Adjustment";
    static constexpr const char* kHostTag = "HOST-1";

    // A session of that user; on its own new store, or on the store file of another harness (two
    // clerks at one back office).
    explicit DocumentHarness(const std::string& userId = "SUPER",
                             const std::filesystem::path& sharedStore = {});
    ~DocumentHarness();

    // Runs FileOpen with a dialog script that picks the type, types the number and presses OK.
    void OpenAccount(const std::string& typeCode, const std::string& typed);
    // Runs FileOpen with any dialog script.
    void OpenWith(std::function<void(Tavrik_FormInq&)> script);
    // Waits for the next reply from the worker and delivers it.
    void DeliverReply();

    // Holds every reply of the back office until ReleaseReplies.
    void HoldReplies();
    void ReleaseReplies();

    // The forms' requests, as the back office received them (the library's own left out).
    std::vector<RequestMessage> Requests();
    // The document grid's visible captions and then each row's visible cells, as displayed.
    std::string RenderGrid(int index);
    // Any grid so: its caption and visible captions, then each row's visible cells, one line each.
    static std::string Render(SSOleDBGrid& grid);
    // The rows a query on the store answers, one line each, cells separated by " | ".
    std::string StoreRows(const std::string& sql) { return StoreRows(storeFile, sql); }
    // The same for the store in that file (one a desktop application opened, say).
    static std::string StoreRows(const std::filesystem::path& storeFile, const std::string& sql);

private:
    // First: the worker answers the library's start-up requests while the members below are built.
    std::mutex mutex_;
    std::condition_variable released_;
    bool holding_ = false;
    std::vector<RequestMessage> requests_;

public:
    std::filesystem::path directory;
    std::filesystem::path storeFile;
    std::unique_ptr<BackOffice> store;
    ManualDispatcher dispatcher;
    WorkerThreadTransport transport;
    ScriptedPlatform platform;
    KovraLibrary library;
    Session session;
    Tavrik_AdjustAcc document;
    // Every status text, the second status text prefixed with "msg: ".
    std::vector<std::string> statuses;

private:
    ReplyMessage Answer(const RequestMessage& request);
};

} // namespace tavrik

#include "tests/support/BackOfficeSession.h"

#include "common/RequestNumbers.h"
#include "tests/support/Rendering.h"

#include <gtest/gtest.h>

#include <atomic>
#include <unistd.h>

namespace tavrik {
namespace {

std::filesystem::path NewDirectory() {
    static std::atomic<int> counter{0};
    std::filesystem::path directory =
        std::filesystem::temp_directory_path() /
        ("tavrik-session-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

// The back office's clock: the scripted platform's day and time, as local time.
BackOffice::Clock FixedClock() {
    const auto moment = LocalTime(2026, 12, 6, 10, 30, 0);
    return [moment] { return moment; };
}

} // namespace

BackOfficeSession::BackOfficeSession(StoreEngine engine, const std::string& userId)
    : BackOfficeSession(std::make_unique<TestStore>(engine), nullptr, userId) {}

BackOfficeSession::BackOfficeSession(const TestStore& sharedStore, const std::string& userId)
    : BackOfficeSession(nullptr, &sharedStore, userId) {}

BackOfficeSession::BackOfficeSession(std::unique_ptr<TestStore> ownStore, const TestStore* sharedStore,
                                     const std::string& userId)
    : ownStore_(std::move(ownStore)), directory(NewDirectory()),
      testStore(sharedStore != nullptr ? *sharedStore : *ownStore_),
      store(BackOffice::Open(testStore.LocationFor(userId), FixedClock())),
      transport([this](const RequestMessage& request) { return Answer(request); }),
      platform(*CalendarDate::FromYmd(2026, 12, 6)),
      library(transport, dispatcher, platform, userId, directory / "errors.log", std::chrono::seconds(30)),
      session(library.Services(), library.Info(), kTitle, 1, 0, "tavrik-adjust") {
    session.gsHostTag = kHostTag;
    session.gsHostCaption = kHostCaption;
    library.Status().StatusChanged.Connect([this](const std::string& text) { statuses.push_back(text); });
    library.Status().StatusMsgChanged.Connect(
        [this](const std::string& text) { statuses.push_back("msg: " + text); });
}

BackOfficeSession::~BackOfficeSession() {
    ReleaseReplies();
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

void BackOfficeSession::DeliverReply() {
    ASSERT_TRUE(dispatcher.WaitForPosted(std::chrono::seconds(10))) << "no reply from the back office";
    dispatcher.RunPending();
}

void BackOfficeSession::HoldReplies() {
    std::lock_guard lock(mutex_);
    holding_ = true;
}

void BackOfficeSession::ReleaseReplies() {
    {
        std::lock_guard lock(mutex_);
        holding_ = false;
    }
    released_.notify_all();
}

std::vector<RequestMessage> BackOfficeSession::Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
}

void BackOfficeSession::RewriteReplies(std::function<void(ReplyMessage&)> rewrite) {
    std::lock_guard lock(mutex_);
    rewrite_ = std::move(rewrite);
}

std::string BackOfficeSession::StoreRows(const std::string& sql) const {
    return ::tavrik::StoreRows(testStore.Location(), sql);
}

ReplyMessage BackOfficeSession::Answer(const RequestMessage& request) {
    {
        std::unique_lock lock(mutex_);
        if (request.piNumber != kCodeTablesRequest && request.piNumber != kSessionRequest &&
            request.piNumber != kReferenceDataRequest)
            requests_.push_back(request);
        released_.wait(lock, [this] { return !holding_; });
    }
    ReplyMessage reply = store->Handle(request);
    std::lock_guard lock(mutex_);
    if (rewrite_)
        rewrite_(reply);
    return reply;
}

} // namespace tavrik

#include "tests/support/DocumentHarness.h"

#include "backoffice/OpenStore.h"
#include "common/RequestNumbers.h"
#include "sqlite/SqliteDatabase.h"
#include "sqlite/SqliteStatement.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <unistd.h>

namespace tavrik {
namespace {

std::filesystem::path NewDirectory() {
    static std::atomic<int> counter{0};
    std::filesystem::path directory =
        std::filesystem::temp_directory_path() /
        ("tavrik-document-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

// The back office's clock: the scripted platform's day and time, as local time.
BackOffice::Clock FixedClock() {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 6;
    local.tm_hour = 10;
    local.tm_min = 30;
    local.tm_isdst = -1;
    const auto moment = std::chrono::system_clock::from_time_t(std::mktime(&local));
    return [moment] { return moment; };
}

} // namespace

DocumentHarness::DocumentHarness(const std::string& userId, const std::filesystem::path& sharedStore)
    : directory(NewDirectory()), storeFile(sharedStore.empty() ? directory / "store.sqlite" : sharedStore),
      store(BackOffice::Open(storeFile, FixedClock())),
      transport([this](const RequestMessage& request) { return Answer(request); }),
      platform(*CalendarDate::FromYmd(2026, 12, 6)),
      library(transport, dispatcher, platform, userId, directory / "errors.log", std::chrono::seconds(30)),
      session(library.Services(), library.Info(), kTitle, 1, 0, "tavrik-adjust"), document(session) {
    library.Status().StatusChanged.Connect([this](const std::string& text) { statuses.push_back(text); });
    library.Status().StatusMsgChanged.Connect(
        [this](const std::string& text) { statuses.push_back("msg: " + text); });
    document.UserDocument_Show(kHostTag, kHostCaption);
}

DocumentHarness::~DocumentHarness() {
    ReleaseReplies();
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

void DocumentHarness::OpenAccount(const std::string& typeCode, const std::string& typed) {
    OpenWith([typeCode, typed](Tavrik_FormInq& dialog) {
        dialog.mFtcboDocType(0).SetCode(typeCode);
        dialog.mTxtDocNbr(0).TypeText(typed);
        dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
    });
}

void DocumentHarness::OpenWith(std::function<void(Tavrik_FormInq&)> script) {
    platform.QueueScript([script](Form& form) { script(dynamic_cast<Tavrik_FormInq&>(form)); });
    document.FileOpen();
}

void DocumentHarness::DeliverReply() {
    ASSERT_TRUE(dispatcher.WaitForPosted(std::chrono::seconds(10))) << "no reply from the back office";
    dispatcher.RunPending();
}

void DocumentHarness::HoldReplies() {
    std::lock_guard lock(mutex_);
    holding_ = true;
}

void DocumentHarness::ReleaseReplies() {
    {
        std::lock_guard lock(mutex_);
        holding_ = false;
    }
    released_.notify_all();
}

std::vector<RequestMessage> DocumentHarness::Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
}

ReplyMessage DocumentHarness::Answer(const RequestMessage& request) {
    {
        std::unique_lock lock(mutex_);
        if (request.piNumber != kCodeTablesRequest && request.piNumber != kSessionRequest &&
            request.piNumber != kReferenceDataRequest)
            requests_.push_back(request);
        released_.wait(lock, [this] { return !holding_; });
    }
    return store->Handle(request);
}

std::string DocumentHarness::RenderGrid(int index) {
    return Render(document.mSdgDBGrid(index));
}

std::string DocumentHarness::Render(SSOleDBGrid& grid) {
    const std::vector<GridColumn>& columns = grid.Columns();
    std::string text = grid.Caption() + ":";
    for (const GridColumn& column : columns)
        if (column.visible)
            text += " " + column.caption + " |";
    text += "\n";
    for (std::size_t row = 0; row < grid.Rows(); ++row) {
        const std::vector<std::string>& cells = grid.DisplayRow(row);
        for (std::size_t column = 0; column < columns.size(); ++column)
            if (columns[column].visible)
                text += " " + cells[column] + " |";
        text += "\n";
    }
    return text;
}

std::string DocumentHarness::StoreRows(const std::filesystem::path& storeFile, const std::string& sql) {
    SqliteDatabase database = OpenStore(storeFile);
    SqliteStatement query(database, sql);
    std::string text;
    while (query.Step()) {
        for (int column = 0; column < query.ColumnCount(); ++column)
            text += (column == 0 ? "" : " | ") +
                    (query.IsNull(column) ? std::string("NULL") : query.Text(column));
        text += "\n";
    }
    return text;
}

} // namespace tavrik

#include "backoffice/SqliteDatabase.h"

#include "backoffice/StoreBusy.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tavrik {

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file, std::chrono::milliseconds busyWait) {
    // One connection is used by one thread at a time (the back office's worker), so SQLite need not
    // lock it on every call.
    int result = sqlite3_open_v2(
        file.string().c_str(), &handle_,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    if (result != SQLITE_OK) {
        std::string reason = handle_ != nullptr ? sqlite3_errmsg(handle_) : sqlite3_errstr(result);
        sqlite3_close(handle_);
        throw std::runtime_error("The back-office store " + file.string() + " cannot be opened: " + reason);
    }
    // SQLite opens a file it may not write for reading only; the clerk hears of it now, not at the
    // first save.
    if (sqlite3_db_readonly(handle_, "main") == 1) {
        sqlite3_close(handle_);
        throw std::runtime_error("The back-office store " + file.string() +
                                 " can only be read by this user, so nothing could be saved in it. Give the "
                                 "user write access to the file and its folder, or choose another store.");
    }
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, static_cast<int>(busyWait.count()));
    try {
        Execute("PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL;");
    } catch (const std::exception& error) {
        sqlite3_close(handle_);
        throw std::runtime_error("The back-office store " + file.string() +
                                 " cannot be used: " + error.what());
    }
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(handle_);
}

void SqliteDatabase::Execute(std::string_view sql) {
    std::string text(sql);
    const int result = sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        Fail(result);
}

void SqliteDatabase::Fail(int result, std::string_view context) const {
    const int primary = result & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw StoreBusy("Another desk is writing to the back-office store; try again in a moment.");
    throw std::runtime_error(std::string(context) + ErrorText());
}

std::string SqliteDatabase::ErrorText() const {
    return sqlite3_errmsg(handle_);
}

} // namespace tavrik

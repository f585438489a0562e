#include "backoffice/SqliteDatabase.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tavrik {

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file) {
    // One connection is used by one thread at a time (the back office's worker), so SQLite need not
    // lock it on every call.
    int result = sqlite3_open_v2(file.string().c_str(), &handle_,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        std::string reason = handle_ != nullptr ? sqlite3_errmsg(handle_) : sqlite3_errstr(result);
        sqlite3_close(handle_);
        throw std::runtime_error("The back-office store " + file.string() + " cannot be opened: " + reason);
    }
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, 5000);
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
    char* message = nullptr;
    if (sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string reason = message != nullptr ? message : ErrorText();
        sqlite3_free(message);
        throw std::runtime_error(reason);
    }
}

std::string SqliteDatabase::ErrorText() const {
    return sqlite3_errmsg(handle_);
}

} // namespace tavrik

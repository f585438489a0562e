// One open connection to a SQLite file, closed with the object; foreign keys on, WAL journal.
#pragma once

#include "backoffice/BackOffice.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace tavrik {

class SqliteDatabase {
public:
    // Opens (creating when missing) the file, or a "file:" URI. Throws std::runtime_error naming the
    // file on failure, and when the file can only be read. A statement waits busyWait for another
    // connection's write to end before it gives up with StoreBusy.
    explicit SqliteDatabase(const std::filesystem::path& file,
                            std::chrono::milliseconds busyWait = BackOffice::kBusyWait);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* Handle() const { return handle_; }
    // Runs statements that take no parameters (the schema, pragmas). Throws std::runtime_error.
    void Execute(std::string_view sql);
    // The connection's last error message.
    std::string ErrorText() const;
    // Throws the failure of a call that answered result: StoreBusy while another connection holds
    // the store, else std::runtime_error with context and the connection's message.
    [[noreturn]] void Fail(int result, std::string_view context = {}) const;

private:
    sqlite3* handle_ = nullptr;
};

} // namespace tavrik

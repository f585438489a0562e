// One open connection to a SQLite file, closed with the object; foreign keys on, WAL journal.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace tavrik {

class SqliteDatabase {
public:
    // Opens (creating when missing) the file. Throws std::runtime_error naming the file on failure.
    explicit SqliteDatabase(const std::filesystem::path& file);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* Handle() const { return handle_; }
    // Runs statements that take no parameters (the schema, pragmas). Throws std::runtime_error.
    void Execute(std::string_view sql);
    // The connection's last error message.
    std::string ErrorText() const;

private:
    sqlite3* handle_ = nullptr;
};

} // namespace tavrik

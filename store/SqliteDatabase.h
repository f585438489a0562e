// One open SQLite connection, closed with the object: a file (or a "file:" URI) or an empty
// database in memory. Failures throw std::runtime_error with SQLite's own words, and StoreBusy while
// another connection holds the file for longer than the connection waits. The schema version is the
// file's user_version.
#pragma once

#include "store/StoreConnection.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace tavrik {

class SqliteDatabase final : public StoreConnection {
public:
    struct InMemory {};

    // Opens (creating when missing) the file. A statement waits busyWait for another connection's
    // write to end before it gives up with StoreBusy. One connection is used by one thread at a time.
    SqliteDatabase(const std::filesystem::path& file, std::chrono::milliseconds busyWait);
    explicit SqliteDatabase(InMemory);
    ~SqliteDatabase() override;
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(SqliteDatabase&&) = delete;

    sqlite3* Handle() const { return handle_; }
    // Whether SQLite opened the file for reading only (it does so with a file it may not write).
    bool IsReadOnly() const;
    // From now on every statement may only read: anything that would write, attach or change the
    // schema is refused when it is prepared.
    void AllowOnlyReading();
    std::unique_ptr<StoreStatement> Prepare(std::string_view sql) override;
    void Execute(std::string_view sql) override;
    // Reading transactions begin deferred; writing ones take the write lock at once.
    void Begin(Access access) override;
    void Commit() override;
    void Rollback() noexcept override;
    bool HoldsTables() override;
    std::int64_t StoredVersion() override;
    void RecordVersion(std::int64_t version) override;
    // SQLite knows no users: the client names its clerk.
    std::optional<std::string> SignedOnUser() const override { return std::nullopt; }
    std::string Name() const override { return name_; }
    // The connection's last error message.
    std::string ErrorText() const;
    // Throws the failure of a call that answered result: StoreBusy while another connection holds
    // the database, else std::runtime_error with the connection's message.
    [[noreturn]] void Fail(int result) const;

private:
    sqlite3* handle_ = nullptr;
    std::string name_;
};

} // namespace tavrik

#include "store/SqliteDatabase.h"

#include "store/SqliteStatement.h"
#include "store/StoreBusy.h"

#include <sqlite3.h>

#include <stdexcept>
#include <utility>

namespace tavrik {

namespace {

// Once the copy is loaded, reading is all a statement may do.
int ReadOnlyAuthorizer(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_SELECT || action == SQLITE_READ || action == SQLITE_FUNCTION ? SQLITE_OK
                                                                                         : SQLITE_DENY;
}

// Opens with flags, or throws SQLite's reason; nothing is left open then.
sqlite3* Open(const std::string& name, int flags) {
    sqlite3* handle = nullptr;
    const int result = sqlite3_open_v2(name.c_str(), &handle, flags, nullptr);
    if (result == SQLITE_OK)
        return handle;
    std::string reason = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(result);
    sqlite3_close(handle);
    throw std::runtime_error(reason);
}

} // namespace

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file, std::chrono::milliseconds busyWait)
    : handle_(Open(file.string(),
                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI)),
      name_("the file " + file.string()) {
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, static_cast<int>(busyWait.count()));
}

SqliteDatabase::SqliteDatabase(InMemory)
    : handle_(Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)), name_("a database in memory") {
    sqlite3_extended_result_codes(handle_, 1);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(handle_);
}

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), name_(std::move(other.name_)) {}

bool SqliteDatabase::IsReadOnly() const {
    return sqlite3_db_readonly(handle_, "main") == 1;
}

void SqliteDatabase::AllowOnlyReading() {
    sqlite3_set_authorizer(handle_, &ReadOnlyAuthorizer, nullptr);
}

void SqliteDatabase::Execute(std::string_view sql) {
    std::string text(sql);
    const int result = sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        Fail(result);
}

std::unique_ptr<StoreStatement> SqliteDatabase::Prepare(std::string_view sql) {
    return std::make_unique<SqliteStatement>(*this, sql);
}

void SqliteDatabase::Begin(Access access) {
    Execute(access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

void SqliteDatabase::Commit() {
    Execute("COMMIT");
}

void SqliteDatabase::Rollback() noexcept {
    sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool SqliteDatabase::HoldsTables() {
    SqliteStatement objects(*this, "SELECT COUNT(*) FROM sqlite_master");
    objects.Step();
    return objects.Integer(0) != 0;
}

std::int64_t SqliteDatabase::StoredVersion() {
    SqliteStatement version(*this, "PRAGMA user_version");
    version.Step();
    return version.Integer(0);
}

void SqliteDatabase::RecordVersion(std::int64_t version) {
    Execute("PRAGMA user_version = " + std::to_string(version));
}

void SqliteDatabase::Fail(int result) const {
    const int primary = result & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw StoreBusy("Another connection is writing to the database; try again in a moment.");
    throw std::runtime_error(ErrorText());
}

std::string SqliteDatabase::ErrorText() const {
    return sqlite3_errmsg(handle_);
}

} // namespace tavrik

#include "store/OpenStore.h"

#include "store/PostgresConnection.h"
#include "store/SqliteDatabase.h"

#include <stdexcept>

namespace tavrik {

namespace {

std::unique_ptr<StoreConnection> OpenSqliteFile(const std::string& file, std::chrono::milliseconds busyWait) {
    std::unique_ptr<SqliteDatabase> database;
    try {
        database = std::make_unique<SqliteDatabase>(file, busyWait);
    } catch (const std::runtime_error& failure) {
        throw std::runtime_error("The back-office store " + file + " cannot be opened: " + failure.what());
    }
    // SQLite opens a file it may not write for reading only; the clerk hears of it now, not at the
    // first save.
    if (database->IsReadOnly())
        throw std::runtime_error("The back-office store " + file +
                                 " can only be read by this user, so nothing could be saved in it. Give the "
                                 "user write access to the file and its folder, or choose another store.");
    try {
        database->Execute("PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL;");
    } catch (const std::exception& error) {
        throw std::runtime_error("The back-office store " + file + " cannot be used: " + error.what());
    }
    return database;
}

} // namespace

bool IsPostgresLocation(std::string_view location) {
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::unique_ptr<StoreConnection> OpenStore(const std::string& location, std::chrono::milliseconds busyWait) {
    if (IsPostgresLocation(location))
        return std::make_unique<PostgresConnection>(location, busyWait);
    return OpenSqliteFile(location, busyWait);
}

} // namespace tavrik

#include "backoffice/OpenStore.h"

#include <optional>
#include <stdexcept>

namespace tavrik {

SqliteDatabase OpenStore(const std::filesystem::path& file, std::chrono::milliseconds busyWait) {
    std::optional<SqliteDatabase> database;
    try {
        database.emplace(file, busyWait);
    } catch (const std::runtime_error& failure) {
        throw std::runtime_error("The back-office store " + file.string() +
                                 " cannot be opened: " + failure.what());
    }
    // SQLite opens a file it may not write for reading only; the clerk hears of it now, not at the
    // first save.
    if (database->IsReadOnly())
        throw std::runtime_error("The back-office store " + file.string() +
                                 " can only be read by this user, so nothing could be saved in it. Give the "
                                 "user write access to the file and its folder, or choose another store.");
    try {
        database->Execute("PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL;");
    } catch (const std::exception& error) {
        throw std::runtime_error("The back-office store " + file.string() +
                                 " cannot be used: " + error.what());
    }
    return std::move(*database);
}

} // namespace tavrik

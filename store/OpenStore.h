// Opens the connection to the back office's store that a location names: a PostgreSQL connection
// URI ("postgresql://..." or "postgres://...", with libpq's environment and service files) or the
// path of a SQLite file (or a "file:" URI). A clear sentence for the clerk when the store cannot serve.
#pragma once

#include "store/StoreConnection.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace tavrik {

// Whether the location names a PostgreSQL database rather than a SQLite file.
bool IsPostgresLocation(std::string_view location);

// A SQLite file is created when missing, opened writable with foreign keys on and the WAL journal.
// Throws std::runtime_error naming the store when it cannot be opened or used, and when it can only
// be read. A statement waits busyWait for another desk's hold on what it needs before it gives up
// with StoreBusy.
std::unique_ptr<StoreConnection> OpenStore(const std::string& location, std::chrono::milliseconds busyWait);

} // namespace tavrik

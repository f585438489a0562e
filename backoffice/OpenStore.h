// A connection to the back office's store file as every desk holds it: writable, foreign keys on,
// the WAL journal, and a clear sentence for the clerk when the file cannot serve as a store.
#pragma once

#include "backoffice/BackOffice.h"
#include "sqlite/SqliteDatabase.h"

#include <chrono>
#include <filesystem>

namespace tavrik {

// Opens (creating when missing) the file, or a "file:" URI. Throws std::runtime_error naming the
// file when it cannot be opened or used, and when it can only be read. A statement waits busyWait
// for another desk's write to end before it gives up with StoreBusy.
SqliteDatabase OpenStore(const std::filesystem::path& file,
                         std::chrono::milliseconds busyWait = BackOffice::kBusyWait);

} // namespace tavrik

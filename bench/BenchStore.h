// Where a benchmark's store lives: a new SQLite file in a temporary folder, or a new schema of its own
// on the PostgreSQL server a connection URI names, with the demo data and the clerk SUPER's role;
// both are removed when it goes.
#pragma once

#include <filesystem>
#include <string>

namespace tavrik {

class BenchStore {
public:
    // postgresServer: "" for SQLite.
    explicit BenchStore(const std::string& postgresServer);
    ~BenchStore();
    BenchStore(const BenchStore&) = delete;
    BenchStore& operator=(const BenchStore&) = delete;

    const std::filesystem::path& Directory() const { return directory_; }
    const std::string& Location() const { return location_; }

private:
    std::string name_;
    std::filesystem::path directory_;
    std::string server_;
    std::string location_;
};

} // namespace tavrik

#include "bench/BenchStore.h"

#include "backoffice/BackOffice.h"
#include "store/OpenStore.h"
#include "store/StoreConnection.h"

#include <atomic>

#include <unistd.h>

namespace tavrik {

namespace {

// One name per store of the process: "12345_1", "12345_2".
std::string NewName() {
    static std::atomic<int> made{0};
    return std::to_string(getpid()) + "_" + std::to_string(++made);
}

} // namespace

BenchStore::BenchStore(const std::string& postgresServer)
    : name_(NewName()), directory_(std::filesystem::temp_directory_path() / ("tavrik-bench-" + name_)),
      server_(postgresServer) {
    std::filesystem::remove_all(directory_);
    std::filesystem::create_directories(directory_);
    if (server_.empty()) {
        location_ = (directory_ / "store.sqlite").string();
        return;
    }
    const std::string schema = "bench_" + name_;
    const std::unique_ptr<StoreConnection> admin = OpenStore(server_, BackOffice::kBusyWait);
    admin->Execute("CREATE SCHEMA " + schema);
    const std::string demoStore =
        server_ + (server_.find('?') == std::string::npos ? "?" : "&") + "options=-csearch_path%3D" + schema;
    BackOffice::CreateDemoStore(demoStore);
    // The clerk is the role that connects: SUPER's desk signs on as the role super.
    admin->Execute("DO $$ BEGIN CREATE ROLE super LOGIN; EXCEPTION WHEN duplicate_object THEN NULL; END $$; "
                   "GRANT USAGE ON SCHEMA " +
                   schema + " TO super; GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA " +
                   schema + " TO super");
    location_ = demoStore + "&user=super";
}

BenchStore::~BenchStore() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
    if (!server_.empty())
        OpenStore(server_, BackOffice::kBusyWait)->Execute("DROP SCHEMA bench_" + name_ + " CASCADE");
}

} // namespace tavrik

#include "tests/support/TestStore.h"

#include "backoffice/BackOffice.h"
#include "store/OpenStore.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace tavrik {
namespace {

std::string NewName(const std::string& prefix) {
    static std::atomic<int> counter{0};
    return prefix + std::to_string(getpid()) + "_" + std::to_string(++counter);
}

// The server's location with its connection options and one more, "name=value".
std::string WithOption(const std::string& location, const std::string& option) {
    return location + (location.find('?') == std::string::npos ? "?" : "&") + option;
}

void ExecuteOn(const std::string& location, const std::string& sql) {
    OpenStore(location, std::chrono::seconds(30))->Execute(sql);
}

} // namespace

std::string TestStore::PostgresServer() {
    const char* server = std::getenv("TAVRIK_TEST_POSTGRES");
    if (server == nullptr || *server == '\0')
        throw std::runtime_error("TAVRIK_TEST_POSTGRES is not set: run ./test.sh, which starts a private "
                                 "PostgreSQL server for the tests.");
    return server;
}

TestStore::TestStore(StoreEngine engine)
    : engine_(engine), folder_(std::filesystem::temp_directory_path() / NewName("tavrik-test-")) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    if (engine == StoreEngine::Sqlite) {
        location_ = (folder_ / "store.sqlite").string();
    } else {
        // A schema of its own on the shared server: cheap to make, and tests run side by side.
        schema_ = NewName("t_");
        ExecuteOn(PostgresServer(), "CREATE SCHEMA " + schema_);
        location_ = WithOption(PostgresServer(), "options=-csearch_path%3D" + schema_);
    }
    BackOffice::CreateDemoStore(location_);
}

TestStore::~TestStore() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    if (schema_.empty())
        return;
    try {
        ExecuteOn(PostgresServer(), "DROP SCHEMA " + schema_ + " CASCADE");
    } catch (const std::exception& failure) {
        ADD_FAILURE() << "The test's schema " << schema_ << " could not be dropped: " << failure.what();
    }
}

std::string TestStore::LocationFor(const std::string& userId) const {
    if (engine_ == StoreEngine::Sqlite)
        return location_;
    std::string role;
    for (char letter : userId) {
        if (!std::isalnum(static_cast<unsigned char>(letter)))
            throw std::invalid_argument("A test user id is letters and digits: " + userId);
        role += static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    }
    // Two test programs may make the same role at once; either one's role serves.
    ExecuteOn(PostgresServer(), "DO $$ BEGIN CREATE ROLE " + role +
                                    " LOGIN; EXCEPTION WHEN duplicate_object " +
                                    "OR unique_violation THEN NULL; END $$");
    Execute("GRANT USAGE ON SCHEMA " + schema_ + " TO " + role +
            "; GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA " + schema_ + " TO " + role);
    return WithOption(location_, "user=" + role);
}

void TestStore::Execute(const std::string& sql) const {
    ExecuteOn(location_, sql);
}

std::string EngineName(const ::testing::TestParamInfo<StoreEngine>& engine) {
    return engine.param == StoreEngine::Sqlite ? "Sqlite" : "Postgres";
}

void PrintTo(StoreEngine engine, std::ostream* out) {
    *out << (engine == StoreEngine::Sqlite ? "SQLite" : "PostgreSQL");
}

} // namespace tavrik

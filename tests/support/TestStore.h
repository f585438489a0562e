// A new back-office store with the demo data for one test, on either engine, removed with the object:
// a SQLite file in a temporary folder, or a schema of its own on the private PostgreSQL server that
// ./test.sh starts (TAVRIK_TEST_POSTGRES names it). Tests that touch the store run on both engines
// through StoreTest.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tavrik {

enum class StoreEngine { Sqlite, Postgres };

class TestStore {
public:
    explicit TestStore(StoreEngine engine);
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    StoreEngine Engine() const { return engine_; }
    // The folder the test may write its other files into.
    const std::filesystem::path& Folder() const { return folder_; }
    // What BackOffice::Open and OpenStore take.
    const std::string& Location() const { return location_; }
    // Where that clerk's desk opens the store. On PostgreSQL the clerk is the role that connects: the
    // role named like the user (in lower case) is made when missing and given the store's tables.
    std::string LocationFor(const std::string& userId) const;
    // Runs statements that take no parameters on the store (a test's own setup).
    void Execute(const std::string& sql) const;

    // The server the tests' PostgreSQL stores live on; fails the test when it is not set.
    static std::string PostgresServer();

private:
    StoreEngine engine_;
    std::filesystem::path folder_;
    std::string schema_;
    std::string location_;
};

// The fixture of tests that run once on each engine: "Sqlite" and "Postgres" in their names.
class StoreTest : public ::testing::TestWithParam<StoreEngine> {
protected:
    StoreEngine Engine() const { return GetParam(); }
};

std::string EngineName(const ::testing::TestParamInfo<StoreEngine>& engine);
void PrintTo(StoreEngine engine, std::ostream* out);

#define TAVRIK_ON_BOTH_ENGINES(Suite)                                                                        \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        Engines, Suite, ::testing::Values(::tavrik::StoreEngine::Sqlite, ::tavrik::StoreEngine::Postgres),   \
        ::tavrik::EngineName)

} // namespace tavrik

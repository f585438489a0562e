#include "store/PostgresConnection.h"
#include "store/StoreBusy.h"
#include "store/StoreConflict.h"
#include "store/StoreTransaction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <limits>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using Access = StoreConnection::Access;
using testing::HasSubstr;
using testing::ThrowsMessage;

// connection with more libpq parameters, which override the ones it holds.
std::string With(const std::string& connection, const std::string& parameters) {
    if (connection.starts_with("postgresql://") || connection.starts_with("postgres://"))
        return connection + (connection.find('?') == std::string::npos ? "?" : "&") + parameters;
    std::string keywords = parameters;
    std::replace(keywords.begin(), keywords.end(), '&', ' ');
    return connection + " " + keywords;
}

std::int64_t Count(StoreConnection& connection, const std::string& sql) {
    std::unique_ptr<StoreStatement> count = connection.Prepare(sql);
    EXPECT_TRUE(count->Step()) << sql;
    return count->Integer(0);
}

// Every test has a database of its own on the server that TAVRIK_TEST_POSTGRES names, so that tests
// may run side by side; it is dropped at the end.
class PostgresConnectionTest : public testing::Test {
protected:
    void SetUp() override {
        const char* server = std::getenv("TAVRIK_TEST_POSTGRES");
        ASSERT_NE(server, nullptr)
            << "TAVRIK_TEST_POSTGRES is not set: run ./test.sh, which starts a private PostgreSQL server";
        server_ = server;
        admin_ = std::make_unique<PostgresConnection>(server_, 10s);
        static std::atomic<int> databases = 0;
        database_ = "tavrik_test_" + std::to_string(getpid()) + "_" + std::to_string(++databases);
        admin_->Execute("DROP DATABASE IF EXISTS " + database_ + " WITH (FORCE)");
        admin_->Execute("CREATE DATABASE " + database_);
        // A test that waits for a lock it should not wait for fails instead of hanging.
        admin_->Execute("ALTER DATABASE " + database_ + " SET statement_timeout = '60s'");
    }

    void TearDown() override {
        if (admin_ == nullptr)
            return;
        admin_->Execute("DROP DATABASE IF EXISTS " + database_ + " WITH (FORCE)");
    }

    std::string Uri(const std::string& user = "") const {
        return With(server_, "dbname=" + database_ + (user.empty() ? "" : "&user=" + user));
    }

    std::unique_ptr<PostgresConnection> Connect(std::chrono::milliseconds busyWait = 10s) const {
        return std::make_unique<PostgresConnection>(Uri(), busyWait);
    }

    std::string server_;
    std::unique_ptr<PostgresConnection> admin_;
    std::string database_;
};

TEST_F(PostgresConnectionTest, values_go_and_come_back_whole) {
    // Sessions default to an encoding that has no euro: the connection has to ask for UTF-8 itself.
    admin_->Execute("ALTER DATABASE " + database_ + " SET client_encoding = 'LATIN1'");
    auto connection = Connect();
    const std::pair<std::string, std::int64_t> texts[] = {
        {"", 0}, {"M\xc3\xbcller \xe2\x82\xac\xf0\x9f\x98\x80", 9}, {"O'Brien -- ?1", 13}};
    for (const auto& [text, characters] : texts) {
        auto echo = connection->Prepare("SELECT ?1, char_length(?1)");
        ASSERT_TRUE(echo->Bind(1, text).Step());
        EXPECT_EQ(echo->Text(0), text);
        EXPECT_EQ(echo->Integer(1), characters) << text;
    }
    for (const std::int64_t number : {std::numeric_limits<std::int64_t>::min(), std::int64_t{-1},
                                      std::numeric_limits<std::int64_t>::max()}) {
        auto echo = connection->Prepare("SELECT ?1, ?1 + 0 = ?1");
        ASSERT_TRUE(echo->Bind(1, number).Step());
        EXPECT_EQ(echo->Integer(0), number);
        EXPECT_EQ(echo->Text(0), std::to_string(number));
        EXPECT_EQ(echo->Integer(1), 1);
    }
    // Booleans read as 1 and 0, NULL as 0 and the empty text, as on SQLite; ?3 is never bound.
    auto values = connection->Prepare("SELECT true, false, ?1::text, ?2::bigint, ?3::text, ?4::text");
    values->Bind(1, std::optional<std::string>()).BindNull(2).Bind(4, std::optional<std::string>("x"));
    ASSERT_TRUE(values->Step());
    EXPECT_EQ(values->Integer(0), 1);
    EXPECT_EQ(values->Integer(1), 0);
    for (int column = 2; column <= 4; ++column) {
        EXPECT_TRUE(values->IsNull(column)) << column;
        EXPECT_EQ(values->Integer(column), 0) << column;
        EXPECT_EQ(values->Text(column), "") << column;
    }
    EXPECT_FALSE(values->IsNull(5));
    EXPECT_FALSE(values->Step());
}

TEST_F(PostgresConnectionTest, a_value_that_is_no_whole_number_names_its_column) {
    auto connection = Connect();
    for (const char* sql :
         {"SELECT 'abc' AS amount", "SELECT 12.50 AS amount", "SELECT '9223372036854775808' AS amount"}) {
        auto read = connection->Prepare(sql);
        ASSERT_TRUE(read->Step());
        EXPECT_THAT([&] { read->Integer(0); }, ThrowsMessage<std::runtime_error>(HasSubstr("AMOUNT"))) << sql;
    }
}

TEST_F(PostgresConnectionTest, column_names_come_in_upper_case_before_any_row) {
    auto connection = Connect();
    auto read = connection->Prepare("SELECT 1 AS acct_nbr, 2 AS \"Fee_Amt\", 3 AS TOTAL WHERE false");
    ASSERT_EQ(read->ColumnCount(), 3);
    EXPECT_EQ(read->ColumnName(0), "ACCT_NBR");
    EXPECT_EQ(read->ColumnName(1), "FEE_AMT");
    EXPECT_EQ(read->ColumnName(2), "TOTAL");
    EXPECT_FALSE(read->Step());
}

TEST_F(PostgresConnectionTest, reset_runs_the_statement_again_with_its_parameters) {
    auto connection = Connect();
    connection->Execute("CREATE TABLE amounts (AMOUNT BIGINT NOT NULL)");
    auto insert = connection->Prepare("INSERT INTO amounts (AMOUNT) VALUES (?1)");
    auto atLeast = connection->Prepare("SELECT AMOUNT FROM amounts WHERE AMOUNT >= ?1 ORDER BY AMOUNT");
    EXPECT_FALSE(atLeast->Bind(1, std::int64_t{20}).Step());
    for (const std::int64_t amount : {10, 20, 30}) {
        EXPECT_FALSE(insert->Bind(1, amount).Step());
        insert->Reset();
    }
    EXPECT_FALSE(atLeast->Step()); // done until Reset
    atLeast->Reset();
    std::vector<std::int64_t> read;
    while (atLeast->Step())
        read.push_back(atLeast->Integer(0));
    EXPECT_EQ(read, (std::vector<std::int64_t>{20, 30}));
    EXPECT_FALSE(atLeast->Step());
}

TEST_F(PostgresConnectionTest, a_failed_statement_throws_the_servers_message) {
    auto connection = Connect();
    connection->Execute(
        "CREATE TABLE accounts (ACCT_NBR BIGINT PRIMARY KEY); INSERT INTO accounts VALUES (1)");
    const std::pair<Access, const char*> cases[] = {
        {Access::Write, "duplicate key value violates unique constraint \"accounts_pkey\""},
        {Access::Read, "cannot execute INSERT in a read-only transaction"}};
    for (const auto& [access, message] : cases) {
        StoreTransaction transaction(*connection, access);
        auto insert = connection->Prepare("INSERT INTO accounts (ACCT_NBR) VALUES (1)");
        try {
            insert->Run();
            ADD_FAILURE() << message;
        } catch (const std::runtime_error& failure) {
            EXPECT_EQ(dynamic_cast<const StoreBusy*>(&failure), nullptr);
            EXPECT_EQ(dynamic_cast<const StoreConflict*>(&failure), nullptr);
            EXPECT_STREQ(failure.what(), message);
        }
    }
}

TEST_F(PostgresConnectionTest, committing_after_a_failed_statement_saves_nothing_and_says_so) {
    auto connection = Connect();
    connection->Execute(
        "CREATE TABLE accounts (ACCT_NBR BIGINT PRIMARY KEY); INSERT INTO accounts VALUES (1)");
    StoreTransaction transaction(*connection, Access::Write);
    connection->Execute("INSERT INTO accounts VALUES (2)");
    EXPECT_THROW(connection->Execute("INSERT INTO accounts VALUES (1)"), std::runtime_error);
    EXPECT_THROW(transaction.Commit(), std::runtime_error);
    EXPECT_EQ(Count(*connection, "SELECT count(*) FROM accounts"), 1);
}

TEST_F(PostgresConnectionTest, write_skew_conflicts_at_commit) {
    auto first = Connect();
    auto second = Connect();
    first->Execute("CREATE TABLE fees (AMOUNT BIGINT)");
    // Each desk adds a fee only while there is none: one after the other, only one would.
    StoreTransaction firstWrite(*first, Access::Write);
    StoreTransaction secondWrite(*second, Access::Write);
    ASSERT_EQ(Count(*first, "SELECT count(*) FROM fees"), 0);
    ASSERT_EQ(Count(*second, "SELECT count(*) FROM fees"), 0);
    first->Execute("INSERT INTO fees VALUES (1)");
    second->Execute("INSERT INTO fees VALUES (2)");
    firstWrite.Commit();
    EXPECT_THROW(secondWrite.Commit(), StoreConflict);
}

TEST_F(PostgresConnectionTest, a_reading_transaction_sees_one_snapshot) {
    auto reader = Connect();
    auto writer = Connect();
    writer->Execute("CREATE TABLE fees (AMOUNT BIGINT); INSERT INTO fees VALUES (1)");
    StoreTransaction reading(*reader, Access::Read);
    EXPECT_EQ(Count(*reader, "SELECT count(*) FROM fees"), 1);
    writer->Execute("INSERT INTO fees VALUES (2)");
    EXPECT_EQ(Count(*reader, "SELECT count(*) FROM fees"), 1);
}

TEST_F(PostgresConnectionTest, a_lost_connection_is_made_again_at_the_next_transaction) {
    auto connection = Connect(250ms);
    auto terminate = admin_->Prepare("SELECT count(pg_terminate_backend(pid, 5000)) FROM pg_stat_activity "
                                     "WHERE datname = ?1");
    ASSERT_TRUE(terminate->Bind(1, database_).Step());
    ASSERT_EQ(terminate->Integer(0), 1);

    StoreTransaction transaction(*connection, Access::Write);
    auto lockTimeout = connection->Prepare("SELECT current_setting('lock_timeout')");
    ASSERT_TRUE(lockTimeout->Step());
    EXPECT_EQ(lockTimeout->Text(0), "250ms");
}

TEST_F(PostgresConnectionTest, a_connection_that_fails_says_why_in_one_line_without_the_password) {
    char emptyFolder[] = "/tmp/tavrik-no-server.XXXXXX";
    ASSERT_NE(mkdtemp(emptyFolder), nullptr);
    const std::string noServer = "postgresql:///office?host=" + std::string(emptyFolder);
    const std::string cases[][3] = {
        {noServer, noServer, "connection to server on socket"},
        {With(Uri("nobody_here"), "password=hunter2"), With(Uri("nobody_here"), "password=***"),
         "role \"nobody_here\" does not exist"},
        {"postgresql://clerk:hunter2%zz@db/office", "postgresql://clerk:***@db/office",
         "invalid percent-encoded token: \"***\""},
    };
    for (const auto& [uri, shown, reason] : cases) {
        try {
            PostgresConnection connection(uri, 1s);
            ADD_FAILURE() << uri << " connected";
        } catch (const std::runtime_error& failure) {
            const std::string message = failure.what();
            EXPECT_TRUE(message.starts_with("The PostgreSQL database at " + shown + " cannot be reached: "))
                << message;
            EXPECT_THAT(message, HasSubstr(reason));
            EXPECT_THAT(message, testing::Not(testing::AnyOf(HasSubstr("\n"), HasSubstr("hunter2"))));
        }
    }
    std::filesystem::remove(emptyFolder);
}

} // namespace
} // namespace tavrik

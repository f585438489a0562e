#include "store/PostgresConnection.h"

#include "store/HiddenPassword.h"
#include "store/PostgresResult.h"
#include "store/PostgresStatement.h"

#include <libpq-fe.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace tavrik {

namespace {

// The store's own statements raise notices (a table that already exists, a ROLLBACK with no
// transaction); they are no news to anybody.
void IgnoreNotice(void*, const char*) {}

PostgresResult Run(PGconn* connection, const char* sql) {
    return PostgresResult(connection, PQexec(connection, sql));
}

PostgresResult Run(PGconn* connection, const char* sql, const std::string& parameter) {
    const char* values[] = {parameter.c_str()};
    return PostgresResult(connection, PQexecParams(connection, sql, 1, nullptr, values, nullptr, nullptr, 0));
}

// The text of the single value a query answered.
std::string_view Answer(const PostgresResult& result) {
    return PQgetvalue(result.Get(), 0, 0);
}

} // namespace

PostgresConnection::PostgresConnection(const std::string& uri, std::chrono::milliseconds busyWait)
    : connection_(PQconnectdb(uri.c_str())), busyWait_(busyWait) {
    if (PQstatus(connection_.get()) != CONNECTION_OK) {
        const char* reason = connection_ ? PQerrorMessage(connection_.get()) : "libpq is out of memory";
        throw std::runtime_error("The PostgreSQL database at " + WithPasswordHidden(uri) +
                                 " cannot be reached: " + WithPasswordHidden(FirstLine(reason), uri));
    }
    PQsetNoticeProcessor(connection_.get(), &IgnoreNotice, nullptr);
    PrepareSession();
    signedOnUser_ = Answer(Run(connection_.get(), "SELECT upper(session_user)"));
}

void PostgresConnection::Finish::operator()(pg_conn* connection) const {
    PQfinish(connection);
}

void PostgresConnection::PrepareSession() {
    if (PQsetClientEncoding(connection_.get(), "UTF8") != 0)
        throw std::runtime_error(FirstLine(PQerrorMessage(connection_.get())));
    // A lock_timeout of 0 would wait for ever; a connection that may not wait gives up at once.
    const auto wait = std::max<std::chrono::milliseconds::rep>(busyWait_.count(), 1);
    Run(connection_.get(), "SELECT set_config('lock_timeout', $1, false)", std::to_string(wait) + "ms");
}

void PostgresConnection::Reconnect() {
    PQreset(connection_.get());
    if (PQstatus(connection_.get()) != CONNECTION_OK)
        throw std::runtime_error("The connection to " + Name() + " was lost and cannot be made again: " +
                                 FirstLine(PQerrorMessage(connection_.get())));
    PrepareSession();
}

std::unique_ptr<StoreStatement> PostgresConnection::Prepare(std::string_view sql) {
    return std::make_unique<PostgresStatement>(connection_.get(), sql);
}

void PostgresConnection::Execute(std::string_view sql) {
    Run(connection_.get(), std::string(sql).c_str());
}

void PostgresConnection::Begin(Access access) {
    const char* begin = access == Access::Read ? "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"
                                               : "BEGIN ISOLATION LEVEL SERIALIZABLE";
    PGresult* result = PQexec(connection_.get(), begin);
    // Nothing has happened in the transaction yet, so it may begin again on a new connection.
    if (PQstatus(connection_.get()) == CONNECTION_BAD) {
        PQclear(result);
        Reconnect();
        result = PQexec(connection_.get(), begin);
    }
    const PostgresResult begun(connection_.get(), result);
}

void PostgresConnection::Commit() {
    const PostgresResult result = Run(connection_.get(), "COMMIT");
    // The server ends a transaction that a failed statement spoiled with a ROLLBACK, whatever it
    // was asked.
    if (std::string_view(PQcmdStatus(result.Get())) == "ROLLBACK")
        throw std::runtime_error("Nothing of the transaction was saved: one of its statements had failed.");
}

void PostgresConnection::Rollback() noexcept {
    PQclear(PQexec(connection_.get(), "ROLLBACK"));
}

bool PostgresConnection::HoldsTables() {
    return Answer(Run(connection_.get(), "SELECT EXISTS (SELECT FROM information_schema.tables "
                                         "WHERE table_schema = current_schema())")) == "t";
}

std::int64_t PostgresConnection::StoredVersion() {
    // Asking first keeps a transaction in progress whole: a failed statement would spoil it.
    if (Answer(Run(connection_.get(), "SELECT to_regclass('store_version') IS NOT NULL")) != "t")
        return 0;
    PostgresStatement version(connection_.get(), "SELECT VERSION FROM store_version");
    return version.Step() ? version.Integer(0) : 0;
}

void PostgresConnection::RecordVersion(std::int64_t version) {
    Run(connection_.get(), "CREATE TABLE IF NOT EXISTS store_version (VERSION BIGINT NOT NULL)");
    // One statement, so that no one ever sees the table empty or with two versions.
    PostgresStatement record(
        connection_.get(), "WITH replaced AS (DELETE FROM store_version) INSERT INTO store_version (VERSION) "
                           "VALUES (?1)");
    record.Bind(1, version).Run();
}

std::optional<std::string> PostgresConnection::SignedOnUser() const {
    return signedOnUser_;
}

std::string PostgresConnection::Name() const {
    return std::string("the PostgreSQL database ") + PQdb(connection_.get());
}

} // namespace tavrik

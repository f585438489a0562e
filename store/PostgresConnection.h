// One connection to a PostgreSQL database, closed with the object. Writing transactions are
// SERIALIZABLE, reading ones REPEATABLE READ: the server gives up a transaction that a concurrent one
// made unsafe, and that failure is StoreConflict. A lock held by another connection for longer than
// the connection waits is StoreBusy.
#pragma once

#include "store/StoreConnection.h"

#include <chrono>
#include <memory>
#include <string>

struct pg_conn;

namespace tavrik {

class PostgresConnection final : public StoreConnection {
public:
    // Connects as libpq does with uri, a connection string or URI, filled in by libpq's environment
    // and service files. Throws std::runtime_error with one line naming the database (never its
    // password) and libpq's reason when the server cannot be reached or refuses the connection.
    PostgresConnection(const std::string& uri, std::chrono::milliseconds busyWait);

    std::unique_ptr<StoreStatement> Prepare(std::string_view sql) override;
    void Execute(std::string_view sql) override;

    // Connects again once when the connection was lost, since the last transaction or during BEGIN.
    void Begin(Access access) override;
    // Throws StoreConflict when the server gives the transaction up at its end, and
    // std::runtime_error when an earlier failure had already undone it.
    void Commit() override;
    void Rollback() noexcept override;

    bool HoldsTables() override;
    std::int64_t StoredVersion() override;
    void RecordVersion(std::int64_t version) override;

    std::optional<std::string> SignedOnUser() const override;
    std::string Name() const override;

private:
    struct Finish {
        void operator()(pg_conn* connection) const;
    };

    // Sets what every session of this connection needs; again after connecting anew.
    void PrepareSession();
    void Reconnect();

    std::unique_ptr<pg_conn, Finish> connection_;
    std::chrono::milliseconds busyWait_;
    std::string signedOnUser_;
};

} // namespace tavrik

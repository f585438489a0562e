// What libpq answered to one command, cleared with the object. A failed command never becomes one:
// it throws instead, as the store interface promises.
#pragma once

#include <memory>
#include <string>

struct pg_conn;
struct pg_result;

namespace tavrik {

class PostgresResult {
public:
    PostgresResult() = default;
    // Takes result, which libpq answered on connection (nullptr when it could not send the command).
    // Throws StoreConflict when the server gave the transaction up for a concurrent one, StoreBusy
    // when another connection held a lock for longer than this one waits, and std::runtime_error
    // with the server's message on any other failure.
    PostgresResult(pg_conn* connection, pg_result* result);

    explicit operator bool() const { return result_ != nullptr; }
    pg_result* Get() const { return result_.get(); }

private:
    struct Clear {
        void operator()(pg_result* result) const;
    };
    std::unique_ptr<pg_result, Clear> result_;
};

// The first line of a libpq message, without the line break.
std::string FirstLine(const char* message);

} // namespace tavrik

#include "store/PostgresResult.h"

#include "store/StoreBusy.h"
#include "store/StoreConflict.h"

#include <libpq-fe.h>

#include <stdexcept>
#include <string_view>

namespace tavrik {

namespace {

[[noreturn]] void Fail(const PGconn* connection, const PGresult* result) {
    const char* state = result != nullptr ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const std::string_view code = state != nullptr ? state : "";
    if (code == "40001" || code == "40P01")
        throw StoreConflict("Another desk changed the same records at the same time; nothing of this "
                            "request was saved, and it may be run again.");
    if (code == "55P03" || code == "57014")
        throw StoreBusy("Another desk holds what this request needs; try again in a moment.");
    const char* primary = result != nullptr ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    // Without a message of the server's, the failure was the connection's own (it was lost).
    throw std::runtime_error(FirstLine(primary != nullptr ? primary : PQerrorMessage(connection)));
}

} // namespace

PostgresResult::PostgresResult(pg_conn* connection, pg_result* result) : result_(result) {
    const ExecStatusType status = result != nullptr ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_EMPTY_QUERY)
        Fail(connection, result);
}

void PostgresResult::Clear::operator()(pg_result* result) const {
    PQclear(result);
}

std::string FirstLine(const char* message) {
    const std::string_view text = message;
    return std::string(text.substr(0, text.find('\n')));
}

} // namespace tavrik

// One connection to the back office's store, whichever engine is behind it: statements, transactions,
// and the few facts about the store that each engine keeps in its own way. One connection is used by
// one thread at a time.
#pragma once

#include "store/StoreStatement.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class StoreConnection {
public:
    // Reading transactions see one snapshot. Writing transactions behave as if they ran one after
    // another: a stale-row check and the update that follows it cannot interleave with another writer.
    enum class Access { Read, Write };

    virtual ~StoreConnection() = default;

    // Compiles the first statement of sql. Throws std::runtime_error when the text is not SQL the
    // engine takes.
    virtual std::unique_ptr<StoreStatement> Prepare(std::string_view sql) = 0;
    // Runs statements that take no parameters, separated by semicolons (the schema).
    virtual void Execute(std::string_view sql) = 0;

    virtual void Begin(Access access) = 0;
    virtual void Commit() = 0;
    virtual void Rollback() noexcept = 0;

    // Whether the database holds any table at all (a new store holds none).
    virtual bool HoldsTables() = 0;
    // The version of the schema recorded in the store: 0 when none was recorded.
    virtual std::int64_t StoredVersion() = 0;
    virtual void RecordVersion(std::int64_t version) = 0;

    // The user the engine itself signed on, upper case, when the engine knows its users; the clerk
    // cannot act as anybody else then.
    virtual std::optional<std::string> SignedOnUser() const = 0;
    // The store as a clerk's message names it: "the file FILE", "the PostgreSQL database NAME".
    virtual std::string Name() const = 0;
};

} // namespace tavrik

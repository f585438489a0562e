// The back office on one SQLite file: creates the store with its demo data when the file is new
// (and brings a store of the version before up to date), and answers each request in one transaction.
#pragma once

#include "backoffice/BackOffice.h"
#include "sqlite/SqliteDatabase.h"
#include "sqlite/SqliteTransaction.h"

#include <filesystem>

namespace tavrik {

class SqliteBackOffice final : public BackOffice {
public:
    // Throws std::runtime_error when the file is not a back-office store or cannot be opened.
    SqliteBackOffice(const std::filesystem::path& file, Clock clock, std::chrono::milliseconds busyWait);

    ReplyMessage Handle(const RequestMessage& request) override;

private:
    // What the back office does with one request number: the transaction it reads or writes in, and
    // who answers it.
    struct Route {
        int piNumber;
        SqliteTransaction::Kind access;
        ReplyMessage (*handler)(SqliteBackOffice& office, const RequestMessage& request);
    };
    static const Route* FindRoute(int piNumber);

    void PrepareStore(const std::filesystem::path& file);
    void AddTroopTable();
    ReplyMessage Answer(const RequestMessage& request);
    ReplyMessage CodeTables();
    ReplyMessage Session(const RequestMessage& request);

    SqliteDatabase database_;
    Clock clock_;
};

} // namespace tavrik

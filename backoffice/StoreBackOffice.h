// The back office on one store connection, whichever engine is behind it: checks the store's version
// (bringing a store of the version before up to date), and answers each request in one transaction,
// run again from its start when the engine gave it up for a concurrent one.
#pragma once

#include "backoffice/BackOffice.h"
#include "store/StoreConnection.h"

#include <memory>

namespace tavrik {

class StoreBackOffice final : public BackOffice {
public:
    // What to do with a database that holds no table yet.
    enum class WhenEmpty { CreateDemoStore, Refuse };

    // Throws std::runtime_error when the database is not a back-office store of a version this
    // program reads.
    StoreBackOffice(std::unique_ptr<StoreConnection> connection, Clock clock, WhenEmpty whenEmpty);

    ReplyMessage Handle(const RequestMessage& request) override;

private:
    // What the back office does with one request number: the transaction it reads or writes in, and
    // who answers it.
    struct Route {
        int piNumber;
        StoreConnection::Access access;
        ReplyMessage (*handler)(StoreBackOffice& office, const RequestMessage& request);
    };
    static const Route* FindRoute(int piNumber);

    void PrepareStore(WhenEmpty whenEmpty);
    void AddTroopTable();
    void AddCustomerWords();
    void AddPrintTemplates();
    ReplyMessage AnswerOnce(const RequestMessage& request);
    ReplyMessage Answer(const RequestMessage& request);
    ReplyMessage CodeTables();
    ReplyMessage Session(const RequestMessage& request);

    std::unique_ptr<StoreConnection> connection_;
    StoreConnection& database_;
    Clock clock_;
};

} // namespace tavrik

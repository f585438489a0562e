#include "backoffice/StoreBackOffice.h"

#include "backoffice/AccountActivity.h"
#include "backoffice/AccountAdjustment.h"
#include "backoffice/CreateRefund.h"
#include "backoffice/CustomerAccounts.h"
#include "backoffice/CustomerRows.h"
#include "backoffice/CustomerSearch.h"
#include "backoffice/DemoData.h"
#include "backoffice/FormNumbers.h"
#include "backoffice/LocalMoment.h"
#include "backoffice/PrintTemplates.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/ReceiptAdjustment.h"
#include "backoffice/ReferenceData.h"
#include "backoffice/ReferenceSearch.h"
#include "backoffice/RefundWorksheet.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/SchemaSql.h"
#include "backoffice/TransferLookup.h"
#include "backoffice/TransferPayment.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "store/OpenStore.h"
#include "store/StoreBusy.h"
#include "store/StoreConflict.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"

#include <cctype>
#include <random>
#include <thread>

namespace tavrik {

namespace {

// Recorded in the store; a store of another version is refused rather than misread, except a store
// of an earlier version, which is brought up to date one step at a time.
constexpr std::int64_t kSchemaVersion = 4;
constexpr std::int64_t kTroopsMissingVersion = 1;
constexpr std::int64_t kWordsMissingVersion = 2;
constexpr std::int64_t kTemplatesMissingVersion = 3;

// How often a request the engine gave up for a concurrent one is run again before the clerk hears
// that the store is busy. Each run starts from nothing: a given-up run applied nothing.
constexpr int kRunsOnConflict = 6;

std::string Capitalized(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// A short pause, longer at every run and different for each desk, so that two desks that collided
// do not collide again in step.
void PauseBeforeRun(int run) {
    thread_local std::minstd_rand jitter(std::random_device{}());
    std::this_thread::sleep_for(std::chrono::milliseconds(run * 5 + static_cast<int>(jitter() % 20)));
}

} // namespace

std::unique_ptr<BackOffice> BackOffice::Open(const std::string& location, Clock clock,
                                             std::chrono::milliseconds busyWait) {
    return std::make_unique<StoreBackOffice>(OpenStore(location, busyWait), std::move(clock),
                                             IsPostgresLocation(location)
                                                 ? StoreBackOffice::WhenEmpty::Refuse
                                                 : StoreBackOffice::WhenEmpty::CreateDemoStore);
}

std::string BackOffice::CreateDemoStore(const std::string& location) {
    std::unique_ptr<StoreConnection> connection = OpenStore(location, kBusyWait);
    {
        StoreTransaction look(*connection, StoreConnection::Access::Read);
        if (connection->HoldsTables())
            throw std::runtime_error(Capitalized(connection->Name()) +
                                     " holds tables already, so no store was created in it.");
    }
    std::string name = connection->Name();
    StoreBackOffice(std::move(connection), {}, StoreBackOffice::WhenEmpty::CreateDemoStore);
    return name;
}

StoreBackOffice::StoreBackOffice(std::unique_ptr<StoreConnection> connection, Clock clock,
                                 WhenEmpty whenEmpty)
    : connection_(std::move(connection)), database_(*connection_),
      clock_(clock ? std::move(clock) : [] { return std::chrono::system_clock::now(); }) {
    PrepareStore(whenEmpty);
}

void StoreBackOffice::PrepareStore(WhenEmpty whenEmpty) {
    StoreTransaction transaction(database_, StoreConnection::Access::Write);
    std::int64_t found = database_.StoredVersion();
    if (found == kSchemaVersion)
        return;
    if (found == kTroopsMissingVersion || found == kWordsMissingVersion ||
        found == kTemplatesMissingVersion) {
        if (found == kTroopsMissingVersion)
            AddTroopTable();
        if (found != kTemplatesMissingVersion)
            AddCustomerWords();
        AddPrintTemplates();
    } else if (found != 0) {
        throw std::runtime_error(Capitalized(database_.Name()) + " has version " + std::to_string(found) +
                                 "; this program reads version " + std::to_string(kSchemaVersion) + ".");
    } else if (database_.HoldsTables()) {
        throw std::runtime_error(Capitalized(database_.Name()) +
                                 " holds other tables: it is not a back-office store.");
    } else if (whenEmpty == WhenEmpty::Refuse) {
        throw std::runtime_error(Capitalized(database_.Name()) +
                                 " holds no back-office store yet; create one with --init-demo.");
    } else {
        database_.Execute(kSchemaSql);
        DemoData::Fill(database_);
    }
    database_.RecordVersion(kSchemaVersion);
    transaction.Commit();
}

// Every store of the version before was made by this program with the demo data, so it gains the
// demo troops with the table; the table is written as schema.sql writes it.
void StoreBackOffice::AddTroopTable() {
    database_.Execute("CREATE TABLE troop_district (\n"
                      "    PO_TRP_ID        TEXT NOT NULL,\n"
                      "    PO_TRP_DSTRCT_ID TEXT NOT NULL,\n"
                      "    PRIMARY KEY (PO_TRP_ID, PO_TRP_DSTRCT_ID)\n"
                      ")");
    DemoData::AddTroops(database_);
}

// The words of every customer a store of version 2 holds, as CustomerRows writes them; the table is
// written as schema.sql writes it.
void StoreBackOffice::AddCustomerWords() {
    database_.Execute(
        "CREATE TABLE customer_word (\n"
        "    CUST_ID  TEXT NOT NULL REFERENCES customer (CUST_ID),\n"
        "    WORD_POS INTEGER NOT NULL,\n"
        "    WORD_NBR BIGINT NOT NULL,\n"
        "    WORD     TEXT NOT NULL,\n"
        "    CUST_NM  TEXT NOT NULL,\n"
        "    PRIMARY KEY (CUST_ID, WORD_POS)\n"
        ");\n"
        "CREATE INDEX customer_word_by_word ON customer_word (WORD_NBR, WORD_POS, WORD, CUST_NM, "
        "CUST_ID);\n"
        "CREATE INDEX customer_word_by_position ON customer_word (WORD_POS, WORD_NBR, WORD, CUST_NM, "
        "CUST_ID);\n"
        "CREATE INDEX customer_word_by_customer ON customer_word (CUST_ID, WORD_NBR, WORD_POS, WORD)");
    StoreQuery customers(database_, "SELECT CUST_ID, CUST_NM FROM customer ORDER BY CUST_ID");
    CustomerRows rows(database_);
    while (customers.Step())
        rows.AddWords(customers.Text(0), customers.Text(1));
}

// Every store of an earlier version gains the demo templates with the table, written as schema.sql
// writes it.
void StoreBackOffice::AddPrintTemplates() {
    database_.Execute("CREATE TABLE print_template (\n"
                      "    TMPLT_TYP_CD INTEGER NOT NULL,\n"
                      "    EFCTV_DT     TEXT NOT NULL,\n"
                      "    END_DT       TEXT,\n"
                      "    TMPLT_TXT    TEXT NOT NULL,\n"
                      "    PRIMARY KEY (TMPLT_TYP_CD, EFCTV_DT)\n"
                      ")");
    DemoData::AddPrintTemplates(database_);
}

const StoreBackOffice::Route* StoreBackOffice::FindRoute(int piNumber) {
    using Office = StoreBackOffice;
    using Request = const RequestMessage&;
    constexpr StoreConnection::Access kRead = StoreConnection::Access::Read;
    constexpr StoreConnection::Access kWrite = StoreConnection::Access::Write;
    static const Route routes[] = {
        {kCodeTablesRequest, kRead, [](Office& office, Request) { return office.CodeTables(); }},
        {kSessionRequest, kRead, [](Office& office, Request request) { return office.Session(request); }},
        {kReferenceDataRequest, kRead,
         [](Office& office, Request) { return ReferenceData(office.database_).Handle(); }},
        {kFormNumberRequest, kWrite,
         [](Office& office, Request request) { return FormNumbers(office.database_).Handle(request); }},
        {kTemplateRequest, kRead,
         [](Office& office, Request request) { return PrintTemplates(office.database_).Handle(request); }},
        {kAccountActivityRequest, kRead,
         [](Office& office, Request request) { return AccountActivity(office.database_).Handle(request); }},
        {kCustomerAccountsRequest, kRead,
         [](Office& office, Request request) { return CustomerAccounts(office.database_).Handle(request); }},
        {kCustomerSearchRequest, kRead,
         [](Office& office, Request request) { return CustomerSearch(office.database_).Handle(request); }},
        {kReferenceSearchRequest, kRead,
         [](Office& office, Request request) { return ReferenceSearch(office.database_).Handle(request); }},
        {kAdjustmentRequest, kWrite,
         [](Office& office, Request request) {
             LocalMoment now(office.clock_());
             if (KeyValue(request, "key:RECEIPT_NBR"))
                 return ReceiptAdjustment(office.database_, now).Handle(request);
             return AccountAdjustment(office.database_, now).Handle(request);
         }},
        {kCreateRefundRequest, kRead,
         [](Office& office, Request request) { return CreateRefund(office.database_).Handle(request); }},
        {kTransferLookupRequest, kRead,
         [](Office& office, Request request) { return TransferLookup(office.database_).Handle(request); }},
        {kTransferRequest, kWrite,
         [](Office& office, Request request) {
             return TransferPayment(office.database_, LocalMoment(office.clock_())).Handle(request);
         }},
        {kRefundWorksheetRequest, kWrite,
         [](Office& office, Request request) {
             return RefundWorksheet(office.database_, LocalMoment(office.clock_())).Handle(request);
         }},
    };
    for (const Route& route : routes)
        if (route.piNumber == piNumber)
            return &route;
    return nullptr;
}

ReplyMessage StoreBackOffice::Handle(const RequestMessage& request) {
    try {
        return Answer(request);
    } catch (const RequestError& refusal) {
        return ReplyMessage::Error(refusal.what());
    } catch (const StoreBusy&) {
    } catch (const StoreConflict&) {
    } catch (const std::exception& failure) {
        return ReplyMessage::Error(std::string("The back office could not answer: ") + failure.what());
    } catch (...) {
        return ReplyMessage::Error("The back office could not answer.");
    }
    const Route* route = FindRoute(request.piNumber);
    return ReplyMessage::Error(std::string(route != nullptr && route->access == StoreConnection::Access::Write
                                               ? RefusalTexts::kBusySaving
                                               : RefusalTexts::kBusyReading));
}

ReplyMessage StoreBackOffice::Answer(const RequestMessage& request) {
    RequireUtf8(request);
    // Where the engine knows its users, the request acts for the one signed on, whoever it names.
    if (std::optional<std::string> user = database_.SignedOnUser(); user && request.userId != *user) {
        RequestMessage signedOn = request;
        signedOn.userId = *user;
        return Answer(signedOn);
    }
    for (int run = 1;; ++run) {
        try {
            return AnswerOnce(request);
        } catch (const StoreConflict&) {
            if (run == kRunsOnConflict)
                throw;
        }
        PauseBeforeRun(run);
    }
}

ReplyMessage StoreBackOffice::AnswerOnce(const RequestMessage& request) {
    const Route* route = FindRoute(request.piNumber);
    if (route == nullptr)
        return ReplyMessage::Error("The back office does not handle request " +
                                   std::to_string(request.piNumber) + ".");
    StoreTransaction transaction(database_, route->access);
    ReplyMessage reply = route->handler(*this, request);
    transaction.Commit();
    return reply;
}

ReplyMessage StoreBackOffice::CodeTables() {
    StoreQuery query(
        database_, "SELECT CD_TBL_ID AS CD_TBL_ID, CD_TBL_CD AS CD_TBL_CD, CD_TBL_DES AS CD_TBL_DES, "
                   "REGION AS REGION, EFCTV_DT AS EFCTV_DT, END_DT AS END_DT, ADTL_INFO_TXT AS ADTL_INFO_TXT "
                   "FROM tvk_code ORDER BY REGION, CD_TBL_ID, CD_TBL_CD, EFCTV_DT");
    ReplyMessage reply;
    reply.dataSets["TVK_CODE"] = ReadDataSet(query, "TVK_CODE");
    return reply;
}

ReplyMessage StoreBackOffice::Session(const RequestMessage& request) {
    std::optional<std::string> signedOn = database_.SignedOnUser();
    std::string userId =
        signedOn ? *signedOn : ToUpper(RequiredKeyValue(request, "key:USER_ID", "the user id"));
    StoreQuery user(database_, "SELECT USER_ID AS USER_ID, USER_NBR AS USER_NBR, USER_NM AS USER_NM, "
                               "REGION AS REGION FROM app_user WHERE USER_ID = ?1");
    user.Bind(1, userId);
    DataTable userInfo = ReadDataSet(user, "USERINFO");
    if (userInfo.IsEmpty())
        throw RequestError(RefusalTexts::UnknownUser(userId));

    StoreQuery privileges(database_, "SELECT USER_ID AS USER_ID, PRVLG_NM AS PRVLG_NM FROM user_privilege "
                                     "WHERE USER_ID = ?1 ORDER BY PRVLG_NM");
    privileges.Bind(1, userId);
    ReplyMessage reply;
    reply.dataSets["USERINFO"] = std::move(userInfo);
    reply.dataSets["USERPRIVILEGE"] = ReadDataSet(privileges, "USERPRIVILEGE");
    return reply;
}

} // namespace tavrik

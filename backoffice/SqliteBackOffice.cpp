#include "backoffice/SqliteBackOffice.h"

#include "backoffice/AccountActivity.h"
#include "backoffice/AccountAdjustment.h"
#include "backoffice/DemoData.h"
#include "backoffice/LocalMoment.h"
#include "backoffice/OpenStore.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/ReferenceData.h"
#include "backoffice/ReferenceSearch.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/SchemaSql.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"
#include "sqlite/SqliteStatement.h"
#include "sqlite/SqliteTransaction.h"
#include "sqlite/StoreBusy.h"

namespace tavrik {

namespace {

// Stored in the file's user_version; a store of another version is refused rather than misread,
// except a store of the version before, which is brought up to date.
constexpr std::int64_t kSchemaVersion = 2;
constexpr std::int64_t kTroopsMissingVersion = 1;

} // namespace

std::unique_ptr<BackOffice> BackOffice::Open(const std::filesystem::path& file, Clock clock,
                                             std::chrono::milliseconds busyWait) {
    return std::make_unique<SqliteBackOffice>(file, std::move(clock), busyWait);
}

SqliteBackOffice::SqliteBackOffice(const std::filesystem::path& file, Clock clock,
                                   std::chrono::milliseconds busyWait)
    : database_(OpenStore(file, busyWait)),
      clock_(clock ? std::move(clock) : [] { return std::chrono::system_clock::now(); }) {
    PrepareStore(file);
}

void SqliteBackOffice::PrepareStore(const std::filesystem::path& file) {
    SqliteTransaction transaction(database_, SqliteTransaction::Kind::Write);
    SqliteStatement version(database_, "PRAGMA user_version");
    version.Step();
    std::int64_t found = version.Integer(0);
    if (found == kSchemaVersion)
        return;
    if (found == kTroopsMissingVersion) {
        AddTroopTable();
    } else if (found != 0) {
        throw std::runtime_error("The back-office store " + file.string() + " has version " +
                                 std::to_string(found) + "; this program reads version " +
                                 std::to_string(kSchemaVersion) + ".");
    } else {
        SqliteStatement objects(database_, "SELECT COUNT(*) FROM sqlite_master");
        objects.Step();
        if (objects.Integer(0) != 0)
            throw std::runtime_error("The file " + file.string() +
                                     " is a SQLite database but not a back-office store.");
        database_.Execute(kSchemaSql);
        DemoData::Fill(database_);
    }
    database_.Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    transaction.Commit();
}

// Every store of the version before was made by this program with the demo data, so it gains the
// demo troops with the table; the table is written as schema.sql writes it.
void SqliteBackOffice::AddTroopTable() {
    database_.Execute("CREATE TABLE troop_district (\n"
                      "    PO_TRP_ID        TEXT NOT NULL,\n"
                      "    PO_TRP_DSTRCT_ID TEXT NOT NULL,\n"
                      "    PRIMARY KEY (PO_TRP_ID, PO_TRP_DSTRCT_ID)\n"
                      ")");
    DemoData::AddTroops(database_);
}

const SqliteBackOffice::Route* SqliteBackOffice::FindRoute(int piNumber) {
    using Office = SqliteBackOffice;
    using Request = const RequestMessage&;
    constexpr SqliteTransaction::Kind kRead = SqliteTransaction::Kind::Read;
    constexpr SqliteTransaction::Kind kWrite = SqliteTransaction::Kind::Write;
    static const Route routes[] = {
        {kCodeTablesRequest, kRead, [](Office& office, Request) { return office.CodeTables(); }},
        {kSessionRequest, kRead, [](Office& office, Request request) { return office.Session(request); }},
        {kReferenceDataRequest, kRead,
         [](Office& office, Request) { return ReferenceData(office.database_).Handle(); }},
        {kAccountActivityRequest, kRead,
         [](Office& office, Request request) { return AccountActivity(office.database_).Handle(request); }},
        {kReferenceSearchRequest, kRead,
         [](Office& office, Request request) { return ReferenceSearch(office.database_).Handle(request); }},
        {kAdjustmentRequest, kWrite,
         [](Office& office, Request request) {
             return AccountAdjustment(office.database_, LocalMoment(office.clock_())).Handle(request);
         }},
    };
    for (const Route& route : routes)
        if (route.piNumber == piNumber)
            return &route;
    return nullptr;
}

ReplyMessage SqliteBackOffice::Handle(const RequestMessage& request) {
    try {
        return Answer(request);
    } catch (const RequestError& refusal) {
        return ReplyMessage::Error(refusal.what());
    } catch (const StoreBusy&) {
        const Route* route = FindRoute(request.piNumber);
        return ReplyMessage::Error(
            std::string(route != nullptr && route->access == SqliteTransaction::Kind::Write
                            ? RefusalTexts::kBusySaving
                            : RefusalTexts::kBusyReading));
    } catch (const std::exception& failure) {
        return ReplyMessage::Error(std::string("The back office could not answer: ") + failure.what());
    } catch (...) {
        return ReplyMessage::Error("The back office could not answer.");
    }
}

ReplyMessage SqliteBackOffice::Answer(const RequestMessage& request) {
    RequireUtf8(request);
    const Route* route = FindRoute(request.piNumber);
    if (route == nullptr)
        return ReplyMessage::Error("The back office does not handle request " +
                                   std::to_string(request.piNumber) + ".");
    SqliteTransaction transaction(database_, route->access);
    ReplyMessage reply = route->handler(*this, request);
    transaction.Commit();
    return reply;
}

ReplyMessage SqliteBackOffice::CodeTables() {
    SqliteStatement query(
        database_, "SELECT CD_TBL_ID AS CD_TBL_ID, CD_TBL_CD AS CD_TBL_CD, CD_TBL_DES AS CD_TBL_DES, "
                   "REGION AS REGION, EFCTV_DT AS EFCTV_DT, END_DT AS END_DT, ADTL_INFO_TXT AS ADTL_INFO_TXT "
                   "FROM tvk_code ORDER BY REGION, CD_TBL_ID, CD_TBL_CD, EFCTV_DT");
    ReplyMessage reply;
    reply.dataSets["TVK_CODE"] = ReadDataSet(query, "TVK_CODE");
    return reply;
}

ReplyMessage SqliteBackOffice::Session(const RequestMessage& request) {
    std::string userId = ToUpper(RequiredKeyValue(request, "key:USER_ID", "the user id"));
    SqliteStatement user(database_, "SELECT USER_ID AS USER_ID, USER_NBR AS USER_NBR, USER_NM AS USER_NM, "
                                    "REGION AS REGION FROM app_user WHERE USER_ID = ?1");
    user.Bind(1, userId);
    DataTable userInfo = ReadDataSet(user, "USERINFO");
    if (userInfo.rows.empty())
        throw RequestError(RefusalTexts::UnknownUser(userId));

    SqliteStatement privileges(database_,
                               "SELECT USER_ID AS USER_ID, PRVLG_NM AS PRVLG_NM FROM user_privilege "
                               "WHERE USER_ID = ?1 ORDER BY PRVLG_NM");
    privileges.Bind(1, userId);
    ReplyMessage reply;
    reply.dataSets["USERINFO"] = std::move(userInfo);
    reply.dataSets["USERPRIVILEGE"] = ReadDataSet(privileges, "USERPRIVILEGE");
    return reply;
}

} // namespace tavrik

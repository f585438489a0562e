#include "backoffice/BackOffice.h"
#include "backoffice/DemoData.h"
#include "common/CheckDigit.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
#include "store/OpenStore.h"
#include "store/StoreConnection.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace tavrik {
namespace {

RequestMessage Search(std::string type, std::string number) {
    return Request(47, {Key("key:REF_NBR", std::move(number)), Key("key:REF_TYP_CD", std::move(type))});
}

// The back office of SUPER's desk on a new store.
class StoreBackOfficeTest : public StoreTest {
protected:
    ReplyMessage Send(const RequestMessage& request) { return backOffice_->Handle(request); }

    TestStore store_{Engine()};
    std::unique_ptr<BackOffice> backOffice_ = BackOffice::Open(store_.LocationFor("SUPER"));
};

TEST_P(StoreBackOfficeTest, search_by_reference_answers_owning_customer_or_refuses_when_malformed) {
    struct Case {
        std::string name;
        std::string type;
        std::string number;
        std::string customers; // the distinct CUST_IDs of the AR rows; "" for no data sets
        std::string error;     // "" when the search is answered
    };
    const Case cases[] = {
        {"five digits are completed", "C", "12345", "100001", ""},
        {"seven digits", "C", "0012345", "100001", ""},
        {"with check digit", "C", "0012345-5", "100001", ""},
        {"eight digits run together", "C", "00123455", "100001", ""},
        {"padded with blanks and lower case type", "c", "  12345 ", "100001", ""},
        {"wrong check digit", "C", "0012345-4", "",
         "The check digit of account number 0012345-4 is not correct."},
        {"AR of another type is not found", "T", "12345", "", ""},
        {"temporary permit", "T", "0020001", "100001", ""},
        {"payment plan of another customer", "P", "80001", "100005", ""},
        {"alert", "A", "40001", "100001", ""},
        {"highest old number", "C", "1999999", "100001", ""},
        {"unknown number", "C", "7654321", "", ""},
        {"receipt", "R", "0200001", "100002", ""},
        {"receipt with check digit", "R", "0300009-" + std::to_string(*ComputeCheckDigit("0300009")),
         "100003", ""},
        {"check number shared by two customers", "K", "5555", "100002,100004", ""},
        {"check number", "K", "1001", "100001", ""},
        {"unknown check", "K", "ZZ999", "", ""},
        {"quote in number", "C", "12'45", "",
         "The account number \"12'45\" is not valid: type up to seven digits, optionally followed by \"-\" "
         "and "
         "the check digit."},
        {"letters in number", "R", "12A45", "",
         "The receipt number \"12A45\" is not valid: type up to seven digits, optionally followed by \"-\" "
         "and "
         "the check digit."},
        {"nine digits", "C", "123456789", "", "is not valid"},
        {"dash in check number", "K", "10-01", "",
         "The check number \"10-01\" is not valid: use only letters and digits, at most 20."},
        {"ten thousand characters", "C", std::string(10000, '7'), "",
         "The account number \"" + std::string(40, '7') + "...\" is not valid"},
        {"ten thousand euro signs, quoted by character", "C", Repeat("\u20ac", 10000), "",
         "The account number \"" + Repeat("\u20ac", 40) + "...\" is not valid"},
        {"non-ASCII check number", "K",
         "\xC3\xA9"
         "1001",
         "",
         "The check number \"\xC3\xA9"
         "1001\" is not valid"},
        {"unknown type", "Z", "12345", "", "The back office cannot search by the account type \"Z\"."},
        {"retired type", "X", "12345", "", "cannot search by the account type \"X\""},
        {"blank number", "C", "   ", "", "The request lacks the account number (key:REF_NBR)."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Send(Search(each.type, each.number));

        if (!each.error.empty()) {
            EXPECT_NE(reply.errorText.find(each.error), std::string::npos) << reply.errorText;
            EXPECT_TRUE(reply.dataSets.empty());
            continue;
        }
        EXPECT_EQ(reply.errorText, "");
        if (each.customers.empty()) {
            EXPECT_TRUE(reply.dataSets.empty());
            continue;
        }
        ASSERT_EQ(reply.dataSets.size(), 2u);
        std::set<std::string> owners;
        for (const std::string& id : Column(reply.dataSets.at("ACNTSRCVBL"), "CUST_ID"))
            owners.insert(id);
        for (const std::string& id : Column(reply.dataSets.at("RECEIPT"), "CUST_ID"))
            owners.insert(id);
        std::string joined;
        for (const std::string& id : owners)
            joined += (joined.empty() ? "" : ",") + id;
        EXPECT_EQ(joined, each.customers);
    }
}

TEST_P(StoreBackOfficeTest, requests_with_missing_or_misaddressed_keys_or_an_unknown_number_are_refused) {
    const std::pair<RequestMessage, std::string> cases[] = {
        {Request(47, {}), "The request lacks the account type (key:REF_TYP_CD)."},
        {Request(47, {Key("key:REF_TYP_CD", "C")}), "The request lacks the account number (key:REF_NBR)."},
        {Request(47, {Key("key:REF_TYP_CD", "C"), {"key:REF_NBR", "12345", "<>", "PENTRAX"}}),
         "The back office compares key:REF_NBR only with \"=\", not with \"<>\"."},
        {Request(47, {{"key:REF_TYP_CD", "C", "=", "OTHER"}, Key("key:REF_NBR", "12345")}),
         "The back office answers key:REF_TYP_CD only for system PENTRAX, not \"OTHER\"."},
        {Request(99, {}), "The back office does not handle request 99."},
    };
    for (const auto& [request, error] : cases) {
        SCOPED_TRACE(error);

        ReplyMessage reply = Send(request);

        EXPECT_EQ(reply.errorText, error);
        EXPECT_TRUE(reply.dataSets.empty());
    }
}

TEST_P(StoreBackOfficeTest, search_answers_all_ars_and_receipts_of_the_customer_as_stored) {
    ReplyMessage reply = Send(Search("C", "12345"));

    const DataTable& accounts = reply.dataSets.at("ACNTSRCVBL");
    EXPECT_EQ(
        Column(accounts, "ACCT_RCVBL_NBR"),
        (std::vector<std::string>{"0012345", "0012346", "0012350", "0012351", "0012352", "0012353", "0012354",
                                  "0020001", "0030001", "0040001", "1999999", "2000000", "2000001"}));
    std::string expected;
    for (const FieldDefinition& field : accounts.Fields()) {
        static const std::map<std::string, std::string> values{{"CUST_ID", "100001"},
                                                               {"CUST_NAME", "ACME FREIGHT LINES INC"},
                                                               {"ACCT_RCVBL_NBR", "0012345"},
                                                               {"ACCT_RCVBL_CK_NBR", "5"},
                                                               {"ACCT_RCVBL_TYP_CD", "C"},
                                                               {"STP_DT", "2023-03-15"},
                                                               {"ACCT_RCVBL_DUE_DT", "2023-04-14"},
                                                               {"ORIG_ASSMT_AMT", "510.00"},
                                                               {"LTE_FEE_AMT", "0.00"},
                                                               {"ACRD_INTRST_AMT", "12.50"},
                                                               {"ACCT_RCVBL_DUE_AMT", "435.00"},
                                                               {"ACCT_RCVBL_BAL_AMT", "347.50"},
                                                               {"ACCT_STTS_CD", "O"},
                                                               {"ACTV_STTS_CD", "A"}};
        auto found = values.find(field.name);
        expected += (found == values.end() ? "" : found->second) + "|";
    }
    EXPECT_EQ(Row(accounts, 0), expected);
    const DataTable& receipts = reply.dataSets.at("RECEIPT");
    EXPECT_EQ(Column(receipts, "RCPT_NBR"),
              (std::vector<std::string>{"0100001", "0100002", "0100003", "0100004", "0100005", "0100006"}));
    EXPECT_EQ(Column(receipts, "RCPT_STTS_CD"), (std::vector<std::string>{"O", "O", "B", "C", "O", "O"}));
    EXPECT_EQ(Column(receipts, "CNFRMTN_NBR"),
              (std::vector<std::string>{"CNF230410-01", "", "CNF230520-07", "CNF230605-02", "CNF230701-11",
                                        "CNF230815-04"}));
    EXPECT_EQ(Column(receipts, "OVR_PYMT_AMT"),
              (std::vector<std::string>{"25.00", "10.00", "", "", "50.00", "50.00"}));
    // The lists come in the order the document sorts them by, and say so, on either engine.
    EXPECT_TRUE(SortOrder::Parse("CUST_ID,ACCT_RCVBL_NBR", accounts).IsPrefixOf(accounts.Order()));
    EXPECT_TRUE(SortOrder::Parse("RCPT_NBR", receipts).IsPrefixOf(receipts.Order()));
}

TEST_P(StoreBackOfficeTest, account_detail_search_answers_the_ars_assessments) {
    RequestMessage request = Search("C", "0012345");
    request.keys.push_back({"key:LPO", "NO", "=", "PENTRAX"});

    ReplyMessage reply = Send(request);

    ASSERT_EQ(reply.errorText, "");
    ASSERT_EQ(reply.dataSets.size(), 1u);
    const DataTable& assessments = reply.dataSets.at("ASSESSMENT");
    ASSERT_EQ(assessments.RowCount(), 4u);
    EXPECT_EQ(Row(assessments, 2),
              "|A|3|500003|100001|ACME FREIGHT LINES INC|2023-03-20||F01|150.00|120.00|120.00|Y|");
    EXPECT_EQ(Column(assessments, "VLTN_ASSMT_STTS_CD"), (std::vector<std::string>{"A", "A", "A", "I"}));
}

TEST_P(StoreBackOfficeTest, code_tables_answer_every_code_table_with_current_and_ended_codes) {
    ReplyMessage reply = Send(Request(kCodeTablesRequest, {}));

    ASSERT_EQ(reply.errorText, "");
    const DataTable& codes = reply.dataSets.at("TVK_CODE");
    std::set<std::string> tables;
    std::string retired;
    for (std::size_t row = 0; row < codes.RowCount(); ++row) {
        tables.insert(codes.Cell(row, 0).ToStoreText() + "@" + codes.Cell(row, 3).ToStoreText());
        if (codes.Cell(row, 1).ToStoreText() == "X")
            retired = Row(codes, row);
    }
    EXPECT_EQ(tables, (std::set<std::string>{"ACCADJUST@R1", "ADJDOC@R1", "COLLECTN@R1", "CSTATUS@R1",
                                             "FEE@R1", "FORMDOC@R1", "FORMDOC@R2", "FUNDTYP@R1",
                                             "PAYADJUST@R1", "PENALTY@R1", "REFDOCTYP@R1", "REFUNDTYP@R1"}));
    EXPECT_EQ(retired, "REFDOCTYP|X|RETIRED FORM|R1|1993-01-01|2010-12-31||");
}

// On SQLite the client names its clerk; on PostgreSQL the clerk is the role that connected, whoever
// the client claims to be.
TEST_P(StoreBackOfficeTest, session_answers_the_signed_on_user_and_privileges_or_refuses_unknown_user) {
    struct Case {
        std::string userId;
        std::string user;
        std::string privileges;
        std::string error;
    };
    const Case cases[] = {
        {"SUPER", "SUPER|1|SUSAN SUPERVISOR|R1|",
         "ADJUSTAR,ADJUSTRECEIPT,CREATEREFUND,VERIFYREFUND,VOIDREFUND,", ""},
        {"clerk", "CLERK|2|CARL CLERK|R1|", "", ""},
        {"CANCELONLY", "CANCELONLY|6|CONNOR CANCEL|R1|", "ADJUSTRCPTCANCELONLY,", ""},
        {"RCPTCANCEL", "RCPTCANCEL|8|CORA CANCELS|R1|", "ADJUSTRCPTCANCELONLY,ADJUSTRECEIPT,", ""},
        {"NOBODY", "", "", "The user \"NOBODY\" is not known to the back office."},
    };
    const bool postgres = Engine() == StoreEngine::Postgres;
    for (const Case& each : cases) {
        SCOPED_TRACE(each.userId);
        const std::unique_ptr<BackOffice> desk = BackOffice::Open(store_.LocationFor(each.userId));
        const std::string claimed = postgres ? "SUPER" : each.userId;

        ReplyMessage reply = desk->Handle(Request(kSessionRequest, {Key("key:USER_ID", claimed)}));

        EXPECT_EQ(reply.errorText, each.error);
        if (!each.error.empty())
            continue;
        EXPECT_EQ(Row(reply.dataSets.at("USERINFO"), 0), each.user);
        std::string privileges;
        for (const std::string& name : Column(reply.dataSets.at("USERPRIVILEGE"), "PRVLG_NM"))
            privileges += name + ",";
        EXPECT_EQ(privileges, each.privileges);
    }
    if (!postgres) {
        EXPECT_EQ(Send(Request(kSessionRequest, {Key("key:USER_ID", "")})).errorText,
                  "The request lacks the user id (key:USER_ID).");
    }
}

TEST_P(StoreBackOfficeTest, every_reply_table_carries_exactly_the_fields_of_its_definition) {
    RequestMessage detail = Search("C", "12346");
    detail.keys.push_back({"key:LPO", "NO", "=", "PENTRAX"});
    const RequestMessage requests[] = {
        Search("K", "5555"),
        detail,
        Request(kCodeTablesRequest, {}),
        Request(kSessionRequest, {{"key:USER_ID", "SUPER", "=", "PENTRAX"}}),
        Request(kReferenceDataRequest, {}),
        Request(41, {Key("key:ACCT_RCVBL_NBR", "0012345"), Key("key:ACCT_RCVBL_TYP_CD", "C")}),
        ReceiptDetailRequest("0300001")};
    for (const RequestMessage& request : requests) {
        ReplyMessage reply = Send(request);

        ASSERT_FALSE(reply.dataSets.empty()) << reply.errorText;
        for (const auto& [name, table] : reply.dataSets) {
            SCOPED_TRACE(name);
            ASSERT_NE(DataSetDefinitions::Find(name), nullptr);
            EXPECT_EQ(table.Fields(), *DataSetDefinitions::Find(name));
            EXPECT_FALSE(table.IsEmpty());
        }
    }
}

TEST_P(StoreBackOfficeTest, account_activity_answers_the_ars_rows_in_store_order_or_refuses) {
    // number, type, and the reply's error text or else the activity codes of its rows.
    const std::array<std::string, 3> cases[] = {
        {"0012345", "C", "AS,RM,PY,LP,ZZ"},
        {"12345", "c", "AS,RM,PY,LP,ZZ"},
        {"1999999", "C", "VD"},
        {"0012346", "C", ""},
        {"0012345", "T", "There is no account receivable 0012345 of type \"T\"."},
        {"0012345-5", "C",
         "The account receivable number \"0012345-5\" is not valid: it has up to seven digits."},
        {"0012345", "", "The request lacks the account type (key:ACCT_RCVBL_TYP_CD)."},
    };
    for (const auto& [number, type, expected] : cases) {
        SCOPED_TRACE(number + " " + type);

        ReplyMessage reply = Send(Request(41, {Key("key:ACCT_RCVBL_NBR", number),
                                               Key("key:ACCT_RCVBL_TYP_CD", type), Key("key:THIN", "YES")}));

        std::string codes;
        if (reply.errorText.empty())
            for (const std::string& code : Column(reply.dataSets.at("ACCOUNTACTIVITY"), "ACCT_ACTVTY_CD"))
                codes += (codes.empty() ? "" : ",") + code;
        EXPECT_EQ(reply.errorText.empty() ? codes : reply.errorText, expected);
    }
    ReplyMessage reply =
        Send(Request(41, {Key("key:ACCT_RCVBL_NBR", "0012345"), Key("key:ACCT_RCVBL_TYP_CD", "C")}));
    EXPECT_EQ(Row(reply.dataSets.at("ACCOUNTACTIVITY"), 4),
              "5|0012345|C|2023-05-01|00:00|ZZ|12.50|347.50|Interest accrued|99|2023-05-01 00:00:05|||");
}

TEST_P(StoreBackOfficeTest, reference_data_answers_every_user_by_number_and_every_troop_district) {
    ReplyMessage reply = Send(Request(kReferenceDataRequest, {}));

    ASSERT_EQ(reply.errorText, "");
    EXPECT_EQ(Column(reply.dataSets.at("APPUSER"), "USER_NBR"),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(Row(reply.dataSets.at("APPUSER"), 1), "2|CARL CLERK|");
    const DataTable& troops = reply.dataSets.at("TROOPDISTRICT");
    ASSERT_EQ(troops.RowCount(), 42u);
    EXPECT_EQ(Row(troops, 0) + Row(troops, 1) + Row(troops, 2) + Row(troops, 41), "A|1|A|10|A|11|H|5|");
}

// A store of version 1 lacks troop_district, customer_word and print_template, one of version 2
// customer_word and print_template, one of version 3 only print_template; opening any adds what it
// lacks, as a new store has it.
TEST_P(StoreBackOfficeTest, opening_a_store_of_an_earlier_version_adds_what_it_lacks) {
    backOffice_.reset();
    const std::string troopsSql = "SELECT * FROM troop_district ORDER BY 1, 2";
    const std::string wordsSql = "SELECT * FROM customer_word ORDER BY 1, 2";
    const std::string troops = QueryText(store_.Location(), troopsSql);
    const std::string templatesSql = "SELECT * FROM print_template ORDER BY 1, 2";
    const std::string words = QueryText(store_.Location(), wordsSql);
    const std::string templates = QueryText(store_.Location(), templatesSql);
    const char* const lacking[] = {
        "DROP TABLE troop_district; DROP TABLE customer_word; DROP TABLE print_template",
        "DROP TABLE customer_word; DROP TABLE print_template", "DROP TABLE print_template"};
    for (std::int64_t version : {1, 2, 3}) {
        SCOPED_TRACE(version);
        {
            std::unique_ptr<StoreConnection> connection = OpenStore(store_.Location(), BackOffice::kBusyWait);
            StoreTransaction transaction(*connection, StoreConnection::Access::Write);
            connection->Execute(lacking[version - 1]);
            connection->RecordVersion(version);
            transaction.Commit();
        }

        std::unique_ptr<BackOffice> reopened = BackOffice::Open(store_.Location());

        ReplyMessage reply =
            reopened->Handle(Request(kCustomerSearchRequest, {Key("key:CUST_SEARCH", "zür")}));
        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(Column(reply.dataSets.at("CUSTOMERMATCH"), "CUST_ID"), std::vector<std::string>{"100011"});
        reopened.reset();
        EXPECT_EQ(QueryText(store_.Location(), troopsSql), troops);
        EXPECT_EQ(QueryText(store_.Location(), wordsSql), words);
        EXPECT_EQ(QueryText(store_.Location(), templatesSql), templates);
        EXPECT_EQ(OpenStore(store_.Location(), BackOffice::kBusyWait)->StoredVersion(), 4);
    }
}

TEST_P(StoreBackOfficeTest, a_store_of_a_later_version_is_refused_and_left_as_it_is) {
    backOffice_.reset();
    {
        std::unique_ptr<StoreConnection> connection = OpenStore(store_.Location(), BackOffice::kBusyWait);
        StoreTransaction transaction(*connection, StoreConnection::Access::Write);
        connection->RecordVersion(5);
        transaction.Commit();
    }
    const std::string before = DumpAccounts(store_.Location());
    std::string thrown;

    try {
        BackOffice::Open(store_.LocationFor("SUPER"));
    } catch (const std::runtime_error& failure) {
        thrown = failure.what();
    }

    EXPECT_TRUE(thrown.ends_with(" has version 5; this program reads version 4.")) << thrown;
    EXPECT_EQ(OpenStore(store_.Location(), BackOffice::kBusyWait)->StoredVersion(), 5);
    EXPECT_EQ(DumpAccounts(store_.Location()), before);
}

TEST_P(StoreBackOfficeTest, reopening_keeps_the_store_and_opens_a_bulk_customer) {
    backOffice_.reset();
    DemoData::BulkCustomer bulk =
        DemoData::AddBulkCustomer(*OpenStore(store_.Location(), BackOffice::kBusyWait), 3000, 2000);

    std::unique_ptr<BackOffice> reopened = BackOffice::Open(store_.LocationFor("SUPER"));
    ReplyMessage reply = reopened->Handle(Search(bulk.referenceType, bulk.referenceNumber));

    ASSERT_EQ(reply.errorText, "");
    EXPECT_EQ(reply.dataSets.at("ACNTSRCVBL").RowCount(), 3000u);
    EXPECT_EQ(reply.dataSets.at("RECEIPT").RowCount(), 2000u);
    EXPECT_EQ(bulk.referenceNumber, "3000000-" + std::to_string(*ComputeCheckDigit("3000000")));
    EXPECT_EQ(reopened->Handle(Search("C", "12345")).dataSets.at("ACNTSRCVBL").RowCount(), 13u);
}

// Later roads (adjustments, transfers, refunds) rely on these rows; a change of the demo data that loses
// one of them must fail here rather than in a scenario far away.
TEST_P(StoreBackOfficeTest, demo_data_reaches_every_edge_case_the_roads_need) {
    // Each distinct value of a column, in order, each followed by "|".
    auto distinct = [this](const std::string& column, const std::string& from) {
        std::string values =
            QueryText(store_.Location(), "SELECT DISTINCT " + column + " AS v FROM " + from + " ORDER BY v");
        std::erase(values, '\n');
        return values;
    };
    const std::pair<std::string, std::string> cases[] = {
        {distinct("ACCT_RCVBL_TYP_CD", "acct_rcvbl"), "A|C|P|T|"},
        {distinct("ACCT_STTS_CD", "acct_rcvbl"), "C|D|O|P|V|"},
        {distinct("ACCT_RCVBL_NBR", "acct_rcvbl WHERE ACCT_STTS_CD = 'V'"), "1999999|2000000|"},
        {distinct("ACCT_RCVBL_NBR", "acct_rcvbl WHERE CASE_ID IS NOT NULL OR ACTV_STTS_CD = 'I'"),
         "12350|12351|"},
        {distinct("ASSMT_CD", "assessment WHERE LIC_PRCHS_OPTN_IND = 'Y'"), "F01|F09|F15|"},
        {distinct("VLTN_ASSMT_STTS_CD", "assessment"), "A|I|"},
        {distinct("RCPT_STTS_CD", "receipt"), "B|C|O|"},
        {distinct("CASE WHEN CNFRMTN_NBR IS NULL THEN 1 ELSE 0 END", "receipt"), "0|1|"},
        {distinct("OVR_PYMT_STTS_CD", "overpayment"), "C|O|R|T|"},
        {distinct("COALESCE(ACTVTY_STTS_CD, '-')", "payment"), "-|B|C|"},
        {distinct("FUND_TYP_CD || COALESCE(EXPRTN_DY_DT, '-')", "fund"), "C-|E-|K-|M-|R-|R31|"},
        // A backed-out receipt whose backed-out money is still open, and one whose payments are all
        // adjusted.
        {distinct("r.RCPT_NBR", "receipt r JOIN overpayment o ON o.RCPT_NBR = r.RCPT_NBR WHERE "
                                "r.RCPT_STTS_CD = 'B' AND o.OVR_PYMT_STTS_CD = 'O'"),
         "600001|"},
        {distinct("r.RCPT_NBR", "receipt r WHERE r.RCPT_STTS_CD = 'O' AND NOT EXISTS (SELECT 1 FROM "
                                "payment p WHERE p.RCPT_NBR = r.RCPT_NBR AND p.ACTVTY_STTS_CD IS NULL)"),
         "100006|"},
        {distinct("USER_ID", "user_privilege WHERE PRVLG_NM IN ('ADJUSTRECEIPT', 'CREATEREFUND', "
                             "'ADJUSTRCPTCANCELONLY') GROUP BY USER_ID HAVING COUNT(*) = 1 OR USER_ID = "
                             "'RCPTCANCEL'"),
         "ADJRCPT|CANCELONLY|RCPTCANCEL|REFUNDS|"},
        {distinct("STTS_CD", "refund"), "0|1|2|3|4|5|T|V|"},
        {distinct("COUNT(*)", "refund WHERE CREATOR_ID = VERIFY_ID OR VERIFY_ID = APPROVE_ID"), "0|"},
    };
    for (const auto& [found, expected] : cases)
        EXPECT_EQ(found, expected);
}

TEST_P(StoreBackOfficeTest, stored_check_digits_are_the_luhn_digits_of_the_numbers) {
    std::unique_ptr<StoreConnection> database = OpenStore(store_.Location(), BackOffice::kBusyWait);
    StoreQuery query(*database,
                     "SELECT SUBSTR(CAST(10000000 + ACCT_RCVBL_NBR AS TEXT), 2), ACCT_RCVBL_CK_NBR "
                     "FROM acct_rcvbl UNION ALL SELECT SUBSTR(CAST(10000000 + RCPT_NBR AS TEXT), 2), "
                     "RCPT_CK_NBR FROM receipt");
    int checked = 0;

    while (query.Step()) {
        EXPECT_EQ(query.Integer(1), ComputeCheckDigit(query.Text(0)).value()) << query.Text(0);
        ++checked;
    }

    EXPECT_GT(checked, 30);
}

TEST(StoreBackOffice, opening_what_cannot_serve_as_a_store_fails_with_a_plain_sentence) {
    const TestStore folder(StoreEngine::Sqlite);
    std::filesystem::path garbage = folder.Folder() / "garbage.db";
    std::ofstream(garbage) << std::string(4096, 'x');
    std::filesystem::path foreign = folder.Folder() / "foreign.db";
    OpenStore(foreign, BackOffice::kBusyWait)->Execute("CREATE TABLE notes (text TEXT)");
    BackOffice::Open(folder.Location());
    const std::string readOnly = "file:" + folder.Location() + "?mode=ro";
    const std::pair<std::string, std::string> cases[] = {
        {garbage.string(), "cannot be used: file is not a database"},
        {foreign.string(),
         "The file " + foreign.string() + " holds other tables: it is not a back-office store."},
        {(folder.Folder() / "missing" / "store.db").string(), "cannot be opened"},
        // A store started read-only would fail only at the first save.
        {readOnly, "The back-office store " + readOnly +
                       " can only be read by this user, so nothing could be saved in it. Give the user write "
                       "access to the file and its folder, or choose another store."},
    };
    for (const auto& [location, error] : cases) {
        SCOPED_TRACE(location);
        std::string thrown;

        try {
            BackOffice::Open(location);
        } catch (const std::runtime_error& failure) {
            thrown = failure.what();
        }

        EXPECT_NE(thrown.find(error), std::string::npos) << thrown;
    }
}

TAVRIK_ON_BOTH_ENGINES(StoreBackOfficeTest);

} // namespace
} // namespace tavrik

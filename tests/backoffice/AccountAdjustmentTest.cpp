#include "backoffice/BackOffice.h"
#include "backoffice/RefusalTexts.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
#include "common/Utf8.h"
#include "store/OpenStore.h"
#include "store/StoreQuery.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <latch>
#include <set>
#include <thread>

namespace tavrik {
namespace {

// The AR as the detail form holds it after the document's reads: its labels and its assessments.
struct ReadAccount {
    std::string number;
    std::string type;
    std::string checkDigit;
    std::string customer;
    DataTable assessments = {};
};

std::string AllRows(const DataTable& table) {
    std::string text;
    for (std::size_t row = 0; row < table.RowCount(); ++row)
        text += Row(table, row) + "\n";
    return text;
}

// A License Purchase Option of an in-state purchase, as the dialog's boxes give it.
void AddLpo(RequestMessage& request) {
    DataTable lpo = *DataSetDefinitions::EmptyTable("CTTNADTNINFO");
    // In the data set's field order, from ACTION to PRCHS_OPTN_TXT (no comment).
    lpo.AddRow({"UPD", "0", "ABC-123", *CalendarDate::FromYmd(2023, 9, 1), "14:05", "a", "10", "12000",
                "$1,234.50", FieldValue()});
    request.dataSets["CTTNADTNINFO"] = std::move(lpo);
}

class AccountAdjustmentTest : public StoreTest {
protected:
    AccountAdjustmentTest() { NewStore(); }

    // A new store with the demo data; the clock stands at 09/15/2023 10:30:05.
    void NewStore() {
        desks_.reset();
        store_ = std::make_unique<TestStore>(Engine());
        desks_ = std::make_unique<ClerkDesks>(*store_);
    }

    ReplyMessage Send(const RequestMessage& request) { return desks_->Send(request); }

    const std::string& Location() const { return store_->Location(); }

    ReadAccount Read(const std::string& number, const std::string& type) {
        RequestMessage search = Request(47, {Key("key:REF_NBR", number), Key("key:REF_TYP_CD", type)});
        const DataTable accounts = Send(search).dataSets.at("ACNTSRCVBL");
        std::size_t row = 0;
        while (Column(accounts, "ACCT_RCVBL_NBR").at(row) != number)
            ++row;
        ReadAccount read{number, type, Column(accounts, "ACCT_RCVBL_CK_NBR").at(row),
                         Column(accounts, "CUST_ID").at(row)};
        search.keys.push_back(Key("key:LPO", "NO"));
        read.assessments = Send(search).dataSets.at("ASSESSMENT");
        return read;
    }

    // Request 48 as the form builds it: each ticked assessment (by sequence number) removed when it
    // is active and reinstated when not; or the action on the whole AR.
    static RequestMessage Save(const ReadAccount& read, const std::set<std::int64_t>& ticked,
                               const std::string& action = "", const std::string& day = "2023-09-15") {
        RequestMessage request = Request(
            48, {Key("key:REF_NBR", read.number), Key("key:REF_TYP_CD", read.type), Key("key:LPO", "NO")});
        DataTable header = *DataSetDefinitions::EmptyTable("ADJUSTAR");
        // In the data set's field order: ACTION, CUST_ID, ADJSTMT_DT, ADJST_CMMT_TXT, ADJSTMT_TYP_CD,
        // ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD.
        header.AddRow(
            {"ADD", read.customer, day, "Clerk error", action, read.number, read.checkDigit, read.type});
        request.dataSets["ADJUSTAR"] = std::move(header);
        if (ticked.empty())
            return request;

        const DataTable& stored = read.assessments;
        DataTable rows = *DataSetDefinitions::EmptyTable("ASSESSMENT");
        for (std::size_t from = 0; from < stored.RowCount(); ++from) {
            auto value = [&](std::string_view field) { return stored.Cell(from, *stored.FieldIndex(field)); };
            if (!ticked.contains(*value("VLTN_ASSMT_SEQ_NBR").AsInteger()))
                continue;
            bool removal = value("VLTN_ASSMT_STTS_CD").ToText() == "A";
            bool lpo = value("LIC_PRCHS_OPTN_IND").ToText() == "Y";
            std::size_t row = rows.AddRow();
            for (std::string_view field : {"CUST_ID", "TRNSCTN_NBR", "ASSMT_CD", "VLTN_ASSMT_SEQ_NBR"})
                Put(rows, row, field, value(field));
            Put(rows, row, "ACTION", "UPD");
            Put(rows, row, "ADJSTMT_DT", day);
            Put(rows, row, lpo ? "AC_ASMT_AMT" : "CL_ASMT_AMT", value(lpo ? "AC_ASMT_AMT" : "CL_ASMT_AMT"));
            Put(rows, row, "BAL_DUE_AMT", removal ? FieldValue(Currency()) : value("BAL_DUE_AMT"));
            Put(rows, row, "VLTN_ASSMT_STTS_CD", removal ? "I" : "A");
            if (lpo)
                Put(rows, row, "LIC_PRCHS_OPTN_IND", "Y");
        }
        request.dataSets["ASSESSMENT"] = std::move(rows);
        return request;
    }

    // The newest activity rows of the AR as request 41 answers them, from ACTVTY_DT on.
    std::string LastActivity(const std::string& number, const std::string& type, std::size_t count) {
        ReplyMessage reply =
            Send(Request(41, {Key("key:ACCT_RCVBL_NBR", number), Key("key:ACCT_RCVBL_TYP_CD", type)}));
        const DataTable& rows = reply.dataSets.at("ACCOUNTACTIVITY");
        std::string text;
        for (std::size_t row = rows.RowCount() - count; row < rows.RowCount(); ++row) {
            for (std::size_t field = *rows.FieldIndex("ACTVTY_DT"); field < rows.Fields().size(); ++field)
                text += rows.Cell(row, field).ToStoreText() + "|";
            text += "\n";
        }
        return text;
    }

    std::string Account(std::int64_t number) {
        return QueryText(Location(),
                         "SELECT ACCT_STTS_CD, ACCT_RCVBL_BAL_AMT, ACCT_RCVBL_DUE_AMT, ROW_VERSION FROM "
                         "acct_rcvbl WHERE ACCT_RCVBL_NBR = " +
                             std::to_string(number));
    }

    std::string Assessments(std::int64_t number) {
        return QueryText(Location(),
                         "SELECT VLTN_ASSMT_SEQ_NBR, VLTN_ASSMT_STTS_CD, TRNSCTN_NBR, BAL_DUE_AMT, "
                         "ADJSTMT_DT, ROW_VERSION FROM assessment WHERE ACCT_RCVBL_NBR = " +
                             std::to_string(number) + " ORDER BY 1");
    }

    std::unique_ptr<TestStore> store_;
    std::unique_ptr<ClerkDesks> desks_;
};

// Removes F02 and the LPO fee F01 (issued on the adjustment date itself) and reinstates F05.
TEST_P(AccountAdjustmentTest, removal_and_reinstatement_renew_assessments_balances_activity_and_lpo) {
    RequestMessage save = Save(Read("0012345", "C"), {2, 3, 4}, "", "2023-03-20");
    save.userId = "adjar";
    AddLpo(save);

    ReplyMessage reply = Send(save);

    ASSERT_EQ(reply.errorText, "");
    EXPECT_EQ(Assessments(12345), "1|A|500001|2500000||1|\n"
                                  "2|I|710010|0|2023-03-20|2|\n"
                                  "3|I|710011|0|2023-03-20|2|\n"
                                  "4|A|710012|750000|2023-03-20|2|\n");
    EXPECT_EQ(Account(12345), "O|2675000|3550000|2|\n");
    EXPECT_EQ(QueryText(Location(), "SELECT * FROM cttn_adtn_info"),
              "12345|0|ABC-123|2023-09-01|14:05|A|10|12000|12345000||\n");
    EXPECT_EQ(LastActivity("0012345", "C", 4),
              "2023-03-20|10:30|RM|-35.00|312.50|Clerk error|3|2023-09-15 10:30:05|||\n"
              "2023-03-20|10:30|RM|-120.00|192.50|Clerk error|3|2023-09-15 10:30:05|||\n"
              "2023-03-20|10:30|RI|75.00|267.50|Clerk error|3|2023-09-15 10:30:05|||\n"
              "2023-03-20|10:30|LP|0.00|267.50|Clerk error|3|2023-09-15 10:30:05|||\n");
    EXPECT_EQ(AllRows(reply.dataSets.at("ASSESSMENT")), AllRows(Read("0012345", "C").assessments));
}

TEST_P(AccountAdjustmentTest, void_and_delete_clear_the_balance_and_every_active_assessment) {
    struct Case {
        std::string number;
        std::string type;
        std::string action;
        std::string account;     // status, balance, due, row version
        std::string assessments; // each distinct status, adjustment date and "renewed" (1) of its assessments
        std::string activity;    // the new row's code, amount and balance
    };
    const Case cases[] = {
        {"0012346", "C", "V", "V|0|11200000|2|", "I2023-09-151", "VD|-1020.00|0.00"},
        {"0012346", "C", "D", "D|0|11200000|2|", "I2023-09-151", "DL|-1020.00|0.00"},
        {"1999999", "C", "D", "D|0|0|2|", "I2022-12-050", "DL|0.00|0.00"},
        {"2000001", "C", "V", "V|0|1750000|2|", "I2023-09-151", "VD|-175.00|0.00"},
        {"0020001", "T", "D", "D|0|350000|2|", "I2023-09-151", "DL|0.00|0.00"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.number + " " + each.action);
        NewStore();
        const std::string number = std::to_string(std::stoll(each.number));

        ReplyMessage reply = Send(Save(Read(each.number, each.type), {}, each.action));

        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(Account(std::stoll(number)), each.account + "\n");
        EXPECT_EQ(QueryText(Location(),
                            "SELECT DISTINCT VLTN_ASSMT_STTS_CD || ADJSTMT_DT || CASE WHEN TRNSCTN_NBR > "
                            "710009 THEN 1 ELSE 0 END FROM assessment WHERE ACCT_RCVBL_NBR = " +
                                number),
                  each.assessments + "|\n");
        EXPECT_EQ(LastActivity(each.number, each.type, 1),
                  "2023-09-15|10:30|" + each.activity + "|Clerk error|1|2023-09-15 10:30:05|||\n");
        EXPECT_EQ(AllRows(reply.dataSets.at("ASSESSMENT")),
                  AllRows(Read(each.number, each.type).assessments));
    }
}

TEST_P(AccountAdjustmentTest, refusals_say_why_and_change_nothing) {
    using T = RefusalTexts;
    struct Case {
        std::string name;
        std::string error;
        Change change = {}; // none: the request as the form builds it
        std::set<std::int64_t> ticked = {1};
        std::string number = "0012345";
        std::string type = "C";
        std::string action = "";
        std::string day = "2023-09-15";
        bool lpo = false; // adds an in-state License Purchase Option
    };
    auto lpo = [](std::string name, std::string error, Change change) {
        return Case{.name = name, .error = error, .change = change, .ticked = {3}, .lpo = true};
    };
    const Case cases[] = {
        {"sender without the privilege", "The user CLERK may not adjust accounts receivable.",
         [](RequestMessage& request) { request.userId = "clerk"; }},
        {"no ADJUSTAR row", T::RowCount("ADJUSTAR"),
         [](RequestMessage& request) { request.dataSets.at("ADJUSTAR").KeepFirstRows(0); }},
        {"ADJUSTAR action", T::RowAction("ADJUSTAR", "ADD", "UPD"), Set("ADJUSTAR", "ACTION", "UPD")},
        {"ADJUSTAR of another AR", T::OtherAccount("0012346", "C", "0012345", "C"),
         Set("ADJUSTAR", "ACCT_RCVBL_NBR", "0012346")},
        {"another customer", T::OtherCustomer("The adjustment", "100002", "0012345", "100001"),
         Set("ADJUSTAR", "CUST_ID", "100002")},
        {"wrong check digit", T::WrongCheckDigit("4", "0012345"), Set("ADJUSTAR", "ACCT_RCVBL_CK_NBR", "4")},
        {.name = "date after today",
         .error = T::AfterToday("adjustment date", *CalendarDate::FromYmd(2023, 9, 16)),
         .day = "2023-09-16"},
        {"blank comment", std::string(T::kCommentRequired), Set("ADJUSTAR", "ADJST_CMMT_TXT", "  ")},
        {"unknown action", T::UnknownAction("x"), Set("ADJUSTAR", "ADJSTMT_TYP_CD", "x")},
        {"inactive AR", T::InactiveAccount("0012351"), {}, {}, "0012351", "C", "V"},
        {"AR on a case", T::AccountOnCase("0012350", "CASE-2023-0042"), {}, {}, "0012350", "C", "V"},
        {"deleted AR", T::ChangedSinceRead("0012353"), {}, {}, "0012353", "C", "D"},
        {"reinstating on a voided AR", T::ChangedSinceRead("1999999"), {}, {1}, "1999999"},
        {"action with assessments", std::string(T::kActionWithOtherChanges), {}, {1}, "0012345", "C", "V"},
        {"void of a payment plan", std::string(T::kPaymentPlanAction), {}, {}, "0030001", "P", "V"},
        {"delete of an alert", std::string(T::kDeleteOnlyForms), {}, {}, "0040001", "A", "D"},
        {"delete of a generated form", T::GeneratedForm("2000001"), {}, {}, "2000001", "C", "D"},
        {"nothing ticked", std::string(T::kNothingToAdjust), {}, {}},
        {"assessment of another AR", "Assessment 5 is not on account receivable 0012345.",
         Set("ASSESSMENT", "VLTN_ASSMT_SEQ_NBR", 5)},
        {"assessment twice", T::AssessmentTwice(1),
         [](RequestMessage& request) {
             DataTable& rows = request.dataSets.at("ASSESSMENT");
             rows.AddRowFrom(rows, 0);
         }},
        {"assessment status", T::AssessmentStatus(1, "X"), Set("ASSESSMENT", "VLTN_ASSMT_STTS_CD", "X")},
        {"assessment dated otherwise", T::AssessmentDate(1), Set("ASSESSMENT", "ADJSTMT_DT", "2023-09-14")},
        {.name = "before the assessment date",
         .error = T::BeforeAssessment(1, *CalendarDate::FromYmd(2023, 3, 15)),
         .day = "2023-03-14"},
        {"transaction number of an older read",
         "Account receivable 0012345 was changed by someone else since it was read. Nothing was saved; close "
         "the window and open the account again.",
         Set("ASSESSMENT", "TRNSCTN_NBR", 500002)},
        {"other amount", T::ChangedSinceRead("0012345"), Set("ASSESSMENT", "CL_ASMT_AMT", "$249.99")},
        {"removing a removed one", T::AlreadyRemoved(4), Set("ASSESSMENT", "VLTN_ASSMT_STTS_CD", "I"), {4}},
        {"reinstating an active one", T::NotRemoved(1), Set("ASSESSMENT", "VLTN_ASSMT_STTS_CD", "A")},
        {.name = "two LPO fees", .error = std::string(T::kOneLpoFee), .ticked = {1, 3}, .number = "0012346"},
        {"LPO fee without LPO", std::string(T::kLpoRequired), {}, {3}},
        {.name = "LPO without LPO fee", .error = std::string(T::kLpoNotExpected), .lpo = true},
        lpo("neither in nor out of state", std::string(T::kLpoState),
            Set("CTTNADTNINFO", "PRCHS_OPTN_ST_CD", "2")),
        lpo("purchase time", T::PurchaseTime("9:05"), Set("CTTNADTNINFO", "PRCHS_OPTN_TM", "9:05")),
        lpo("district of another troop", T::NoSuchDistrict("B", "10"), Set("CTTNADTNINFO", "PO_TRP_ID", "B")),
        lpo("weight zero", std::string(T::kWeight), Set("CTTNADTNINFO", "PRCHS_OPTN_WGT", 0)),
        lpo("amount over the limit", std::string(T::kAmountPaid),
            Set("CTTNADTNINFO", "TOT_PRCHS_OPTN_AMT", "$10,000,000.00")),
        lpo("no plate and no comment", std::string(T::kLpoComment),
            Set("CTTNADTNINFO", "PRCHS_OPTN_TAG_NBR", "")),
        {"Latin-1 comment", T::NotUtf8("ADJST_CMMT_TXT in ADJUSTAR"),
         Set("ADJUSTAR", "ADJST_CMMT_TXT", "Geb\xfchr")},
        lpo("half a character at the end of the LPO comment", T::NotUtf8("PRCHS_OPTN_TXT in CTTNADTNINFO"),
            Set("CTTNADTNINFO", "PRCHS_OPTN_TXT", "M\xc3")),
        {"key value not UTF-8", T::NotUtf8("key key:REF_NBR"),
         [](RequestMessage& request) { request.keys[0].value = "00123\xff"; }},
        {"user id not UTF-8", T::NotUtf8("user id"),
         [](RequestMessage& request) { request.userId = "SUPER\xc0\xaf"; }},
    };
    const std::string before = DumpAccounts(Location());
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        RequestMessage save = Save(Read(each.number, each.type), each.ticked, each.action, each.day);
        if (each.lpo)
            AddLpo(save);
        if (each.change)
            each.change(save);

        ReplyMessage reply = Send(save);

        EXPECT_EQ(reply.errorText, each.error);
        EXPECT_TRUE(Utf8::IsValid(reply.errorText));
        EXPECT_TRUE(reply.dataSets.empty());
        EXPECT_EQ(DumpAccounts(Location()), before);
    }
}

TEST_P(AccountAdjustmentTest, second_save_from_the_same_read_is_refused_whole) {
    struct Case {
        std::string number;
        std::set<std::int64_t> first;
        std::set<std::int64_t> second;
        std::string action;
    };
    // The second save removes assessment 1, unchanged, before it reaches the reinstated assessment 4.
    const Case cases[] = {{"0012345", {4}, {1, 4}, ""}, {"0012346", {}, {}, "V"}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.number);
        ReadAccount read = Read(each.number, "C");
        ASSERT_EQ(Send(Save(read, each.first, each.action)).errorText, "");
        const std::string saved = DumpAccounts(Location());

        ReplyMessage reply = Send(Save(read, each.second, each.action));

        EXPECT_EQ(reply.errorText, RefusalTexts::ChangedSinceRead(each.number));
        EXPECT_EQ(DumpAccounts(Location()), saved);
    }
}

// The comment (254), the plate (8) and the LPO comment (254) count characters: exactly the limit
// fits whatever bytes each character takes, one more is refused, and nothing is cut.
TEST_P(AccountAdjustmentTest, text_limits_count_characters_of_one_to_four_bytes) {
    using T = RefusalTexts;
    for (const std::string character : {"a", "\u00e9", "\u20ac", "\U0001F600"}) {
        SCOPED_TRACE(character);
        NewStore();
        const auto save = [&](std::size_t comment, std::size_t plate, std::size_t lpoComment) {
            RequestMessage request = Save(Read("0012345", "C"), {3});
            AddLpo(request);
            Set("ADJUSTAR", "ADJST_CMMT_TXT", Repeat(character, comment))(request);
            Set("CTTNADTNINFO", "PRCHS_OPTN_TAG_NBR", Repeat(character, plate))(request);
            Set("CTTNADTNINFO", "PRCHS_OPTN_TXT", Repeat(character, lpoComment))(request);
            return Send(request).errorText;
        };
        const std::string before = DumpAccounts(Location());

        const std::string longComment = save(255, 8, 254);
        const std::string longPlate = save(254, 9, 254);
        const std::string longLpoComment = save(254, 8, 255);
        const std::string unchanged = DumpAccounts(Location());
        const std::string atTheLimits = save(254, 8, 254);

        EXPECT_EQ(longComment, T::TooLong("comment", 254));
        EXPECT_EQ(longPlate, T::TooLong("plate number", 8));
        EXPECT_EQ(longLpoComment, T::TooLong("License Purchase Option comment", 254));
        EXPECT_EQ(unchanged, before);
        EXPECT_EQ(atTheLimits, "");
        EXPECT_EQ(QueryText(Location(),
                            "SELECT DISTINCT ACTVTY_CMMT_TXT FROM account_activity WHERE LST_UPDT_TS = "
                            "'2023-09-15 10:30:05'"),
                  Repeat(character, 254) + "|\n");
        EXPECT_EQ(QueryText(Location(), "SELECT PRCHS_OPTN_TAG_NBR, PRCHS_OPTN_TXT FROM cttn_adtn_info"),
                  Repeat(character, 8) + "|" + Repeat(character, 254) + "|\n");
    }
}

// Two desks save the same change of one AR at the same moment, round after round (removing the fee,
// then reinstating it): each time one is applied and the other refused as stale, never both, and the
// AR's balance and activity account for exactly the applied ones.
TEST_P(AccountAdjustmentTest, two_desks_racing_on_one_ar_end_with_one_applied_and_the_other_refused) {
    constexpr int kRounds = 24;
    const std::string balanceLessFees =
        "SELECT a.ACCT_RCVBL_BAL_AMT - (SELECT SUM(s.BAL_DUE_AMT) FROM assessment s WHERE s.ACCT_RCVBL_NBR = "
        "a.ACCT_RCVBL_NBR AND s.VLTN_ASSMT_STTS_CD = 'A') FROM acct_rcvbl a WHERE a.ACCT_RCVBL_NBR = 12345";
    const std::string invariant = QueryText(Location(), balanceLessFees);
    const std::string before =
        QueryText(Location(), "SELECT ACCT_RCVBL_BAL_AMT, ACCT_RCVBL_DUE_AMT, ROW_VERSION FROM acct_rcvbl "
                              "WHERE ACCT_RCVBL_NBR = 12345");
    const std::string activityCount = "SELECT COUNT(*) FROM account_activity WHERE ACCT_RCVBL_NBR = 12345";
    const int activityBefore = std::stoi(QueryText(Location(), activityCount));
    Send(Request(kSessionRequest, {Key("key:USER_ID", "SUPER")}));
    RequestMessage fromAdjar = Request(kSessionRequest, {Key("key:USER_ID", "ADJAR")});
    fromAdjar.userId = "ADJAR";
    Send(fromAdjar);

    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const ReadAccount read = Read("0012345", "C");
        RequestMessage first = Save(read, {2});
        RequestMessage second = Save(read, {2});
        second.userId = "ADJAR";

        EXPECT_EQ(desks_->SendAtOnce(first, second),
                  (std::set<std::string>{"", RefusalTexts::ChangedSinceRead("0012345")}));
        EXPECT_EQ(QueryText(Location(), balanceLessFees), invariant);
    }

    // Every applied save renewed the AR once; an even number of them left its amounts as they were.
    EXPECT_EQ(QueryText(Location(), "SELECT ACCT_RCVBL_BAL_AMT, ACCT_RCVBL_DUE_AMT, ROW_VERSION - " +
                                        std::to_string(kRounds) +
                                        " FROM acct_rcvbl WHERE ACCT_RCVBL_NBR = 12345"),
              before);
    EXPECT_EQ(std::stoi(QueryText(Location(), activityCount)), activityBefore + kRounds);
}

// Another desk holds the AR in a save it has not finished: a desk that waits 200 ms for it gives up
// with the busy text and saves nothing; one that waits longer saves once the other desk is done.
TEST_P(AccountAdjustmentTest,
       a_save_waits_for_another_desk_holding_the_ar_and_says_busy_when_it_lasts_too_long) {
    using namespace std::chrono_literals;
    const ReadAccount read = Read("0012345", "C");
    const std::string before = DumpAccounts(Location());
    const std::unique_ptr<BackOffice> impatient = BackOffice::Open(store_->LocationFor("SUPER"), {}, 200ms);
    const std::unique_ptr<StoreConnection> otherDesk = OpenStore(Location(), 5s);
    otherDesk->Begin(StoreConnection::Access::Write);
    StoreQuery(*otherDesk, "UPDATE acct_rcvbl SET ROW_VERSION = ROW_VERSION WHERE ACCT_RCVBL_NBR = 12345")
        .Run();

    const ReplyMessage whileHeld = impatient->Handle(Save(read, {2}));
    const std::string afterRefusal = DumpAccounts(Location());
    std::thread release([&otherDesk] {
        std::this_thread::sleep_for(300ms);
        otherDesk->Commit();
    });
    const ReplyMessage afterRelease = Send(Save(read, {2}));
    release.join();

    EXPECT_EQ(whileHeld.errorText, RefusalTexts::kBusySaving);
    EXPECT_EQ(afterRefusal, before);
    EXPECT_EQ(afterRelease.errorText, "");
    EXPECT_EQ(QueryText(Location(), "SELECT VLTN_ASSMT_STTS_CD FROM assessment WHERE ACCT_RCVBL_NBR = 12345 "
                                    "AND VLTN_ASSMT_SEQ_NBR = 2"),
              "I|\n");
}

TAVRIK_ON_BOTH_ENGINES(AccountAdjustmentTest);

} // namespace
} // namespace tavrik

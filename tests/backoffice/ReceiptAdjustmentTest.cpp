#include "backoffice/DemoData.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RefusalTexts.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
#include "common/Utf8.h"
#include "store/OpenStore.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tavrik {
namespace {

// The payments a clerk chose in the grid: AR number as shown, and "B" or "C".
using Chosen = std::map<std::string, std::string>;

// Request 48 as the receipt detail form builds it from its read: the whole receipt's action with a row
// for each payment not yet adjusted, or the payments chosen.
RequestMessage Save(const ReplyMessage& read, const std::string& action, const Chosen& chosen,
                    const std::string& day = "2023-09-14",
                    const std::string& comment = "Paid on the wrong AR") {
    const std::string receipt = Column(read.dataSets.at("RECEIPT"), "RCPT_NBR").at(0);
    RequestMessage request =
        Request(kAdjustmentRequest, {Key("key:RECEIPT_NBR", receipt), Key("key:RECEIPT_DETL", "YES")});
    DataTable header = *DataSetDefinitions::EmptyTable("ADJUSTPAY");
    // ACTION, ADJSTMT_DT, ADJSTMT_CMMT_TXT, ADJSTMT_TYP_CD, RCPT_NBR.
    header.AddRow({"ADD", day, comment, action, receipt});
    request.dataSets["ADJUSTPAY"] = std::move(header);

    const DataTable& payments = read.dataSets.at("ACNTSRCVBL");
    DataTable rows = *DataSetDefinitions::EmptyTable("ACNTSRCVBL");
    for (std::size_t payment = 0; payment < payments.RowCount(); ++payment) {
        auto value = [&](std::string_view field) {
            return payments.Cell(payment, *payments.FieldIndex(field));
        };
        const std::string account = value("ACCT_RCVBL_NBR").ToText();
        std::string adjustAction = action;
        if (action.empty())
            adjustAction = chosen.contains(account) ? chosen.at(account) : "";
        else if (!value("ADJSTMT_DT").IsNull())
            adjustAction = "";
        if (adjustAction.empty())
            continue;
        const std::size_t row = rows.AddRow();
        Put(rows, row, "ACTION", "UPD");
        Put(rows, row, "ADJST_ACTION", adjustAction);
        Put(rows, row, "ADJSTMT_DT", "2023-09-15");
        for (std::string_view field : {"CUST_ID", "ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_NBR", "ACCT_RCVBL_CK_NBR",
                                       "CL_PYMT_AMT", "TRNSCTN_DT", "TRNSCTN_NBR"})
            Put(rows, row, field, value(field));
    }
    request.dataSets["ACNTSRCVBL"] = std::move(rows);
    return request;
}

// Every data set of a receipt detail reply, as text.
std::string Detail(const ReplyMessage& reply) {
    std::string text;
    for (const char* dataSet : {"RECEIPT", "FUND", "ACNTSRCVBL", "OVERPAYMENT", "REFUND"})
        text += std::string(dataSet) + ":\n" + RenderRows(reply, dataSet);
    return text;
}

class ReceiptAdjustmentTest : public StoreTest {
protected:
    ReceiptAdjustmentTest() { NewStore(); }

    // A new store with the demo data; the clock stands at 09/15/2023 10:30:05.
    void NewStore() {
        desks_.reset();
        store_ = std::make_unique<TestStore>(Engine());
        desks_ = std::make_unique<ClerkDesks>(*store_);
    }

    ReplyMessage Send(const RequestMessage& request) { return desks_->Send(request); }
    ReplyMessage Read(const std::string& receipt) { return Send(ReceiptDetailRequest(receipt)); }
    std::string Query(const std::string& sql) const { return QueryText(store_->Location(), sql); }

    // What an adjustment of the receipt may change, one line a row: the receipt; its payments; the
    // ARs it paid; the activity recorded at the clock's moment; its excess funds.
    std::string ReceiptState(const std::string& receipt) const {
        const std::string number = std::to_string(std::stoll(receipt));
        return Query("SELECT RCPT_STTS_CD, ROW_VERSION FROM receipt WHERE RCPT_NBR = " + number) +
               Query(
                   "SELECT TRNSCTN_NBR, ACCT_RCVBL_NBR, CL_PYMT_AMT, ACTVTY_STTS_CD, ADJSTMT_DT, ROW_VERSION "
                   "FROM payment WHERE RCPT_NBR = " +
                   number + " ORDER BY PYMT_NBR") +
               Query("SELECT ACCT_RCVBL_NBR, ACCT_STTS_CD, ACCT_RCVBL_BAL_AMT, ROW_VERSION FROM acct_rcvbl "
                     "WHERE ACCT_RCVBL_NBR IN (SELECT ACCT_RCVBL_NBR FROM payment WHERE RCPT_NBR = " +
                     number + ") ORDER BY 1") +
               Query(
                   "SELECT ACCT_RCVBL_NBR, ACTVTY_DT, ACTVTY_TM, ACCT_ACTVTY_CD, ACTVTY_AMT, ACTVTY_BAL_AMT, "
                   "ACTVTY_CMMT_TXT, LST_UPDT_USER_ID FROM account_activity WHERE LST_UPDT_TS = "
                   "'2023-09-15 10:30:05' ORDER BY ACTIVITY_ID") +
               Query("SELECT CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, OVR_PYMT_AMT, OVR_PYMT_STTS_CD, ROW_VERSION "
                     "FROM overpayment WHERE RCPT_NBR = " +
                     number + " ORDER BY OVR_PYMT_ID");
    }

    std::unique_ptr<TestStore> store_;
    std::unique_ptr<ClerkDesks> desks_;
};

TEST_P(ReceiptAdjustmentTest, adjustments_move_payments_ars_and_money_as_the_action_says) {
    struct Case {
        std::string name;
        std::string user;
        std::string receipt;
        std::string action;
        Chosen chosen;
        std::string state; // ReceiptState afterwards
    };
    const Case cases[] = {
        {"back out of one payment reopens its paid AR and leaves the money as an open excess fund",
         "ADJRCPT",
         "0100001",
         "",
         {{"0020001", "B"}},
         "O|1|\n"
         "700001|12345|1000000|||1|\n"
         "700002|20001|350000|B|2023-09-14|2|\n"
         "700003|30001|2650000|B|2023-05-01|1|\n"
         "12345|O|3475000|1|\n"
         "20001|O|350000|2|\n"
         "30001|O|6000000|1|\n"
         "20001|2023-09-14|10:30|BO|350000|350000|Paid on the wrong AR|4|\n"
         "100001|2023-04-10|10:30|250000|O|1|\n"
         "100001|2023-09-15|10:30|350000|O|1|\n"},
        {"back out of the whole receipt adjusts the payments not adjusted yet",
         "SUPER",
         "0100001",
         "B",
         {},
         "B|2|\n"
         "700001|12345|1000000|B|2023-09-14|2|\n"
         "700002|20001|350000|B|2023-09-14|2|\n"
         "700003|30001|2650000|B|2023-05-01|1|\n"
         "12345|O|4475000|2|\n"
         "20001|O|350000|2|\n"
         "30001|O|6000000|1|\n"
         "12345|2023-09-14|10:30|BO|1000000|4475000|Paid on the wrong AR|1|\n"
         "20001|2023-09-14|10:30|BO|350000|350000|Paid on the wrong AR|1|\n"
         "100001|2023-04-10|10:30|250000|O|1|\n"
         "100001|2023-09-15|10:30|1350000|O|1|\n"},
        {"cancel of a backed-out receipt by a cancel-only clerk closes its open excess fund",
         "RCPTCANCEL",
         "0600001",
         "C",
         {},
         "C|2|\n"
         "700013|90001|1200000|B|2023-08-10|1|\n"
         "90001|O|3000000|1|\n"
         "100006|2023-08-10|10:30|1200000|C|2|\n"},
        {"cancel of one payment voids its money: no excess fund",
         "SUPER",
         "0100005",
         "",
         {{"0012352", "C"}},
         "O|1|\n"
         "700007|12352|2500000|C|2023-09-14|2|\n"
         "12352|O|2500000|2|\n"
         "12352|2023-09-14|10:30|CN|2500000|2500000|Paid on the wrong AR|1|\n"
         "100001|2023-07-01|10:30|500000|T|1|\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        NewStore();
        RequestMessage save = Save(Read(each.receipt), each.action, each.chosen);
        save.userId = each.user;

        const ReplyMessage reply = Send(save);

        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(ReceiptState(each.receipt), each.state);
        EXPECT_EQ(Detail(reply), Detail(Read(each.receipt)));
    }
}

// A back out moves money and makes none: what the ARs are owed again is exactly what the receipt now
// holds open.
TEST_P(ReceiptAdjustmentTest, back_out_leaves_exactly_the_restored_balances_as_open_excess_funds) {
    const std::string receipt =
        DemoData::AddBulkReceipt(*OpenStore(store_->Location(), BackOffice::kBusyWait), 200);
    const std::string ars = "SELECT SUM(ACCT_RCVBL_BAL_AMT) FROM acct_rcvbl WHERE ACCT_RCVBL_NBR IN (SELECT "
                            "ACCT_RCVBL_NBR FROM payment WHERE RCPT_NBR = " +
                            receipt + ")";
    const std::string openExcess = "SELECT COALESCE(SUM(OVR_PYMT_AMT), 0) FROM overpayment WHERE "
                                   "OVR_PYMT_STTS_CD = 'O' AND RCPT_NBR = " +
                                   receipt;
    const long long owedBefore = std::stoll(Query(ars));
    const long long openBefore = std::stoll(Query(openExcess));

    const ReplyMessage reply = Send(Save(Read(receipt), "B", {}));

    ASSERT_EQ(reply.errorText, "");
    EXPECT_GT(std::stoll(Query(ars)), owedBefore);
    EXPECT_EQ(std::stoll(Query(ars)) - owedBefore, std::stoll(Query(openExcess)) - openBefore);
}

TEST_P(ReceiptAdjustmentTest, refusals_say_why_and_change_nothing) {
    using T = RefusalTexts;
    using R = ReceiptRefusalTexts;
    struct Case {
        std::string name;
        std::string error;
        Change change = {}; // none: the request as the form builds it
        std::string user = "SUPER";
        std::string receipt = "0100001";
        std::string action = "";
        Chosen chosen = {{"0012345", "B"}};
        std::string day = "2023-09-14";
    };
    const Case cases[] = {
        {.name = "sender without the privilege",
         .error = T::MayNot("CLERK", "adjust receipts"),
         .user = "clerk"},
        {.name = "cancel-only clerk backing out the receipt",
         .error = R::CancelOnly("RCPTCANCEL"),
         .user = "RCPTCANCEL",
         .action = "B"},
        {.name = "cancel-only clerk canceling one payment",
         .error = R::CancelOnly("RCPTCANCEL"),
         .user = "RCPTCANCEL",
         .chosen = {{"0012345", "C"}}},
        {.name = "cancel-only clerk canceling the receipt with a payment backed out",
         .error = R::CancelOnly("RCPTCANCEL"),
         .change = Set("ACNTSRCVBL", "ADJST_ACTION", "B"),
         .user = "RCPTCANCEL",
         .action = "C"},
        {.name = "payment already backed out",
         .error = R::PaymentAdjusted("0030001"),
         .chosen = {{"0030001", "B"}}},
        {.name = "payment already canceled",
         .error = R::PaymentAdjusted("0012346"),
         .receipt = "0100006",
         .chosen = {{"0012346", "B"}}},
        {"transaction of another receipt", R::NotAPayment(700004, "0100001"),
         Set("ACNTSRCVBL", "TRNSCTN_NBR", 700004)},
        {"no transaction number", std::string(R::kPaymentWithoutTransaction),
         Set("ACNTSRCVBL", "TRNSCTN_NBR", FieldValue())},
        {"other amount", R::ChangedSinceRead("0100001"), Set("ACNTSRCVBL", "CL_PYMT_AMT", "99.99")},
        {"other AR", R::ChangedSinceRead("0100001"), Set("ACNTSRCVBL", "ACCT_RCVBL_NBR", "0012346")},
        {"other check digit", R::ChangedSinceRead("0100001"), Set("ACNTSRCVBL", "ACCT_RCVBL_CK_NBR", "4")},
        {"other customer", R::ChangedSinceRead("0100001"), Set("ACNTSRCVBL", "CUST_ID", "100002")},
        {"payment twice", R::PaymentTwice(700001),
         [](RequestMessage& request) {
             DataTable& rows = request.dataSets.at("ACNTSRCVBL");
             rows.AddRowFrom(rows, 0);
         }},
        {.name = "back out of a backed-out receipt",
         .error = R::BackedOutReceipt("0100003"),
         .receipt = "0100003",
         .action = "B"},
        {.name = "payment of a backed-out receipt",
         .error = R::BackedOutReceipt("0100003"),
         .receipt = "0100003",
         .chosen = {{"0012350", "C"}}},
        {.name = "canceled receipt",
         .error = R::ClosedReceipt("0100004", "C"),
         .receipt = "0100004",
         .action = "C"},
        {.name = "no date", .error = T::NotADate("date adjusted"), .day = ""},
        {.name = "date after today",
         .error = T::AfterToday("date adjusted", *CalendarDate::FromYmd(2023, 9, 16)),
         .day = "2023-09-16"},
        {.name = "date before the receipt",
         .error = R::BeforeReceipt(*CalendarDate::FromYmd(2023, 4, 9), *CalendarDate::FromYmd(2023, 4, 10)),
         .day = "2023-04-09"},
        {"blank comment", std::string(T::kCommentRequired), Set("ADJUSTPAY", "ADJSTMT_CMMT_TXT", "  ")},
        {"comment not UTF-8", T::NotUtf8("ADJSTMT_CMMT_TXT in ADJUSTPAY"),
         Set("ADJUSTPAY", "ADJSTMT_CMMT_TXT", "Geb\xfchr")},
        {"no ADJUSTPAY row", T::RowCount("ADJUSTPAY"),
         [](RequestMessage& request) { request.dataSets.at("ADJUSTPAY").KeepFirstRows(0); }},
        {"ADJUSTPAY action", T::RowAction("ADJUSTPAY", "ADD", "UPD"), Set("ADJUSTPAY", "ACTION", "UPD")},
        {"payment row action", T::RowAction("ACNTSRCVBL", "UPD", "ADD"), Set("ACNTSRCVBL", "ACTION", "ADD")},
        {"ADJUSTPAY of another receipt", R::OtherReceipt("0100002", "0100001"),
         Set("ADJUSTPAY", "RCPT_NBR", "0100002")},
        {"unknown receipt action", R::UnknownReceiptAction("X"), Set("ADJUSTPAY", "ADJSTMT_TYP_CD", "X")},
        {"unknown payment action", R::UnknownPaymentAction("X"), Set("ACNTSRCVBL", "ADJST_ACTION", "X")},
        {.name = "whole receipt without one of its payments",
         .error = R::ChangedSinceRead("0100001"),
         .change =
             [](RequestMessage& request) {
                 DataTable& rows = request.dataSets.at("ACNTSRCVBL");
                 rows.KeepFirstRows(rows.RowCount() - 1);
             },
         .action = "B"},
        {.name = "whole receipt with a payment of the other action",
         .error = std::string(R::kActionOfReceipt),
         .change = Set("ACNTSRCVBL", "ADJST_ACTION", "C"),
         .action = "B"},
        {.name = "nothing to adjust", .error = std::string(R::kNothingToAdjust), .chosen = {}},
        {"unknown receipt", "Receipt 0123456 was not found.",
         [](RequestMessage& request) { request.keys[0].value = "0123456"; }},
    };
    const std::string before = DumpReceipts(store_->Location());
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        RequestMessage save = Save(Read(each.receipt), each.action, each.chosen, each.day);
        save.userId = each.user;
        if (each.change)
            each.change(save);

        const ReplyMessage reply = Send(save);

        EXPECT_EQ(reply.errorText, each.error);
        EXPECT_TRUE(reply.dataSets.empty());
        EXPECT_EQ(DumpReceipts(store_->Location()), before);
    }
}

// The comment counts characters: 254 of them, quotes and characters of two to four bytes among them,
// are stored as sent; one more, or ten thousand, is refused whole.
TEST_P(ReceiptAdjustmentTest, comment_of_254_characters_is_stored_exactly_and_a_longer_one_refused) {
    const std::string comment =
        std::string(Utf8::Left(Repeat("O'Brien said \"\u00dc \u20ac \U0001F600\"; ", 20), 253)) + ".";
    ASSERT_EQ(Utf8::Length(comment), 254u);
    const std::string before = DumpReceipts(store_->Location());
    const auto save = [&](const std::string& text) {
        return Send(Save(Read("0100001"), "", {{"0012345", "B"}}, "2023-09-14", text)).errorText;
    };

    const std::string oneMore = save(comment + "x");
    const std::string tenThousand = save(Repeat("\u00e9", 10000));
    const std::string unchanged = DumpReceipts(store_->Location());
    const std::string atTheLimit = save(comment);

    EXPECT_EQ(oneMore, RefusalTexts::TooLong("comment", 254));
    EXPECT_EQ(tenThousand, RefusalTexts::TooLong("comment", 254));
    EXPECT_EQ(unchanged, before);
    EXPECT_EQ(atTheLimit, "");
    EXPECT_EQ(Query("SELECT ACTVTY_CMMT_TXT FROM account_activity WHERE LST_UPDT_TS = '2023-09-15 10:30:05'"),
              comment + "|\n");
}

// Two clerks back out the same payment at the same moment, round after round: each time one is
// applied and the other refused, and the receipt holds exactly one excess fund per applied save.
TEST_P(ReceiptAdjustmentTest, two_clerks_backing_out_one_payment_end_with_one_applied_and_the_other_refused) {
    constexpr int kRounds = 4;
    const std::string receipt =
        DemoData::AddBulkReceipt(*OpenStore(store_->Location(), BackOffice::kBusyWait), kRounds);

    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const ReplyMessage read = Read(receipt);
        const std::string account = Column(read.dataSets.at("ACNTSRCVBL"), "ACCT_RCVBL_NBR").at(round);
        RequestMessage first = Save(read, "", {{account, "B"}});
        RequestMessage second = first;
        second.userId = "ADJRCPT";

        EXPECT_EQ(desks_->SendAtOnce(first, second),
                  (std::set<std::string>{"", ReceiptRefusalTexts::PaymentAdjusted(account)}));
    }

    EXPECT_EQ(Query("SELECT COUNT(*) FROM overpayment WHERE RCPT_NBR = " + receipt),
              std::to_string(kRounds) + "|\n");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM account_activity WHERE ACCT_ACTVTY_CD = 'BO' AND LST_UPDT_TS = "
                    "'2023-09-15 10:30:05'"),
              std::to_string(kRounds) + "|\n");
}

TAVRIK_ON_BOTH_ENGINES(ReceiptAdjustmentTest);

} // namespace
} // namespace tavrik

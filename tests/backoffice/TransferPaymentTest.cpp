#include "backoffice/RefusalTexts.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/TransferRefusalTexts.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrik {
namespace {

// One AR the transfer pays, as the payment control sends it.
struct Applied {
    std::string account;
    std::string checkDigit;
    std::string type;
    std::int64_t version;
    std::string amount;
};

// The excess fund read for the transfer: its receipt, id and row version as the look-up answers them.
struct Fund {
    std::string receipt;
    std::int64_t id;
    std::int64_t version = 1;
};

// Demo receipt 0100001 of customer 100001 holds open excess fund 1 of $25.00; customer 100005 owes
// $35.00 on AR 0080003 (type "T", check digit 7).
const Fund kOpenFund{"0100001", 1};
const Applied kPartOfAr{"0080003", "7", "T", 1, "12.50"};

RequestMessage Transfer(const Fund& fund, const std::string& customer, const std::string& amount,
                        const std::vector<Applied>& applied) {
    RequestMessage request = Request(kTransferRequest, {Key("key:OVRG_RCPT", fund.receipt)});
    DataTable rows = *DataSetDefinitions::EmptyTable("EXCESS");
    auto add = [&](std::initializer_list<std::pair<std::string_view, FieldValue>> values) {
        const std::size_t row = rows.AddRow();
        for (const auto& [field, value] : values)
            Put(rows, row, field, value);
    };
    add({{"ACTION", "TRANSFER"},
         {"RCPT_NBR", fund.receipt},
         {"OVR_PYMT_ID", fund.id},
         {"ROW_VERSION", fund.version},
         {"CUST_ID", customer},
         {"PYMT_AMT", amount}});
    for (const Applied& each : applied)
        add({{"ACTION", "APPLY"},
             {"ACCT_RCVBL_NBR", each.account},
             {"ACCT_RCVBL_CK_NBR", each.checkDigit},
             {"ACCT_RCVBL_TYP_CD", each.type},
             {"CUST_ID", customer},
             {"ROW_VERSION", each.version},
             {"PYMT_AMT", each.amount}});
    request.dataSets["EXCESS"] = std::move(rows);
    return request;
}

class TransferPaymentTest : public StoreTest {
protected:
    TransferPaymentTest() : store_(Engine()), desks_(store_) {}

    std::string Query(const std::string& sql) const { return QueryText(store_.Location(), sql); }
    // What customers hold with the office less what they owe it: a transfer moves money, never makes it.
    std::string Net() const {
        return Query("SELECT (SELECT SUM(OVR_PYMT_AMT) FROM overpayment WHERE OVR_PYMT_STTS_CD = 'O') - "
                     "(SELECT SUM(ACCT_RCVBL_BAL_AMT) FROM acct_rcvbl)");
    }

    TestStore store_;
    ClerkDesks desks_;
};

TEST_P(TransferPaymentTest, a_transfer_of_part_of_an_excess_fund_pays_one_ar_and_leaves_the_rest_open) {
    const std::string netBefore = Net();
    const std::string lookedUp =
        RenderRows(desks_.Send(Request(kTransferLookupRequest,
                                       {Key("key:RCPT_NBR", "0100001"), Key("key:CUST_ID", "100005")})),
                   "ACNTSRCVBL");

    const ReplyMessage reply = desks_.Send(Transfer(kOpenFund, "100005", "20.00", {kPartOfAr}));

    EXPECT_EQ(reply.errorText, "");
    EXPECT_NE(lookedUp.find("ACCT_RCVBL_NBR=0080003 ACCT_RCVBL_CK_NBR=7 ACCT_RCVBL_TYP_CD=T"),
              std::string::npos);
    const std::string destination = "(SELECT RCPT_NBR FROM receipt WHERE CNFRMTN_NBR = 'TRF-0100001')";
    EXPECT_EQ(Query("SELECT CASE WHEN RCPT_NBR = 100001 THEN 'source' ELSE 'new' END, OVR_PYMT_AMT, "
                    "OVR_PYMT_STTS_CD, CASE WHEN DSTNTN_RCPT_NBR = " +
                    destination +
                    " THEN 'to new' END, ROW_VERSION FROM overpayment WHERE RCPT_NBR IN (100001, " +
                    destination + ") ORDER BY OVR_PYMT_ID"),
              "source|200000|T|to new|2|\n"
              "source|50000|O||1|\n"
              "new|75000|O||1|\n");
    EXPECT_EQ(Query("SELECT CUST_ID, RCPT_DT, RCPT_STTS_CD, TOT_PYMT_AMT FROM receipt WHERE CNFRMTN_NBR = "
                    "'TRF-0100001'"),
              "100005|2023-09-15|O|200000|\n");
    EXPECT_EQ(Query("SELECT ACCT_RCVBL_NBR, CL_PYMT_AMT FROM payment WHERE RCPT_NBR = " + destination),
              "80003|125000|\n");
    EXPECT_EQ(Query("SELECT ACCT_RCVBL_BAL_AMT, ACCT_STTS_CD, LST_PYMT_DT, ROW_VERSION FROM acct_rcvbl "
                    "WHERE ACCT_RCVBL_NBR = 80003"),
              "225000|O|2023-09-15|2|\n");
    EXPECT_EQ(Query("SELECT ACCT_ACTVTY_CD, ACTVTY_AMT, ACTVTY_BAL_AMT, ACTVTY_CMMT_TXT, LST_UPDT_USER_ID "
                    "FROM account_activity WHERE ACCT_RCVBL_NBR = 80003 AND LST_UPDT_TS = "
                    "'2023-09-15 10:30:05'"),
              "PY|-125000|225000|Transferred from receipt 0100001|1|\n");
    EXPECT_EQ(Net(), netBefore);
}

TEST_P(TransferPaymentTest, a_refused_transfer_says_why_and_changes_nothing) {
    struct Case {
        std::string name;
        RequestMessage request;
        std::string refusal;
    };
    const Applied tooMuch{"0080003", "7", "T", 1, "35.01"};
    const Applied staleAr{"0080003", "7", "T", 2, "1.00"};
    const Applied othersAr{"0012345", "7", "C", 1, "1.00"};
    RequestMessage withoutPrivilege = Transfer(kOpenFund, "100005", "20.00", {});
    withoutPrivilege.userId = "ADJAR";
    const Case cases[] = {
        {"the excess fund is refunded", Transfer({"0100006", 4}, "100005", "10.00", {}),
         TransferRefusalTexts::ExcessNotOpen("0100006")},
        {"the fund is on a refund worksheet under way", Transfer({"0300002", 9}, "100005", "10.00", {}),
         TransferRefusalTexts::OnRefundWorksheet("0300002", "0000102")},
        {"the receipt is not confirmed", Transfer({"0100002", 2}, "100005", "10.00", {}),
         TransferRefusalTexts::NotConfirmed("0100002")},
        {"the fund changed since it was read", Transfer({"0100001", 1, 2}, "100005", "10.00", {}),
         TransferRefusalTexts::ExcessChangedSinceRead("0100001")},
        {"the amount is zero", Transfer(kOpenFund, "100005", "0.00", {}),
         std::string(TransferRefusalTexts::kAmountNotPositive)},
        {"the amount has fractions of a cent", Transfer(kOpenFund, "100005", "10.005", {}),
         TransferRefusalTexts::NotWholeCents("10.005")},
        {"the amount is negative", Transfer(kOpenFund, "100005", "-1.00", {}),
         std::string(TransferRefusalTexts::kAmountNotPositive)},
        {"the amount is above the fund", Transfer(kOpenFund, "100005", "25.01", {}),
         TransferRefusalTexts::AmountAboveExcess(*Currency::Parse("25.01"), *Currency::Parse("25.00"))},
        {"the applied sum is above the amount", Transfer(kOpenFund, "100005", "10.00", {kPartOfAr}),
         TransferRefusalTexts::AppliedAboveAmount(*Currency::Parse("12.50"), *Currency::Parse("10.00"))},
        {"an applied amount is above the AR's balance", Transfer(kOpenFund, "100005", "25.00", {tooMuch}),
         TransferRefusalTexts::AppliedAboveBalance("0080003", *Currency::Parse("35.01"),
                                                   *Currency::Parse("35.00"))},
        {"the AR is another customer's", Transfer(kOpenFund, "100005", "20.00", {othersAr}),
         TransferRefusalTexts::NotTheReceiversAccount("0012345", "100005")},
        {"the AR changed since it was read", Transfer(kOpenFund, "100005", "20.00", {staleAr}),
         TransferRefusalTexts::AccountChangedSinceRead("0080003")},
        {"the receiving customer is unknown", Transfer(kOpenFund, "999999", "20.00", {}),
         TransferRefusalTexts::NoSuchCustomer("999999")},
        {"the receiving customer owns the receipt", Transfer(kOpenFund, "100001", "20.00", {}),
         TransferRefusalTexts::SameCustomer("100001")},
        {"the sender may not adjust receipts", withoutPrivilege,
         RefusalTexts::MayNot("ADJAR", kAdjustReceipts.deed)},
    };
    const std::string before = DumpReceipts(store_.Location());

    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        const ReplyMessage reply = desks_.Send(each.request);

        EXPECT_EQ(reply.errorText, each.refusal);
        EXPECT_EQ(DumpReceipts(store_.Location()), before);
    }
}

TEST_P(TransferPaymentTest, two_clerks_moving_one_excess_fund_end_with_one_applied_and_the_other_refused) {
    const RequestMessage first = Transfer(kOpenFund, "100005", "25.00", {kPartOfAr});
    RequestMessage second = Transfer(kOpenFund, "100002", "25.00", {});
    second.userId = "ADJRCPT";

    EXPECT_EQ(desks_.SendAtOnce(first, second),
              (std::set<std::string>{"", TransferRefusalTexts::ExcessChangedSinceRead("0100001")}));
    EXPECT_EQ(Query("SELECT COUNT(*) FROM receipt WHERE CNFRMTN_NBR = 'TRF-0100001'"), "1|\n");
}

TAVRIK_ON_BOTH_ENGINES(TransferPaymentTest);

} // namespace
} // namespace tavrik

#include "backoffice/RefundRefusalTexts.h"
#include "backoffice/RefusalTexts.h"
#include "common/CalendarDate.h"
#include "common/Currency.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace tavrik {
namespace {

using Fields = std::map<std::string, std::string>;

// Request 75 from that user with one "REFUND" row of customer 100003, as the worksheet sends it.
RequestMessage Save(const std::string& user, const std::string& refund, const std::string& receipt,
                    const Fields& fields) {
    RequestMessage request = Request(kRefundWorksheetRequest, {});
    request.userId = user;
    DataTable row = *DataSetDefinitions::EmptyTable("REFUND");
    row.AddRow();
    Fields all = fields;
    all.merge(Fields{{"ACTION", "UPD"}, {"CUST_ID", "100003"}, {"RFND_NBR", refund}, {"RCPT_NBR", receipt}});
    for (const auto& [field, value] : all)
        Put(row, 0, field, value);
    request.dataSets["REFUND"] = std::move(row);
    return request;
}

const Fields kRecipientAndComment = {{"TO", "2"}, {"KDV_CMMT_TXT", "Overpaid citation 0060001"}};

// The fields with some of them changed or added.
Fields With(Fields fields, const Fields& changes) {
    for (const auto& [field, value] : changes)
        fields.insert_or_assign(field, value);
    return fields;
}

class RefundWorksheetTest : public StoreTest {
protected:
    RefundWorksheetTest() : store_(Engine()), desks_(store_) {}

    ReplyMessage Send(const RequestMessage& request) { return desks_.Send(request); }
    std::string Query(const std::string& sql) const { return QueryText(store_.Location(), sql); }

    // The officers, fields and status of a refund, and the excess funds of its receipt.
    std::string RefundState(const std::string& shownRefund, const std::string& shownReceipt) const {
        const std::string refund = std::to_string(std::stoll(shownRefund));
        const std::string receipt = std::to_string(std::stoll(shownReceipt));
        return Query(
                   "SELECT STTS_CD, RFND_TO_CD, RFND_AMT, CREATED_DT, CREATOR_ID, VERIFY_ID, APPROVE_ID, "
                   "RFND_BY_ID, VOID_ID, KDV_CMMT_TXT, FISCAL_CMMT_TXT, RFND_CD, WRNT_NBR, RFND_DT, DT_MLD, "
                   "ROW_VERSION FROM refund WHERE RFND_NBR = " +
                   refund) +
               Query("SELECT OVR_PYMT_STTS_CD FROM overpayment WHERE RCPT_NBR = " + receipt);
    }
    std::string Everything() const {
        return Query("SELECT * FROM refund ORDER BY RFND_NBR") +
               Query("SELECT * FROM overpayment ORDER BY OVR_PYMT_ID");
    }

    TestStore store_;
    ClerkDesks desks_;
};

// Receipt 0300009 holds an open excess fund of $48.00 and no worksheet; the store stands at
// 09/15/2023.
TEST_P(RefundWorksheetTest, four_officers_carry_a_new_worksheet_from_preparation_to_mailing) {
    // As the number request would, the back office has handed out 109.
    store_.Execute("UPDATE form_number SET NEXT_NBR = 110 WHERE NBR_TYP_CD = 'U'");
    struct Step {
        std::string user;
        Fields fields;
        std::string state; // RefundState afterwards
    };
    const Step steps[] = {
        {"REFUNDS", With(kRecipientAndComment, {{"ACTION", "ADD"}, {"STTS_CD", "1"}, {"RFND_AMT", "48.00"}}),
         "1|2|480000|2023-09-15|5|||||Overpaid citation 0060001||||||1|\nO|\n"},
        {"SUPER", With(kRecipientAndComment, {{"STTS_CD", "2"}, {"TO", "3"}}),
         "2|3|480000|2023-09-15|5|1||||Overpaid citation 0060001||||||2|\nO|\n"},
        {"ADJRCPT", With(kRecipientAndComment, {{"STTS_CD", "3"}, {"KDV_CMMT_TXT", "Approved"}}),
         "3|2|480000|2023-09-15|5|1|4|||Approved||||||3|\nO|\n"},
        {"ADJAR",
         {{"STTS_CD", "4"}, {"RFND_CD", "1"}, {"WRNT_NBR", "W9000200"}, {"RFND_DT", "2023-09-14"}},
         "4|2|480000|2023-09-15|5|1|4|3||Approved||1|W9000200|2023-09-14||4|\nO|\n"},
        {"ADJAR",
         {{"STTS_CD", "5"}, {"DT_MLD", "2023-09-15"}},
         "5|2|480000|2023-09-15|5|1|4|3||Approved||1|W9000200|2023-09-14|2023-09-15|5|\nR|\n"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.user + " to " + step.fields.at("STTS_CD"));
        ReplyMessage reply = Send(Save(step.user, "0000109", "0300009", step.fields));
        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(Column(reply.dataSets.at("REFUND"), "STTS_CD"),
                  std::vector<std::string>{step.fields.at("STTS_CD")});
        EXPECT_EQ(RefundState("0000109", "0300009"), step.state);
    }
}

TEST_P(RefundWorksheetTest, a_transfer_closes_the_excess_fund_and_a_void_leaves_it_open) {
    struct Case {
        std::string name;
        std::string user;
        std::string refund;
        std::string receipt;
        Fields fields;
        std::string state; // RefundState afterwards
    };
    const Case cases[] = {
        {"approved worksheet transferred",
         "ADJAR",
         "0000104",
         "0300004",
         {{"STTS_CD", "T"}, {"RFND_CD", "0"}, {"FISCAL_CMMT_TXT", "Moved to citation 0060002"}},
         "T|2|430000|2023-02-23|5|1|4|3||Overpaid citation 0060001|Moved to citation 0060002|0||||2|\nT|\n"},
        {"prepared worksheet voided",
         "SUPER",
         "0000102",
         "0300002",
         {{"STTS_CD", "V"}, {"VOID_ID", "1"}},
         "V|2|410000|2023-02-09|5||||1|Overpaid citation 0060001||||||2|\nO|\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ReplyMessage reply = Send(Save(each.user, each.refund, each.receipt, each.fields));
        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(RefundState(each.refund, each.receipt), each.state);
    }
}

// Each refusal leaves the store as it was: after the first save, where a case makes one. The cases
// run in order on one store: a first save is the only change.
TEST_P(RefundWorksheetTest, refusals_apply_nothing) {
    store_.Execute("UPDATE form_number SET NEXT_NBR = 110 WHERE NBR_TYP_CD = 'U'");
    struct Sent {
        std::string user;
        std::string refund;
        std::string receipt;
        Fields fields;
    };
    const Fields prepare =
        With(kRecipientAndComment, {{"ACTION", "ADD"}, {"STTS_CD", "1"}, {"RFND_AMT", "40.00"}});
    const Fields verify = With(kRecipientAndComment, {{"STTS_CD", "2"}});
    const Fields refund = {{"STTS_CD", "4"}, {"RFND_CD", "1"}, {"WRNT_NBR", "W1"}, {"RFND_DT", "2023-09-14"}};
    struct Case {
        std::string name;
        std::optional<Sent> first;
        Sent sent;
        std::string error;
    };
    const Case cases[] = {
        {"a second preparation by another clerk",
         Sent{"SUPER", "0000101", "0300001", prepare},
         {"REFUNDS", "0000101", "0300001", prepare},
         RefundRefusalTexts::NotNextStep("0000101", "1", "1")},
        {"a number not handed out",
         std::nullopt,
         {"REFUNDS", "0000110", "0300009", With(prepare, {{"RFND_AMT", "48.00"}})},
         RefundRefusalTexts::NotHandedOut("0000110")},
        {"a new worksheet for less than the excess fund",
         std::nullopt,
         {"REFUNDS", "0000109", "0300009", With(prepare, {{"RFND_AMT", "47.99"}})},
         RefundRefusalTexts::AmountNotExcess(Currency::FromCents(4799), "0300009")},
        {"the preparer verifying",
         Sent{"SUPER", "0000109", "0300009", With(prepare, {{"RFND_AMT", "48.00"}})},
         {"SUPER", "0000109", "0300009", verify},
         RefundRefusalTexts::SameOfficer("SUPER", "0000109")},
        {"a verification without its privilege",
         std::nullopt,
         {"CLERK", "0000102", "0300002", verify},
         RefusalTexts::MayNot("CLERK", "verify refund worksheets")},
        {"a save of a mailed worksheet",
         std::nullopt,
         {"ADJAR", "0000106", "0300006", {{"STTS_CD", "5"}, {"DT_MLD", "2023-09-15"}}},
         RefundRefusalTexts::Final("0000106", "5")},
        {"a void of a transferred worksheet",
         std::nullopt,
         {"SUPER", "0000107", "0300007", {{"STTS_CD", "V"}}},
         RefundRefusalTexts::Final("0000107", "T")},
        {"another receipt's worksheet",
         std::nullopt,
         {"SUPER", "0000102", "0300001", verify},
         RefundRefusalTexts::OtherWorksheet("0000102", "100003", "0300002")},
        {"a refund date that is not a date",
         std::nullopt,
         {"ADJAR", "0000104", "0300004", With(refund, {{"RFND_DT", "2023-02-30"}})},
         RefusalTexts::NotADate("refund date")},
        {"a refund without its warrant number",
         std::nullopt,
         {"ADJAR", "0000104", "0300004", With(refund, {{"WRNT_NBR", ""}})},
         std::string(RefundRefusalTexts::kWarrant)},
        {"a refund code against the status",
         std::nullopt,
         {"ADJAR", "0000104", "0300004", With(refund, {{"RFND_CD", "0"}})},
         std::string(RefundRefusalTexts::kRefundCodeStatus)},
        {"a verification without a recipient",
         std::nullopt,
         {"SUPER", "0000102", "0300002", With(verify, {{"TO", "9"}})},
         std::string(RefundRefusalTexts::kRecipient)},
        {"a mail date before the refund date",
         std::nullopt,
         {"ADJAR", "0000105", "0300005", {{"STTS_CD", "5"}, {"DT_MLD", "2023-03-20"}}},
         RefundRefusalTexts::MailedBeforeRefund(*CalendarDate::ParseIso("2023-03-20"),
                                                *CalendarDate::ParseIso("2023-03-21"))},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        if (each.first) {
            const Sent& first = *each.first;
            ASSERT_EQ(Send(Save(first.user, first.refund, first.receipt, first.fields)).errorText, "");
        }
        const std::string before = Everything();
        EXPECT_EQ(Send(Save(each.sent.user, each.sent.refund, each.sent.receipt, each.sent.fields)).errorText,
                  each.error);
        EXPECT_EQ(Everything(), before);
    }
}

TAVRIK_ON_BOTH_ENGINES(RefundWorksheetTest);

} // namespace
} // namespace tavrik

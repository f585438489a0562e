#include "backoffice/CustomerRefusalTexts.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RefusalTexts.h"
#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// Request 74 from that user, as the receipt detail window sends it.
RequestMessage CreateRefundRequest(const std::string& user, const std::string& customer,
                                   const std::string& receipt) {
    RequestMessage request =
        Request(kCreateRefundRequest, {Key("key:CUST_ID", customer), Key("key:RCPT_NBR", receipt)});
    request.userId = user;
    return request;
}

class CreateRefundTest : public StoreTest {
protected:
    ReplyMessage Send(const RequestMessage& request) { return desks_.Send(request); }

    TestStore store_{Engine()};
    ClerkDesks desks_{store_};
};

// Customer 100003's receipt 0300002 holds a worksheet at status "1", 0300008 only a voided one, and
// 0300009 none; 0100001 (customer 100001) none.
TEST_P(CreateRefundTest, answers_the_receipts_newest_worksheet_not_voided_or_none) {
    struct Case {
        std::string name;
        std::string user;
        std::string customer;
        std::string receipt;
        std::string addedRefunds;
        std::string rows;
    };
    const Case cases[] = {
        {"a worksheet at verification, read by the officer who refunds", "ADJAR", "100003", "0300002", "",
         "CUST_ID=100003 RFND_NBR=0000102 STTS_CD=1 CUST_NM=MIDWEST HAULING CO ADDR_1=900 W MAIN ST "
         "CITY=PEORIA STATE=IL ZIP=61602 TO=2 CREATED_DT=2023-02-09 CREATOR_ID=5 "
         "KDV_CMMT_TXT=Overpaid citation 0060001 RFND_AMT=41.00 RCPT_NBR=0300002 \n"},
        {"only a voided worksheet", "REFUNDS", "100003", "0300008", "", "(none)"},
        {"an older and a newer worksheet, and a voided one newer still", "REFUNDS", "100003", "0300009",
         "INSERT INTO refund (RFND_NBR, CUST_ID, RCPT_NBR, STTS_CD, RFND_AMT, CREATOR_ID) VALUES "
         "(99, '100003', 300009, '1', 480000, 5), (120, '100003', 300009, '2', 480000, 5), "
         "(121, '100003', 300009, 'V', 480000, 5)",
         "CUST_ID=100003 RFND_NBR=0000120 STTS_CD=2 CUST_NM=MIDWEST HAULING CO ADDR_1=900 W MAIN ST "
         "CITY=PEORIA STATE=IL ZIP=61602 CREATOR_ID=5 RFND_AMT=48.00 RCPT_NBR=0300009 \n"},
        {"no worksheet", "REFUNDS", "100001", "0100001", "", "(none)"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        if (!each.addedRefunds.empty())
            store_.Execute(each.addedRefunds);

        ReplyMessage reply = Send(CreateRefundRequest(each.user, each.customer, each.receipt));

        EXPECT_EQ(reply.errorText, "");
        EXPECT_EQ(RenderRows(reply, "REFUND"), each.rows);
    }
}

TEST_P(CreateRefundTest, refuses_a_sender_without_a_refund_privilege_and_wrong_or_malformed_keys) {
    const std::string notValid = " is not valid: type up to seven digits, optionally followed by \"-\" and "
                                 "the check digit.";
    RequestMessage otherOperator = CreateRefundRequest("REFUNDS", "100003", "0300002");
    otherOperator.keys[1].op = ">";
    struct Case {
        std::string name;
        RequestMessage request;
        std::string error;
    };
    const Case cases[] = {
        {"no privilege at all", CreateRefundRequest("CLERK", "100003", "0300002"),
         RefusalTexts::MayNot("CLERK", "work on refund worksheets")},
        {"unknown receipt", CreateRefundRequest("REFUNDS", "100003", "0399999"),
         ReceiptRefusalTexts::NoSuchReceipt("0399999")},
        {"another customer's receipt", CreateRefundRequest("REFUNDS", "100003", "0100001"),
         ReceiptRefusalTexts::NotTheCustomers("0100001", "100003")},
        {"malformed receipt number", CreateRefundRequest("REFUNDS", "100003", "03'0002"),
         "The receipt number \"03'0002\"" + notValid},
        {"malformed customer id", CreateRefundRequest("REFUNDS", "1000-3", "0300002"),
         CustomerRefusalTexts::CustomerIdNotValid("1000-3", 10)},
        {"no customer id", Request(kCreateRefundRequest, {Key("key:RCPT_NBR", "0300002")}),
         "The request lacks the customer id (key:CUST_ID)."},
        {"receipt compared with another operator", otherOperator,
         "The back office compares key:RCPT_NBR only with \"=\", not with \">\"."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Send(each.request);

        EXPECT_EQ(reply.errorText, each.error);
        EXPECT_TRUE(reply.dataSets.empty());
    }
}

TAVRIK_ON_BOTH_ENGINES(CreateRefundTest);

} // namespace
} // namespace tavrik

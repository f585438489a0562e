#include "backoffice/BackOffice.h"
#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

class ReceiptDetailTest : public StoreTest {
protected:
    ReplyMessage Send(const RequestMessage& request) { return desks_.Send(request); }

    TestStore store_{Engine()};
    ClerkDesks desks_{store_};
};

// 0100001: two funds, a backed-out payment among three, an open excess fund, no refund. 0300005: a
// refunded worksheet.
TEST_P(ReceiptDetailTest, receipt_detail_answers_the_receipt_its_funds_payments_excess_funds_and_refunds) {
    struct Case {
        std::string receipt;
        std::string dataSet;
        std::string rows;
    };
    const Case cases[] = {
        {"0100001", "RECEIPT",
         "RCPT_DT=2023-04-10 RCPT_NBR=0100001 RCPT_STTS_CD=O TOT_PYMT_AMT=400.00 OVR_PYMT_AMT=25.00 "
         "CUST_ID=100001 CNFRMTN_NBR=CNF230410-01 \n"},
        {"0100001", "FUND",
         "FUND_TYP_CD=K FUND_RFRNC_NBR=1001 FUND_AMT=350.00 FRCPT_NBR=0100001 \n"
         "FUND_TYP_CD=C FUND_AMT=50.00 FRCPT_NBR=0100001 \n"},
        {"0100001", "ACNTSRCVBL",
         "CUST_ID=100001 CUST_NAME=ACME FREIGHT LINES INC ACCT_RCVBL_NBR=0012345 ACCT_RCVBL_CK_NBR=5 "
         "ACCT_RCVBL_TYP_CD=C ACCT_RCVBL_DUE_DT=2023-04-14 ACCT_STTS_CD=O ACTV_STTS_CD=A RCPT_NBR=0100001 "
         "CL_PYMT_AMT=100.00 TRNSCTN_NBR=700001 TRNSCTN_DT=2023-04-10 PYMT_DT=2023-04-10 PYMT_NBR=1 "
         "STTS_CD=A \n"
         "CUST_ID=100001 CUST_NAME=ACME FREIGHT LINES INC ACCT_RCVBL_NBR=0020001 ACCT_RCVBL_CK_NBR=4 "
         "ACCT_RCVBL_TYP_CD=T ACCT_RCVBL_DUE_DT=2023-03-03 ACCT_STTS_CD=P ACTV_STTS_CD=A RCPT_NBR=0100001 "
         "CL_PYMT_AMT=35.00 TRNSCTN_NBR=700002 TRNSCTN_DT=2023-04-10 PYMT_DT=2023-04-10 PYMT_NBR=2 "
         "STTS_CD=A \n"
         "CUST_ID=100001 CUST_NAME=ACME FREIGHT LINES INC ACCT_RCVBL_NBR=0030001 ACCT_RCVBL_CK_NBR=2 "
         "ACCT_RCVBL_TYP_CD=P ACCT_RCVBL_DUE_DT=2023-02-09 ACCT_STTS_CD=O ACTV_STTS_CD=A RCPT_NBR=0100001 "
         "CL_PYMT_AMT=265.00 ADJSTMT_DT=2023-05-01 ACTVTY_STTS_CD=B TRNSCTN_NBR=700003 "
         "TRNSCTN_DT=2023-04-10 PYMT_DT=2023-04-10 PYMT_NBR=3 STTS_CD=A ASSMT_PP_TYP_CD=M INSTLMT_NBR=6 \n"},
        {"0100001", "OVERPAYMENT",
         "CUST_NM=ACME FREIGHT LINES INC OVR_PYMT_DT=2023-04-10 OVR_PYMT_TM=10:30 OVR_PYMT_AMT=25.00 "
         "CUST_ID=100001 ADDR_1=1200 INDUSTRIAL PKWY ADDR_2= SUITE 4 CITY=SPRINGFIELD STATE=IL ZIP=62701 "
         "OVR_PYMT_STTS_CD=O OVR_PYMT_ID=1 \n"},
        {"0100001", "REFUND", "(none)"},
        {"0300005", "REFUND",
         "CUST_ID=100003 RFND_NBR=0000105 STTS_CD=4 CUST_NM=MIDWEST HAULING CO ADDR_1=900 W MAIN ST "
         "CITY=PEORIA STATE=IL ZIP=61602 TO=2 CREATED_DT=2023-03-02 CREATOR_ID=5 VERIFY_ID=1 APPROVE_ID=4 "
         "RFND_BY_ID=3 KDV_CMMT_TXT=Overpaid citation 0060001 RFND_CD=1 WRNT_NBR=W9000104 "
         "RFND_DT=2023-03-21 RFND_AMT=44.00 RCPT_NBR=0300005 \n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.receipt + " " + each.dataSet);

        ReplyMessage reply = Send(ReceiptDetailRequest(each.receipt));

        EXPECT_EQ(RenderRows(reply, each.dataSet), each.rows);
    }
}

TEST_P(ReceiptDetailTest,
       a_malformed_or_unknown_receipt_or_a_missing_detail_flag_is_refused_with_a_sentence) {
    const std::string notValid = " is not valid: type up to seven digits, optionally followed by \"-\" and "
                                 "the check digit.";
    struct Case {
        std::string name;
        RequestMessage request;
        std::string error;
    };
    const Case cases[] = {
        {"quote", ReceiptDetailRequest("01'0001"), "The receipt number \"01'0001\"" + notValid},
        {"letters", ReceiptDetailRequest("01A0001"), "The receipt number \"01A0001\"" + notValid},
        {"ten thousand characters", ReceiptDetailRequest(std::string(10000, '1')),
         "The receipt number \"" + std::string(40, '1') + "...\"" + notValid},
        {"non-ASCII digits", ReceiptDetailRequest("\uFF10100001"),
         "The receipt number \"\uFF10100001\"" + notValid},
        {"wrong check digit", ReceiptDetailRequest("0100001-6"),
         "The check digit of receipt number 0100001-6 is not correct."},
        {"unknown number", ReceiptDetailRequest("123456"), "Receipt 0123456 was not found."},
        {"detail flag other than YES", ReceiptDetailRequest("0100001", "NO"),
         "The back office answers a receipt's detail only with key:RECEIPT_DETL \"YES\", not \"NO\"."},
        {"no detail flag", Request(kReferenceSearchRequest, {Key("key:RECEIPT_NBR", "0100001")}),
         "The request lacks the receipt detail flag (key:RECEIPT_DETL)."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Send(each.request);

        EXPECT_EQ(reply.errorText, each.error);
        EXPECT_TRUE(reply.dataSets.empty());
    }
}

TAVRIK_ON_BOTH_ENGINES(ReceiptDetailTest);

} // namespace
} // namespace tavrik

#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

class CustomerAccountsTest : public StoreTest {
protected:
    ReplyMessage Send(std::vector<RequestKey> keys) {
        return desks_.Send(Request(kCustomerAccountsRequest, std::move(keys)));
    }

    TestStore store_{Engine()};
    ClerkDesks desks_{store_};
};

TEST_P(CustomerAccountsTest, a_customers_accounts_of_one_type_or_its_receipts_are_listed_in_number_order) {
    struct Case {
        std::string name;
        std::vector<RequestKey> keys;
        std::string dataSet;
        std::string rows;
    };
    const Case cases[] = {
        {"temporary permits",
         {Key("key:REF_TYP_CD", "t"), Key("key:CUST_ID", "100001")},
         "CUSTOMERFORM",
         "FORM_CK_DGT_NBR=4 FORM_NBR=20001 STP_DT=2023-02-01 ASSMT_DUE_AMT=35.00 ORIG_ASSMT_AMT=35.00 "
         "FORM_TYP_CD=T CTTN_STTS_CD=P BAL_DUE=0.00 LST_PYMT_DT=2023-04-10 \n"},
        {"alerts of the customer with many accounts",
         {Key("key:REF_TYP_CD", "A"), Key("key:CUST_ID", "100007")},
         "CUSTOMERFORM",
         "FORM_CK_DGT_NBR=6 FORM_NBR=110005 STP_DT=2023-01-30 ASSMT_DUE_AMT=60.00 ORIG_ASSMT_AMT=60.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=60.00 \n"
         "FORM_CK_DGT_NBR=4 FORM_NBR=110011 STP_DT=2023-03-13 ASSMT_DUE_AMT=75.00 ORIG_ASSMT_AMT=75.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=75.00 \n"
         "FORM_CK_DGT_NBR=1 FORM_NBR=110017 STP_DT=2023-04-24 ASSMT_DUE_AMT=90.00 ORIG_ASSMT_AMT=90.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=90.00 \n"
         "FORM_CK_DGT_NBR=9 FORM_NBR=110023 STP_DT=2023-06-05 ASSMT_DUE_AMT=105.00 ORIG_ASSMT_AMT=105.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=105.00 \n"
         "FORM_CK_DGT_NBR=6 FORM_NBR=110029 STP_DT=2023-07-17 ASSMT_DUE_AMT=120.00 ORIG_ASSMT_AMT=120.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=120.00 \n"
         "FORM_CK_DGT_NBR=3 FORM_NBR=110035 STP_DT=2023-08-28 ASSMT_DUE_AMT=135.00 ORIG_ASSMT_AMT=135.00 "
         "FORM_TYP_CD=A CTTN_STTS_CD=O BAL_DUE=135.00 \n"},
        {"receipts",
         {Key("key:CUSTRCPTS", "100002")},
         "CUSTRCPT",
         "RCPTNBR=200001 RCPTDATE=2023-03-02 RCPTSTTS=O RCPTAMT=120.00 RCPTCKDGTNBR=6 \n"
         "RCPTNBR=200002 RCPTDATE=2023-07-01 RCPTSTTS=O RCPTAMT=50.00 RCPTCKDGTNBR=4 \n"},
        {"an unknown customer's accounts",
         {Key("key:REF_TYP_CD", "C"), Key("key:CUST_ID", "999999")},
         "CUSTOMERFORM",
         ""},
        {"an unknown customer's receipts", {Key("key:CUSTRCPTS", "b0000001")}, "CUSTRCPT", ""},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Send(each.keys);

        EXPECT_EQ(reply.errorText, "");
        EXPECT_EQ(RenderRows(reply, each.dataSet), each.rows);
    }
}

TEST_P(CustomerAccountsTest, malformed_keys_are_refused_with_a_sentence) {
    const std::string idNotValid = " is not valid: it has at most 10 letters and digits.";
    struct Case {
        std::string name;
        std::vector<RequestKey> keys;
        std::string error;
    };
    const Case cases[] = {
        {"no type", {Key("key:CUST_ID", "100001")}, "The request lacks the account type (key:REF_TYP_CD)."},
        {"receipt type",
         {Key("key:REF_TYP_CD", "R"), Key("key:CUST_ID", "100001")},
         "A customer's accounts are listed by type C, T, P or A (or receipts with key:CUSTRCPTS), not by "
         "type "
         "\"R\"."},
        {"no customer", {Key("key:REF_TYP_CD", "C")}, "The request lacks the customer id (key:CUST_ID)."},
        {"blank customer",
         {Key("key:REF_TYP_CD", "C"), Key("key:CUST_ID", "  ")},
         "The request lacks the customer id (key:CUST_ID)."},
        {"blank receipts' customer",
         {Key("key:CUSTRCPTS", "")},
         "The request lacks the customer id (key:CUSTRCPTS)."},
        {"customer id too long",
         {Key("key:REF_TYP_CD", "C"), Key("key:CUST_ID", "10000100001")},
         "The customer id \"10000100001\"" + idNotValid},
        {"quote in the customer id",
         {Key("key:CUSTRCPTS", "1000'1")},
         "The customer id \"1000'1\"" + idNotValid},
        {"customer id not UTF-8",
         {Key("key:REF_TYP_CD", "C"), Key("key:CUST_ID", "10\xff")},
         "The request's key key:CUST_ID holds bytes that are not text (not UTF-8). Nothing was saved; type "
         "the "
         "text again."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Send(each.keys);

        EXPECT_EQ(reply.errorText, each.error);
        EXPECT_TRUE(reply.dataSets.empty());
    }
}

TAVRIK_ON_BOTH_ENGINES(CustomerAccountsTest);

} // namespace
} // namespace tavrik

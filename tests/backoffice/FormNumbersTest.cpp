#include "backoffice/RefusalTexts.h"
#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrik {
namespace {

RequestMessage AskNumbers(const std::string& user, const std::string& type, const std::string& count) {
    RequestMessage request =
        Request(kFormNumberRequest, {Key("key:NBR_TYP_CD", type), Key("key:NBR_CNT", count)});
    request.userId = user;
    return request;
}

class FormNumbersTest : public StoreTest {
protected:
    FormNumbersTest() : store_(Engine()), desks_(store_) {}

    TestStore store_;
    ClerkDesks desks_;
};

// The demo store hands out refund numbers from 109.
TEST_P(FormNumbersTest, two_desks_never_get_the_same_number) {
    std::vector<std::string> handedOut;
    for (const char* user : {"SUPER", "REFUNDS", "SUPER"}) {
        ReplyMessage reply = desks_.Send(AskNumbers(user, "u", "3"));
        ASSERT_EQ(reply.errorText, "");
        for (const std::string& number : Column(reply.dataSets.at("REQ"), "U"))
            handedOut.push_back(number);
    }

    EXPECT_EQ(handedOut,
              (std::vector<std::string>{"109", "110", "111", "112", "113", "114", "115", "116", "117"}));
    EXPECT_EQ(QueryText(store_.Location(), "SELECT NEXT_NBR FROM form_number WHERE NBR_TYP_CD = 'U'"),
              "118|\n");
}

TEST_P(FormNumbersTest, refusals_take_no_number) {
    store_.Execute("UPDATE form_number SET NEXT_NBR = 9999998 WHERE NBR_TYP_CD = 'U'");
    struct Case {
        std::string name;
        std::string type;
        std::string count;
        std::string error;
    };
    const Case cases[] = {
        {"unknown type", "X", "1", RefusalTexts::UnknownNumberType("X")},
        {"none asked for", "U", "0", RefusalTexts::NumberCount("0", 10)},
        {"too many at once", "U", "11", RefusalTexts::NumberCount("11", 10)},
        {"past seven digits", "U", "3", RefusalTexts::NumbersUsedUp("U")},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(desks_.Send(AskNumbers("SUPER", each.type, each.count)).errorText, each.error);
        EXPECT_EQ(QueryText(store_.Location(), "SELECT NBR_TYP_CD, NEXT_NBR FROM form_number"),
                  "U|9999998|\n");
    }
}

TAVRIK_ON_BOTH_ENGINES(FormNumbersTest);

} // namespace
} // namespace tavrik

#include "common/CheckMessages.h"

#include "common/Control.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(CheckMessages, breaks_each_message_and_marks_its_fields_while_run_on_text_stays_as_it_is) {
    FakeServices services;
    CheckMessages messages(services);
    Control date("mDtp");
    Control action("mCbo");
    Control other("mOther");

    messages.Add("Date is required", date);
    messages.Add("Only one at a time");
    messages.Mark(other);
    messages.Add("Action is wrong", action);
    messages.Append("Number is Invalid");

    EXPECT_EQ(messages.Text(),
              "Date is required\r\nOnly one at a time\r\nAction is wrong\r\nNumber is Invalid");
    EXPECT_EQ(services.colored, (std::vector<std::string>{"mDtp error", "mOther error", "mCbo error"}));
}

} // namespace
} // namespace tavrik

#include "document/Tavrik_FormInq.h"

#include "tests/support/BackOfficeSession.h"

#include "common/CheckDigit.h"
#include "select/Tavrik_SelectCustFormInq.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

std::string WithCheckDigit(const std::string& sevenDigits) {
    return sevenDigits + "-" + std::to_string(*ComputeCheckDigit(sevenDigits));
}

std::string WrongCheckDigit(const std::string& sevenDigits) {
    return sevenDigits + "-" + std::to_string((*ComputeCheckDigit(sevenDigits) + 1) % 10);
}

struct DialogFixture {
    DialogFixture() : dialog(harness.session.Forms.Load<Tavrik_FormInq>(Tavrik_FormInq::kFormName)) {
        dialog.MarkShown();
    }

    // Enters the type (a code, or typed text when it is not a code) and the number, presses OK.
    void Submit(const std::string& type, const std::string& number) {
        dialog.mFtcboDocType(0).SetText(type);
        dialog.mTxtDocNbr(0).SetText(number);
        dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
    }

    BackOfficeSession harness;
    Tavrik_FormInq& dialog;
};

TEST(Tavrik_FormInq, validates_type_and_number_in_rule_order_when_ok_is_pressed) {
    struct Case {
        const char* name;
        std::string type;
        std::string number;
        std::string messages; // "" when the dialog closes
        std::string numberAfter;
    };
    const std::string tenThousandDigits(10000, '1');
    const Case cases[] = {
        {"both missing", "", "", "Account Type is required\r\nAccount Number is required\r\n", ""},
        {"type unknown, number completed", "ZZ", "12345", "Select or enter a valid Account Type\r\n",
         WithCheckDigit("0012345")},
        {"five digits completed", "C", "12345", "", WithCheckDigit("0012345")},
        {"full number with right digit", "c", WithCheckDigit("0012345"), "", WithCheckDigit("0012345")},
        {"eight digits without dash", "C", "12345678", "Account Number is Invalid", "12345678"},
        {"letters", "C", "12a45", "Account Number is Invalid", "12a45"},
        {"quotes", "C", "12'45\"", "Account Number is Invalid", "12'45\""},
        {"non-ASCII digits", "C", "\xef\xbc\x91\xef\xbc\x92", "Account Number is Invalid",
         "\xef\xbc\x91\xef\xbc\x92"},
        {"ten thousand digits", "C", tenThousandDigits, "Account Number is Invalid", tenThousandDigits},
        {"short number with dash padded to nine", "T", "1234-5", "Account Number check digit is invalid",
         "1234-5"},
        {"wrong check digit", "C", WrongCheckDigit("0012345"), "Account Number check digit is invalid",
         WrongCheckDigit("0012345")},
        {"short number with right digit", "C", "12345-" + std::to_string(*ComputeCheckDigit("0012345")), "",
         "12345-" + std::to_string(*ComputeCheckDigit("0012345"))},
        {"payment plan not numeric", "P", "12-3", "Only numeric is allowed", "12-3"},
        {"alert numeric", "ALERT", "77", "", "77"},
        {"check number with dash", "K", "AB-1", "Only AlphaNumeric is allowed", "AB-1"},
        {"check number with a quote is left to the back office", "K", "O'BRIEN", "", "O'BRIEN"},
        {"missing number only", "R", "   ", "Account Number is required\r\n", "   "},
    };

    for (const Case& entry : cases) {
        DialogFixture fixture;

        fixture.Submit(entry.type, entry.number);

        SCOPED_TRACE(entry.name);
        const auto& boxes = fixture.harness.platform.messageBoxes;
        if (entry.messages.empty()) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_FALSE(fixture.dialog.Visible());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, entry.messages);
            EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Critical);
            EXPECT_EQ(boxes[0].title, fixture.harness.session.gsHostCaption);
            EXPECT_TRUE(fixture.dialog.Visible());
        }
        EXPECT_EQ(fixture.dialog.mTxtDocNbr(0).Text(), entry.numberAfter);
        EXPECT_TRUE(fixture.dialog.mCmdBttn(Tavrik_FormInq::kOk).Enabled());
        EXPECT_TRUE(fixture.harness.Requests().empty());
    }
}

TEST(Tavrik_FormInq, marks_only_the_failing_fields_and_clears_marks_on_the_next_check) {
    DialogFixture fixture;

    fixture.Submit("", "12a");
    const FieldColor typeFirst = fixture.dialog.mFtcboDocType(0).Color();
    const FieldColor numberFirst = fixture.dialog.mTxtDocNbr(0).Color();
    fixture.Submit("C", "12a");

    EXPECT_EQ(typeFirst, FieldColor::Error);
    EXPECT_EQ(numberFirst, FieldColor::Error);
    EXPECT_EQ(fixture.dialog.mFtcboDocType(0).Color(), FieldColor::Normal);
    EXPECT_EQ(fixture.dialog.mTxtDocNbr(0).Color(), FieldColor::Error);
}

// A refused key beeps and the keys after it are filtered as before; a typed non-ASCII character is
// refused whatever its size.
TEST(Tavrik_FormInq, refuses_keys_the_type_does_not_allow_with_a_beep_non_ascii_ones_too) {
    struct Case {
        const char* type;
        std::string typed;
        std::string shown;
        int beeps;
    };
    const Case cases[] = {
        {"C", "1a2-", "12", 2},           {"K", "ab-9", "AB9", 1},          {"C", "1\u00e92", "12", 1},
        {"C", "\U0001F600123", "123", 1}, {"K", "a\u00e9\u20acb", "AB", 2},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.typed);
        DialogFixture fixture;
        fixture.dialog.mFtcboDocType(0).SetCode(test.type);

        fixture.dialog.mTxtDocNbr(0).TypeText(test.typed);

        EXPECT_EQ(fixture.dialog.mTxtDocNbr(0).Text(), test.shown);
        EXPECT_EQ(fixture.harness.platform.beeps, test.beeps);
    }
}

TEST(Tavrik_FormInq, undoes_a_refused_paste_by_mouse_or_shift_insert_and_keeps_a_valid_one) {
    DialogFixture fixture;
    TextBox& number = fixture.dialog.mTxtDocNbr(0);
    fixture.dialog.mFtcboDocType(0).SetCode("C");
    number.SetText("123");

    number.MouseDown.Raise(1);
    number.SetText("12x45");
    number.MouseUp.Raise(1);
    const std::string afterMousePaste = number.Text();
    number.KeyDown.Raise(kKeyInsert, kShiftMask);
    number.SetText("123456789");
    number.KeyUp.Raise(kKeyInsert, kShiftMask);
    const std::string afterKeyPaste = number.Text();
    number.KeyDown.Raise(kKeyInsert, kShiftMask);
    number.SetText(WithCheckDigit("0012345"));
    number.KeyUp.Raise(kKeyInsert, kShiftMask);
    number.SetText("not a paste");

    EXPECT_EQ(afterMousePaste, "123");
    EXPECT_EQ(afterKeyPaste, "123");
    EXPECT_EQ(fixture.harness.platform.beeps, 2);
    EXPECT_EQ(number.Text(), "not a paste");
}

// Which types list their accounts per customer depends on the clerk's region: NORTH has none of the
// receipts.
TEST(Tavrik_FormInq, offers_select_account_only_for_types_listed_per_customer_in_the_clerks_region) {
    struct Case {
        const char* user;
        const char* code;
        bool enabled;
    };
    const Case cases[] = {{"SUPER", "C", true},   {"SUPER", "R", true},  {"SUPER", "K", false},
                          {"SUPER", "ZZ", false}, {"NORTH", "R", false}, {"NORTH", "T", true}};

    for (const Case& entry : cases) {
        SCOPED_TRACE(std::string(entry.user) + " " + entry.code);
        BackOfficeSession harness(StoreEngine::Sqlite, entry.user);
        Tavrik_FormInq& dialog = harness.session.Forms.Load<Tavrik_FormInq>(Tavrik_FormInq::kFormName);

        dialog.mFtcboDocType(0).SetText(entry.code);

        EXPECT_EQ(dialog.mCmdBttn(Tavrik_FormInq::kSelectAccount).Enabled(), entry.enabled);
        EXPECT_TRUE(dialog.mCmdBttn(Tavrik_FormInq::kOk).Enabled());
    }
}

TEST(Tavrik_FormInq, select_account_hands_over_the_type_and_takes_back_the_one_chosen_there) {
    DialogFixture fixture;
    fixture.dialog.mFtcboDocType(0).SetCode("C");
    fixture.dialog.mTxtDocNbr(0).SetText("12345");
    std::string handedOver;
    fixture.harness.platform.QueueScript([&handedOver](Form& form) {
        auto& select = dynamic_cast<Tavrik_SelectCustFormInq&>(form);
        handedOver =
            select.mFtcboDocType(0).Code() + (select.IgnoreDocTypChange ? " ignoring" : " listening");
        select.mFtcboDocType(0).SetCode("T");
        select.mCmdButton(Tavrik_SelectCustFormInq::kCancel).Press();
    });

    fixture.dialog.mCmdBttn(Tavrik_FormInq::kSelectAccount).Press();

    EXPECT_EQ(handedOver, "C listening");
    EXPECT_EQ(fixture.dialog.mFtcboDocType(0).Code(), "T");
    EXPECT_EQ(fixture.dialog.mTxtDocNbr(0).Text(), "");
    EXPECT_TRUE(fixture.dialog.Visible());
    EXPECT_FALSE(fixture.harness.session.Forms.IsLoaded(Tavrik_SelectCustFormInq::kFormName));
    EXPECT_TRUE(fixture.harness.Requests().empty());
}

TEST(Tavrik_FormInq, moves_focus_to_ok_when_shown_with_a_number) {
    DialogFixture fixture;
    fixture.dialog.mTxtDocNbr(0).SetText("12345");

    fixture.dialog.Form_Activate();

    EXPECT_EQ(fixture.harness.platform.focused, std::vector<std::string>{"mCmdBttn(1)"});
}

} // namespace
} // namespace tavrik

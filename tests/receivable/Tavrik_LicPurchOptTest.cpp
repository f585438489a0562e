#include "receivable/Tavrik_LicPurchOpt.h"
#include "tests/support/BackOfficeSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tavrik {
namespace {

using Lpo = Tavrik_LicPurchOpt;

// What a test enters into the dialog; option -1 picks neither.
struct Entry {
    int option = -1;
    std::string plate{};
    bool date = false;
    bool time = false;
    std::string troop{};
    std::string weight{};
    std::string amount{};
    std::string comment{};
};

const Entry kInState{0, "ABC-123", true, true, "B3", "80000", "1234.50", ""};

// Loads a fresh dialog and shows it modally with the script; closes it when the script left it open.
Lpo& ShowFresh(BackOfficeSession& harness, bool& leftOpen, const std::function<void(Lpo&)>& script) {
    harness.session.Forms.Unload(Lpo::kFormName);
    Lpo& dialog = harness.session.Forms.Load<Lpo>(Lpo::kFormName);
    harness.platform.QueueScript([&](Form&) {
        script(dialog);
        leftOpen = dialog.Visible();
        dialog.Hide();
    });
    harness.platform.ShowModal(dialog);
    return dialog;
}

void Fill(Lpo& dialog, const Entry& entry) {
    const std::optional<CalendarDate> today = CalendarDate::FromYmd(2026, 12, 6);
    if (entry.option >= 0)
        dialog.mRdo(entry.option).Pick();
    dialog.mTxt(Lpo::kPlate).SetText(entry.plate);
    dialog.Tavrik_DTP1(Lpo::kDatePurchased).SetValue(entry.date ? today : std::nullopt);
    dialog.Tavrik_DTP1(Lpo::kTimePurchased).SetValue(entry.time ? today : std::nullopt);
    dialog.mTxt(Lpo::kTroopDistrict).SetText(entry.troop);
    dialog.mTxt(Lpo::kWeight).SetText(entry.weight);
    dialog.mTxt(Lpo::kAmount).SetText(entry.amount);
    dialog.mTxt(Lpo::kComment).SetText(entry.comment);
}

// The messages of the last check, then the names of the controls showing the error colour.
std::string Outcome(const Lpo& dialog) {
    std::string outcome = dialog.ErrorText() + "marked:";
    const auto add = [&](int, const Control& control) {
        if (control.Color() == FieldColor::Error)
            outcome += " " + control.Name();
    };
    dialog.mRdo.ForEach(add);
    dialog.mTxt.ForEach(add);
    dialog.Tavrik_DTP1.ForEach(add);
    return outcome;
}

class LicPurchOpt : public StoreTest {};

TEST_P(LicPurchOpt, save_lists_every_failing_rule_in_order_and_marks_its_fields) {
    const std::string state = "In or Out of State is required\r\n";
    const std::string nothing = "Enter a Comment or the In-State Fields\r\n";
    const std::string comment = "Comment required for Out-of-State LPO\r\n";
    const std::string rest =
        "Troop/District is required\r\nWeight is required\r\nAmount required for In-State LPO\r\n";
    const std::string time = "Time Purchased is required\r\n";
    struct Case {
        Entry entry;
        std::string outcome; // no messages when the dialog saves
    };
    const Case cases[] = {
        {{}, state + nothing + comment + "marked: mRdo(0) mRdo(1) mTxt(0) mTxt(3)"},
        {{.option = 0, .plate = "  "}, nothing + "marked: mTxt(0)"},
        {{.option = 1}, nothing + comment + "marked: mTxt(3)"},
        {{.option = 0, .comment = "at the border"}, "marked:"},
        {{1, "XY1", false, false, "", "", "", "Ohio"},
         "Date Purchased is required\r\n" + time + rest +
             "marked: mTxt(1) mTxt(2) mTxt(4) Tavrik_DTP1(0) Tavrik_DTP1(1)"},
        {{0, "", true, false, "", "", "0.00", ""},
         "Plate is required\r\n" + time + rest + "marked: mTxt(0) mTxt(1) mTxt(2) mTxt(4) Tavrik_DTP1(1)"},
        {{-1, "P", true, true, "A", "1", "1", ""}, state + "marked: mRdo(0) mRdo(1)"},
        {{0, "P", true, true, "A10", "1", "1", ""}, "marked:"},
        {{0, "P", true, true, "B10", "1", "1", ""}, "Troop/District is incorrect\r\nmarked: mTxt(4)"},
        {{0, "P", true, true, "H", "1", "1a", ""},
         "Amount must be a dollar value for In-State LPO\r\nmarked: mTxt(2)"},
    };

    BackOfficeSession harness(Engine());
    for (const Case& test : cases) {
        harness.platform.messageBoxes.clear();
        bool leftOpen = false;
        const Lpo& dialog = ShowFresh(harness, leftOpen, [&](Lpo& shown) {
            shown.SetCancelClicked(true);
            Fill(shown, test.entry);
            shown.mCmd(Lpo::kSave).Press();
        });

        SCOPED_TRACE(test.outcome);
        EXPECT_EQ(Outcome(dialog), test.outcome);
        const bool refused = !dialog.ErrorText().empty();
        EXPECT_EQ(leftOpen, refused);
        EXPECT_EQ(dialog.CancelClicked(), refused);
        const auto& boxes = harness.platform.messageBoxes;
        ASSERT_EQ(boxes.size(), refused ? 1u : 0u);
        if (refused) {
            EXPECT_EQ(boxes[0].text, dialog.ErrorText());
            EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Exclamation);
            EXPECT_EQ(boxes[0].title, BackOfficeSession::kHostCaption);
        }
    }
}

TEST_P(LicPurchOpt, boxes_refuse_bad_keys_and_pastes_with_a_beep_and_format_the_amount_on_leaving) {
    enum class How { Type, ShiftInsert, Mouse, AfterRelease, Leave };
    struct Case {
        int box;
        How how;
        // Typed, pasted or set before leaving, into a box holding "7". The last amount would no
        // longer fit the box once formatted.
        std::string input;
        std::string shown;
        int beeps;
    };
    const Case cases[] = {
        {Lpo::kPlate, How::Type, "ab-1#", "7ab-1", 1},
        {Lpo::kWeight, How::Type, "1a2#", "712", 2},
        {Lpo::kAmount, How::Type, "2x", "72", 1},
        {Lpo::kTroopDistrict, How::Type, "b-", "7B", 1},
        {Lpo::kWeight, How::Type, "1\u00e92", "712", 1},
        {Lpo::kPlate, How::Type, "\u00e9a\U0001F600-", "7a-", 2},
        {Lpo::kAmount, How::Type, "\u20ac1", "71", 1},
        {Lpo::kTroopDistrict, How::Type, "\u00fcb", "7B", 1},
        {Lpo::kComment, How::Type, "Geb\u00fchr \u20ac\U0001F600", "7Geb\u00fchr \u20ac\U0001F600", 0},
        {Lpo::kWeight, How::ShiftInsert, "12.5", "7", 1},
        {Lpo::kWeight, How::Mouse, "$12", "7", 1},
        {Lpo::kAmount, How::ShiftInsert, "10000000", "7", 1},
        {Lpo::kAmount, How::Mouse, "$9,999,999.99", "$9,999,999.99", 0},
        {Lpo::kWeight, How::AfterRelease, "7.5", "7.5", 0},
        {Lpo::kPlate, How::ShiftInsert, "$.", "$.", 0},
        {Lpo::kAmount, How::Leave, "1234.5", "$1,234.50", 0},
        {Lpo::kAmount, How::Leave, "0.00", "", 0},
        {Lpo::kAmount, How::Leave, "$", "", 0},
        {Lpo::kAmount, How::Leave, "99999999999.9", "99999999999.9", 0}};

    BackOfficeSession harness(Engine());
    for (const Case& test : cases) {
        const int beepsBefore = harness.platform.beeps;
        bool leftOpen = false;
        const Lpo& dialog = ShowFresh(harness, leftOpen, [&](Lpo& shown) {
            TextBox& box = shown.mTxt(test.box);
            box.SetText("7");
            if (test.how == How::ShiftInsert)
                box.KeyDown.Raise(kKeyInsert, kShiftMask);
            if (test.how == How::Mouse || test.how == How::AfterRelease)
                box.MouseDown.Raise(1);
            if (test.how == How::AfterRelease)
                box.MouseUp.Raise(1);
            if (test.how == How::Type)
                box.TypeText(test.input);
            else
                box.SetText(test.input);
            if (test.how == How::Leave)
                box.LostFocus.Raise();
        });

        SCOPED_TRACE(test.input);
        EXPECT_EQ(dialog.mTxt(test.box).Text(), test.shown);
        EXPECT_EQ(harness.platform.beeps - beepsBefore, test.beeps);
        // Leaving a box checks the entry but shows nothing.
        EXPECT_EQ(dialog.ErrorText().empty(), test.how != How::Leave);
    }
    EXPECT_TRUE(harness.platform.messageBoxes.empty());
}

TEST_P(LicPurchOpt, cancel_asks_only_after_a_change_and_follows_the_answer) {
    struct Case {
        std::function<void(Lpo&)> change;
        std::optional<MsgBoxAnswer> answer;
        std::string outcome;
    };
    const auto valid = [](Lpo& dialog) { Fill(dialog, kInState); };
    const auto time = [](Lpo& dialog) {
        dialog.Tavrik_DTP1(Lpo::kTimePurchased).SetTime(TimeOfDay::FromHm(9, 5));
    };
    const Case cases[] = {
        {[](Lpo&) {}, std::nullopt, "hidden, cancelled"},
        {valid, MsgBoxAnswer::No, "hidden, cancelled, asked"},
        {valid, MsgBoxAnswer::Cancel, "open, asked"},
        {valid, MsgBoxAnswer::Yes, "hidden, asked"},
        {time, MsgBoxAnswer::Yes, "open, asked, refused"},
    };

    BackOfficeSession harness(Engine());
    for (const Case& test : cases) {
        harness.platform.messageBoxes.clear();
        if (test.answer)
            harness.platform.QueueAnswer(*test.answer);
        bool leftOpen = false;
        const Lpo& dialog = ShowFresh(harness, leftOpen, [&](Lpo& shown) {
            test.change(shown);
            shown.mCmd(Lpo::kCancel).Press();
        });

        std::string outcome =
            std::string(leftOpen ? "open" : "hidden") + (dialog.CancelClicked() ? ", cancelled" : "");
        for (const ShownMessageBox& box : harness.platform.messageBoxes)
            outcome += box.text == "Information has changed. Would you like to save your changes?" &&
                               box.buttons == MsgBoxButtons::YesNoCancel
                           ? ", asked"
                           : ", refused";
        EXPECT_EQ(outcome, test.outcome);
    }
}

TEST_P(LicPurchOpt, troop_is_the_first_character_of_the_entry_even_one_of_several_bytes) {
    struct Case {
        std::string entry;
        std::string troop;
        std::string district;
    };
    // A paste into the box is not filtered, so the entry may hold any character.
    const Case cases[] = {{" B3", "B", "3"}, {"\u00e910", "\u00e9", "10"}, {"\U0001F600", "\U0001F600", ""}};
    BackOfficeSession harness(Engine());
    Lpo& dialog = harness.session.Forms.Load<Lpo>(Lpo::kFormName);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.entry);
        dialog.mTxt(Lpo::kTroopDistrict).SetText(test.entry);
        std::string troop;
        std::string district;

        dialog.GetTroopDistrict(troop, district);

        EXPECT_EQ(troop, test.troop);
        EXPECT_EQ(district, test.district);
    }
}

} // namespace
TAVRIK_ON_BOTH_ENGINES(LicPurchOpt);

} // namespace tavrik

#include "common/PasteGuard.h"

#include "common/TextBox.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(PasteGuard, puts_back_a_refused_paste_with_a_beep_and_leaves_the_rest_alone) {
    enum class How { ShiftInsert, Mouse, OtherKey, AfterKeyUp, AfterMouseUp };
    struct Case {
        How how;
        std::string changed;
        std::string shown;
        int beeps;
    };
    const Case cases[] = {
        {How::ShiftInsert, "12x", "7", 1},    {How::ShiftInsert, "123", "123", 0},
        {How::Mouse, "$1", "7", 1},           {How::Mouse, "45", "45", 0},
        {How::OtherKey, "12x", "12x", 0},     {How::AfterKeyUp, "12x", "12x", 0},
        {How::AfterMouseUp, "12x", "12x", 0},
    };

    for (const Case& test : cases) {
        ScriptedPlatform platform(*CalendarDate::FromYmd(2026, 12, 7));
        PasteGuard guard(platform);
        TextBox box("mTxt");
        box.SetText("7");
        int judged = 0;
        box.Change.Connect([&] {
            guard.Change(box, [&judged](const std::string& text) {
                ++judged;
                return text.find_first_not_of("0123456789") == std::string::npos;
            });
        });
        if (test.how == How::ShiftInsert || test.how == How::AfterKeyUp)
            guard.KeyDown(box, kKeyInsert, kShiftMask);
        if (test.how == How::OtherKey)
            guard.KeyDown(box, kKeyInsert, 0);
        if (test.how == How::Mouse || test.how == How::AfterMouseUp)
            guard.MouseDown(box);
        if (test.how == How::AfterKeyUp)
            guard.KeyUp();
        if (test.how == How::AfterMouseUp)
            guard.MouseUp();

        box.SetText(test.changed);

        SCOPED_TRACE(test.changed + " " + std::to_string(static_cast<int>(test.how)));
        EXPECT_EQ(box.Text(), test.shown);
        EXPECT_EQ(platform.beeps, test.beeps);
        // Putting the old text back is not judged as a paste of its own.
        EXPECT_LE(judged, 1);
    }
}

TEST(PasteGuard, remembers_the_text_from_before_the_latest_paste_gesture) {
    ScriptedPlatform platform(*CalendarDate::FromYmd(2026, 12, 7));
    PasteGuard guard(platform);
    TextBox box("mTxt");
    box.Change.Connect([&] { guard.Change(box, [](const std::string& text) { return text != "bad"; }); });
    box.SetText("first");
    guard.MouseDown(box);
    guard.MouseUp();
    box.SetText("second");

    guard.KeyDown(box, kKeyInsert, kShiftMask);
    box.SetText("bad");

    EXPECT_EQ(box.Text(), "second");
}

} // namespace
} // namespace tavrik

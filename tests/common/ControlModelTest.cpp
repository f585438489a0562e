#include "common/TextBox.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(TextBox, typing_runs_the_key_filter_and_respects_length_and_case) {
    TextBox box("box");
    box.SetMaxLength(4);
    box.SetUpperCase(true);
    int changes = 0;
    box.Change.Connect([&] { ++changes; });
    box.KeyPress.Connect([](int& key) {
        if (key == '!')
            key = 0;
    });

    box.TypeText("ab!cde");
    const std::string typed = box.Text();
    box.Type(static_cast<char>(kKeyBackspace));

    EXPECT_EQ(typed, "ABCD");
    EXPECT_EQ(box.Text(), "ABC");
    EXPECT_EQ(changes, 5);
}

TEST(TextBox, typing_in_the_middle_replaces_the_selection_and_backspace_removes_before_the_caret) {
    TextBox box("box");
    box.SetText("12345");

    const std::size_t afterInsert = box.Type('9', 2, 0);
    const std::string inserted = box.Text();
    const std::size_t afterReplace = box.Type('0', 1, 3);
    const std::string replaced = box.Text();
    const std::size_t afterBackspace = box.Type(static_cast<char>(kKeyBackspace), 1, 0);

    EXPECT_EQ(inserted, "129345");
    EXPECT_EQ(afterInsert, 3u);
    EXPECT_EQ(replaced, "1045");
    EXPECT_EQ(afterReplace, 2u);
    EXPECT_EQ(box.Text(), "045");
    EXPECT_EQ(afterBackspace, 0u);
}

TEST(TextBox, locked_or_disabled_box_ignores_typing_but_not_the_program) {
    TextBox box("box");
    box.SetLocked(true);

    box.TypeText("12");
    box.SetText("34");
    box.SetLocked(false);
    box.SetEnabled(false);
    box.TypeText("5");

    EXPECT_EQ(box.Text(), "34");
}

} // namespace
} // namespace tavrik

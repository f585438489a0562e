#include "common/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik {
namespace {

std::string Repeat(const std::string& text, std::size_t count) {
    std::string repeated;
    for (std::size_t each = 0; each < count; ++each)
        repeated += text;
    return repeated;
}

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

TEST(TextBox, the_limit_counts_characters_so_exactly_the_limit_fits_whatever_bytes_each_takes) {
    for (const std::string character : {"a", "\u00e9", "\u20ac", "\U0001F600"}) {
        SCOPED_TRACE(character);
        TextBox typed("typed");
        TextBox set("set");
        TextBox pasted("pasted");
        for (TextBox* box : {&typed, &set, &pasted})
            box->SetMaxLength(254);
        pasted.SetText(Repeat(character, 252));

        typed.TypeText(Repeat(character, 255));
        set.SetText(Repeat(character, 255));
        const std::size_t caret = pasted.Paste(character + "x" + character, 1, 0);

        EXPECT_EQ(typed.Text(), Repeat(character, 254));
        EXPECT_EQ(set.Text(), Repeat(character, 254));
        EXPECT_EQ(pasted.Text(), Repeat(character, 2) + "x" + Repeat(character, 251));
        EXPECT_EQ(caret, 3u);
    }
}

TEST(TextBox, caret_and_selection_count_characters_and_backspace_removes_whole_characters) {
    struct Case {
        const char* name;
        char32_t key;
        std::size_t start;
        std::size_t length;
        std::string text;
        std::size_t caret;
    };
    // Typed into "a€😀b".
    const Case cases[] = {
        {"insert between two characters", U'x', 2, 0, "a\u20acx\U0001F600b", 3},
        {"backspace after a four-byte character", kKeyBackspace, 3, 0, "a\u20acb", 2},
        {"backspace over a selection", kKeyBackspace, 1, 2, "ab", 1},
        {"a character replaces a selected one", U'\u00e9', 2, 1, "a\u20ac\u00e9b", 3},
        {"a four-byte character typed at the end", U'\U0001F600', 9, 0, "a\u20ac\U0001F600b\U0001F600", 5},
        {"a key that is no character is dropped", 0xD800, 1, 0, "a\u20ac\U0001F600b", 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TextBox box("box");
        box.SetText("a\u20ac\U0001F600b");

        const std::size_t caret = box.Type(test.key, test.start, test.length);

        EXPECT_EQ(box.Text(), test.text);
        EXPECT_EQ(caret, test.caret);
    }
}

} // namespace
} // namespace tavrik

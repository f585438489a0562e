#include "desktop/TextBoxBinding.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik {
namespace {

// A text box on a parent widget that is never shown, bound the way the views bind one.
struct BoundTextBox {
    BoundTextBox() : edit(new ModelLineEdit(&parent)), binding(textBox, edit, boundWidgets) {}

    QWidget parent;
    TextBox textBox{"mTxtDocNbr"};
    BoundWidgets boundWidgets;
    ModelLineEdit* edit;
    TextBoxBinding binding;
};

TEST(TextBoxBinding, widget_follows_the_model_when_the_form_locks_limits_and_colours_the_box) {
    BoundTextBox box;
    const QColor normalBase = box.edit->palette().color(QPalette::Base);

    box.textBox.SetMaxLength(4);
    box.textBox.SetLocked(true);
    box.textBox.SetColor(FieldColor::Error);
    const QColor errorBase = box.edit->palette().color(QPalette::Base);
    const bool lockedReadOnly = box.edit->isReadOnly();
    box.textBox.SetLocked(false);
    box.textBox.SetColor(FieldColor::Normal);
    QTest::keyClicks(box.edit, "123456");

    EXPECT_EQ(errorBase, QColor(255, 200, 200));
    EXPECT_EQ(box.edit->palette().color(QPalette::Base), normalBase);
    EXPECT_TRUE(lockedReadOnly);
    EXPECT_FALSE(box.edit->isReadOnly());
    EXPECT_EQ(box.edit->maxLength(), 4);
    EXPECT_EQ(box.edit->text(), "1234");
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(TextBoxBinding, non_ascii_keys_go_through_the_model_at_the_caret_and_backspace_takes_whole_characters) {
    struct Case {
        const char* name;
        const char* before;
        // The widget's selection in UTF-16 units; length 0 puts the caret at start.
        int start;
        int length;
        const char* keys;
        const char* text;
        int caret;
        std::size_t maxLength = 0;
    };
    const Case cases[] = {
        {"typed into an empty box", "", 0, 0, "Geb\u00fchr f\u00fcr M\u00fcller",
         "Geb\u00fchr f\u00fcr M\u00fcller", 17},
        {"typed between two characters", "a\u00e9\u20ac\U0001F600b", 2, 0, "\u00fc",
         "a\u00e9\u00fc\u20ac\U0001F600b", 3},
        {"typed after a four-byte character", "a\U0001F600b", 3, 0, "\u20ac", "a\U0001F600\u20acb", 4},
        {"a four-byte key in the middle", "ab", 1, 0, "\U0001F600", "a\U0001F600b", 3},
        {"backspace after a two-byte character", "a\u00e9", 2, 0, "\b", "a", 1},
        {"backspace after a four-byte character", "a\U0001F600b", 3, 0, "\b", "ab", 1},
        {"a key replaces a selected four-byte character", "a\U0001F600b", 1, 2, "\u00e9", "a\u00e9b", 2},
        {"backspace removes a selection over a four-byte character", "xa\U0001F600b", 1, 3, "\b", "xb", 1},
        {"the limit counts characters", "", 0, 0, "\U0001F600\u00e9\u20ac", "\U0001F600\u00e9", 3, 2},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        BoundTextBox box;
        box.textBox.SetMaxLength(test.maxLength);
        box.textBox.SetText(test.before);
        box.edit->setSelection(test.start, test.length);

        TypeKeys(box.edit, QString::fromUtf8(test.keys));

        EXPECT_EQ(box.textBox.Text(), test.text);
        EXPECT_EQ(box.edit->text(), QString::fromUtf8(test.text));
        EXPECT_EQ(box.edit->cursorPosition(), test.caret);
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(TextBoxBinding, key_press_gets_the_code_point_and_a_form_may_still_change_or_cancel_the_key) {
    BoundTextBox box;
    std::vector<int> keys;
    box.textBox.KeyPress.Connect([&](int& key) {
        keys.push_back(key);
        if (key >= 'a' && key <= 'z')
            key = key - 'a' + 'A';
        else if (key == '!')
            key = 0;
    });

    TypeKeys(box.edit, QString::fromUtf8("\u00fcb!\U0001F600"));

    EXPECT_EQ(keys, (std::vector<int>{0xFC, 'b', '!', 0x1F600}));
    EXPECT_EQ(box.textBox.Text(), "\u00fcB\U0001F600");
    EXPECT_EQ(box.edit->text(), QString::fromUtf8("\u00fcB\U0001F600"));
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(TextBoxBinding, what_an_input_method_commits_is_typed_through_the_forms_key_filter) {
    BoundTextBox box;
    box.textBox.KeyPress.Connect([](int& key) {
        if (key < '0' || key > '9')
            key = 0;
    });
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("1\u00e92"));

    QApplication::sendEvent(box.edit, &composed);

    EXPECT_EQ(box.textBox.Text(), "12");
    EXPECT_EQ(box.edit->text(), "12");
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik

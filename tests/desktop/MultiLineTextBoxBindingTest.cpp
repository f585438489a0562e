#include "desktop/MultiLineTextBoxBinding.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>

namespace tavrik {
namespace {

std::string Repeat(const std::string& text, std::size_t count) {
    std::string repeated;
    for (std::size_t each = 0; each < count; ++each)
        repeated += text;
    return repeated;
}

TEST(MultiLineTextBoxBinding, lines_and_pastes_go_through_the_model_and_tab_moves_the_focus_on) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new ModelPlainTextEdit(&window);
    auto* next = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    TextBox comment("mTxt(3)");
    comment.SetMaxLength(254);
    BoundWidgets boundWidgets;
    MultiLineTextBoxBinding binding(comment, edit, boundWidgets);
    std::string events;
    comment.KeyDown.Connect([&](int key, int shift) {
        if (key == kKeyInsert)
            events += "down " + std::to_string(key) + "," + std::to_string(shift) + "|";
    });
    comment.KeyUp.Connect([&](int key, int) {
        if (key == kKeyInsert)
            events += "up " + std::to_string(key) + "|";
    });
    comment.Change.Connect([&] { events += "change|"; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QApplication::clipboard()->setText(QString::fromUtf8(Repeat("\u20ac", 254)));

    TypeKeys(edit, QString::fromUtf8("\u00e9"));
    QTest::keyClick(edit, Qt::Key_Return);
    TypeKeys(edit, QString::fromUtf8("\U0001F600\b"));
    const std::string typed = comment.Text();
    events.clear();
    // What the context menu's Paste calls.
    edit->paste();
    const std::string pasted = comment.Text();
    const std::string pasteEvents = events;
    QTest::keyClick(edit, Qt::Key_Tab);

    EXPECT_EQ(typed, "\u00e9\n");
    EXPECT_EQ(pasted, "\u00e9\n" + Repeat("\u20ac", 252));
    EXPECT_EQ(pasteEvents, "down 45,1|change|up 45|");
    EXPECT_EQ(edit->toPlainText().toStdString(), pasted);
    EXPECT_EQ(comment.Text(), pasted);
    EXPECT_EQ(QApplication::focusWidget(), next);
    window.close();
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik

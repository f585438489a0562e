#include "desktop/FormInqView.h"
#include "desktop/LicPurchOptView.h"
#include "desktop/ModelLineEdit.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"
#include "tests/support/DocumentHarness.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tavrik {
namespace {

// The Open Account and LPO dialogs on the real library and back office, with the scripted
// platform counting beeps, drawn by their views (never shown).
struct Dialogs {
    Dialogs()
        : formInq(harness.session.Forms.Load<Tavrik_FormInq>(Tavrik_FormInq::kFormName)),
          lpo(harness.session.Forms.Load<Tavrik_LicPurchOpt>(Tavrik_LicPurchOpt::kFormName)),
          formInqView(formInq, boundWidgets), lpoView(lpo, boundWidgets) {
        formInq.MarkShown();
        formInq.mFtcboDocType(0).SetCode("C");
    }

    DocumentHarness harness;
    Tavrik_FormInq& formInq;
    Tavrik_LicPurchOpt& lpo;
    BoundWidgets boundWidgets;
    FormInqView formInqView;
    LicPurchOptView lpoView;
};

void PasteByContextMenu(ModelLineEdit* edit) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            action->trigger();
    menu->close();
}

void PasteByDrop(ModelLineEdit* edit) {
    QMimeData text;
    text.setText(QApplication::clipboard()->text());
    const QPoint end(edit->width() - 1, 2);
    // Qt delivers a drop only to a widget that took the drag when it entered.
    QDragEnterEvent enter(end, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(end, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
}

TEST(PasteRoutes, every_paste_into_the_account_number_box_meets_the_dialogs_paste_check) {
    struct Case {
        const char* name;
        std::function<void(ModelLineEdit*)> paste;
    };
    const Case cases[] = {
        {"Shift+Insert",
         [](ModelLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"Ctrl+V", [](ModelLineEdit* edit) { QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); }},
        {"Ctrl+Shift+V",
         [](ModelLineEdit* edit) {
             QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
         }},
        {"context menu", PasteByContextMenu},
        {"drop", PasteByDrop},
    };
    const QString tenThousandLetters(10000, QChar('x'));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Dialogs dialogs;
        TextBox& number = dialogs.formInq.mTxtDocNbr(0);
        auto* edit = Child<ModelLineEdit>(&dialogs.formInqView, "mTxtDocNbr(0)");
        number.SetText("123");

        QApplication::clipboard()->setText(tenThousandLetters);
        test.paste(edit);
        const std::string afterLetters = number.Text();
        const int beepsAfterLetters = dialogs.harness.platform.beeps;
        QApplication::clipboard()->setText("4567");
        test.paste(edit);

        EXPECT_EQ(afterLetters, "123");
        EXPECT_EQ(beepsAfterLetters, 1);
        EXPECT_EQ(number.Text(), "1234567");
        EXPECT_EQ(edit->text(), "1234567");
        EXPECT_EQ(dialogs.harness.platform.beeps, 1);
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty()) << VisibleTopLevelWindows().join(", ").toStdString();
}

TEST(PasteRoutes, a_typed_e_acute_is_refused_with_a_beep_in_the_account_number_and_weight_boxes) {
    struct Case {
        const char* box;
        std::string shown;
    };
    const Case cases[] = {{"mTxtDocNbr(0)", "12"}, {"mTxt(1)", "12"}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.box);
        Dialogs dialogs;
        auto* edit = Child<ModelLineEdit>(&dialogs.formInqView, test.box);
        if (edit == nullptr)
            edit = Child<ModelLineEdit>(&dialogs.lpoView, test.box);
        ASSERT_NE(edit, nullptr);

        TypeKeys(edit, QString::fromUtf8("1\u00e92"));

        EXPECT_EQ(edit->text().toStdString(), test.shown);
        EXPECT_EQ(dialogs.harness.platform.beeps, 1);
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik

#include "tests/desktop/DemoDesk.h"
#include "tests/desktop/WidgetLookup.h"
#include "tests/support/DocumentHarness.h"
#include "tests/support/TestStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace tavrik {
namespace {

// The demo store, with account 12345 opened through the Open dialog and the row of AR 0012345
// selected.
class ArDetailRoad : public StoreTest {
protected:
    void SetUp() override {
        OpenDemoAccount();
        ClickCell(*receivables_, RowWith(*receivables_, "Account #", "0012345"), 0);
    }

    void OpenDemoAccount() {
        desk_ = std::make_unique<DemoDesk>(Engine());
        desktop_ = desk_->desktop.get();
        desk_->OpenAccount("", "12345");
        receivables_ = desk_->DocumentList(Tavrik_AdjustAcc::kReceivablesGrid);
    }

    void ClickArDetail() {
        QTest::mouseClick(Child<QPushButton>(&desktop_->Window(), "mCmdButton(0)"), Qt::LeftButton);
    }

    QPushButton* ArDetailButton() { return Child<QPushButton>(&desktop_->Window(), "mCmdButton(0)"); }

    // The account numbers of the rows the list highlights, and of the document's current row.
    std::string Highlighted() {
        std::string text;
        for (const QModelIndex& row : receivables_->selectionModel()->selectedRows())
            text += Account(row.row()) + " ";
        return text + "/ " + desktop_->Document().mSdgDBGrid(0).CellText("ACCT_RCVBL_NBR");
    }

    std::string Account(int row) {
        return receivables_->model()
            ->index(row, ColumnOf(*receivables_, "Account #"))
            .data()
            .toString()
            .toStdString();
    }

    // Opens the AR detail with the keys (or with "AR Detail" when none are given) and answers the
    // account number the window shows.
    std::string OpenedAccount(const std::function<void()>& press) {
        std::string opened = "(no window)";
        InsideModal("Tavrik_AccDetail", [&](QWidget* dialog) {
            opened = Child<QLabel>(dialog, "mLblAdjust(5)")->text().toStdString();
            QTest::mouseClick(Child<QPushButton>(dialog, "mCmdButton(3)"), Qt::LeftButton);
        });
        press();
        return opened;
    }

    std::unique_ptr<DemoDesk> desk_;
    DesktopApplication* desktop_ = nullptr;
    QTableView* receivables_ = nullptr;
};

// In the open AR detail window: ticks the administrative fee for removal, dates the change
// yesterday, types the comment key by key and saves; waits until the fee has moved to the adjusted
// assessments.
void RemoveAdministrativeFee(QWidget* dialog, const QString& comment) {
    auto* available = Child<QTableView>(dialog, "mSdgDBGrid(0)");
    auto* adjusted = Child<QTableView>(dialog, "mSdgDBGrid(1)");
    ASSERT_TRUE(WaitUntil([&] { return RowWith(*available, "Description", "ADMINISTRATIVE FEE") >= 0; }));

    ClickCell(*available, RowWith(*available, "Description", "ADMINISTRATIVE FEE"),
              ColumnOf(*available, "Remove"));
    EXPECT_EQ(Child<QLabel>(dialog, "mLblAdjust(12)")->text(), "$35.00");
    EXPECT_EQ(Child<QLabel>(dialog, "mLblAdjust(3)")->text(), "$35.00");
    QTest::mouseClick(Child<QCheckBox>(dialog, "mDtpDTPicker.blank"), Qt::LeftButton);
    Child<QDateEdit>(dialog, "mDtpDTPicker")->setDate(QDate::currentDate().addDays(-1));
    TypeKeys(Child<QLineEdit>(dialog, "mTxtAdjust(0)"), comment);
    EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/ar-detail.png", "PNG"));
    QTest::mouseClick(Child<QPushButton>(dialog, "mCmdButton(2)"), Qt::LeftButton);

    EXPECT_TRUE(WaitUntil([&] { return RowWith(*adjusted, "Description", "ADMINISTRATIVE FEE") >= 0; }));
    EXPECT_EQ(RowWith(*available, "Description", "ADMINISTRATIVE FEE"), -1);
}

TEST_P(ArDetailRoad, a_fee_removed_with_an_umlaut_comment_lowers_the_amount_due_and_is_listed_as_typed) {
    const QString comment = QString::fromUtf8("Geb\u00fchr f\u00fcr M\u00fcller");
    bool listed = false;
    InsideModal("Tavrik_AccDetail", [&](QWidget* detail) {
        RemoveAdministrativeFee(detail, comment);
        InsideModal("Tavrik_Activity", [&](QWidget* dialog) {
            auto* table = Child<QTableView>(dialog, "mSdgActivity");
            listed = WaitUntil([&] { return RowWith(*table, "Comment", comment) >= 0; });
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(Child<QPushButton>(detail, "mCmdButton(0)"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(detail, "mCmdButton(3)"), Qt::LeftButton);
    });

    ClickArDetail();

    const auto due = [&] {
        return CellAt(*receivables_, RowWith(*receivables_, "Account #", "0012345"), "Amount Due");
    };
    EXPECT_TRUE(WaitUntil([&] { return due() == "$312.50"; })) << due().toStdString();
    EXPECT_TRUE(listed);
    EXPECT_EQ(StoreRows(desk_->store.Location(),
                        "SELECT ACCT_ACTVTY_CD, ACTVTY_CMMT_TXT FROM account_activity WHERE "
                        "ACCT_RCVBL_NBR = 12345 ORDER BY ACTIVITY_ID DESC LIMIT 1"),
              "RM | Geb\u00fchr f\u00fcr M\u00fcller\n");
    EXPECT_TRUE(desk_->boxes.isEmpty()) << desk_->boxes.join(" | ").toStdString();
}

TEST_P(ArDetailRoad, the_activity_list_is_drawn_as_reshaped_and_esc_closes_it_and_then_the_detail_window) {
    bool activityClosed = false;
    InsideModal("Tavrik_AccDetail", [&](QWidget* detail) {
        ASSERT_TRUE(
            WaitUntil([&] { return Child<QTableView>(detail, "mSdgDBGrid(0)")->model()->rowCount(); }));
        InsideModal("Tavrik_Activity", [&](QWidget* dialog) {
            auto* table = Child<QTableView>(dialog, "mSdgActivity");
            auto* ok = Child<QPushButton>(dialog, "mCmdActivity(2)");
            EXPECT_TRUE(WaitUntil([&] { return table->model()->rowCount() == 5; }));
            EXPECT_EQ(ok->text(), "OK");
            EXPECT_TRUE(table->parentWidget()->findChild<QLabel*>()->isVisible());
            for (const char* hidden : {"SSFrame2", "mFraActivity(2)", "mFraActivity(3)", "mCmdActivity(1)"})
                EXPECT_FALSE(Child<QWidget>(dialog, hidden)->isVisible()) << hidden;
            // The opener stretched the grid down to 150 twips above "OK".
            EXPECT_EQ(ok->y() - table->mapTo(dialog, table->rect().bottomLeft()).y() - 1, 150 / 15);
            EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/account-activity.png", "PNG"));

            QTest::keyClick(dialog, Qt::Key_Escape);

            activityClosed = !dialog->isVisible();
        });
        QTest::mouseClick(Child<QPushButton>(detail, "mCmdButton(0)"), Qt::LeftButton);
        // Esc is the Close button: with a comment typed it asks first, and "No" lets the window go.
        QTest::keyClicks(Child<QLineEdit>(detail, "mTxtAdjust(0)"), "Looked only");
        QTest::keyClick(detail, Qt::Key_Escape);
    });

    ClickArDetail();

    EXPECT_TRUE(activityClosed);
    EXPECT_EQ(desk_->boxes.join(" | ").toStdString(),
              "Adjustment data has been changed.  Do you wish to save these changes?");
}

TEST_P(ArDetailRoad, the_window_title_names_the_opened_account) {
    const QString title = desktop_->Window().windowTitle();

    EXPECT_TRUE(title.startsWith("Account Adjustment - ACME FREIGHT LINES INC - CITATION 0012345-"))
        << title.toStdString();
    EXPECT_EQ(desktop_->Session().gsHostCaption, "Account Adjustment");
}

// After a click, the keys move the document's current row, so "AR Detail" opens the highlighted AR;
// a double-click opens the AR of its row.
TEST_P(ArDetailRoad, ar_detail_opens_the_ar_reached_by_keys_after_a_click_or_by_a_double_click) {
    QTest::keyClick(receivables_, Qt::Key_Down);
    QTest::keyClick(receivables_, Qt::Key_Down);
    const std::string highlighted = Highlighted();
    const std::string byButton = OpenedAccount([&] { ClickArDetail(); });
    const QRect cell = receivables_->visualRect(
        receivables_->model()->index(RowWith(*receivables_, "Account #", "0012351"), 0));

    const std::string byDoubleClick = OpenedAccount(
        [&] { QTest::mouseDClick(receivables_->viewport(), Qt::LeftButton, {}, cell.center()); });

    EXPECT_EQ(highlighted, "0012350 / 0012350");
    EXPECT_EQ(byButton, "0012350");
    EXPECT_EQ(byDoubleClick, "0012351");
}

TEST_P(ArDetailRoad, moving_and_selecting_keys_reach_the_model_and_the_ar_detail_button) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected; // highlighted rows / current row, and "AR Detail" enabled
    };
    const Step steps[] = {
        {Qt::Key_End, {}, "2000001 / 2000001 +"},
        {Qt::Key_Home, {}, "0012345 / 0012345 +"},
        {Qt::Key_Down, Qt::ShiftModifier, "0012345 0012346 / 0012345 -"},
        {Qt::Key_Down, Qt::ShiftModifier, "0012345 0012346 0012350 / 0012345 -"},
        {Qt::Key_Up, Qt::ShiftModifier, "0012345 0012346 / 0012345 -"},
        {Qt::Key_Down, {}, "0012350 / 0012350 +"},
        {Qt::Key_Down, Qt::ControlModifier, "0012350 / 0012350 +"},
        {Qt::Key_Space, Qt::ControlModifier, "0012350 0012351 / 0012350 -"},
        {Qt::Key_Space, Qt::ControlModifier, "0012350 / 0012350 +"},
        {Qt::Key_PageUp, {}, "0012345 / 0012345 +"},
        {
            Qt::Key_PageDown,
            {},
            "",
        },
        {Qt::Key_A, Qt::ControlModifier, ""},
    };
    for (const Step& step : steps) {
        const std::string before = Highlighted();

        QTest::keyClick(receivables_, step.key, step.modifiers);

        const std::string after = Highlighted() + (ArDetailButton()->isEnabled() ? " +" : " -");
        if (step.key == Qt::Key_PageDown) {
            // A page down lands on the row a page below, whatever the page holds.
            const int page =
                receivables_->viewport()->height() / receivables_->verticalHeader()->defaultSectionSize();
            const std::string landed = Account(std::min(page, receivables_->model()->rowCount() - 1));
            EXPECT_EQ(after, landed + " / " + landed + " +");
        } else if (step.key == Qt::Key_A) {
            EXPECT_EQ(after, before + " +") << "Ctrl+A selects behind the model's back";
        } else {
            EXPECT_EQ(after, step.expected) << QTest::toString(step.key);
        }
    }
}

// No click at all: the clerk tabs into the list, walks down and presses Enter.
class KeyboardRoad : public ArDetailRoad {
protected:
    void SetUp() override { OpenDemoAccount(); }
};

TEST_P(KeyboardRoad, enter_opens_the_ar_walked_to_with_the_keyboard_alone) {
    receivables_->setFocus(Qt::TabFocusReason);
    QTest::keyClick(receivables_, Qt::Key_Down);
    QTest::keyClick(receivables_, Qt::Key_Down);
    const std::string highlighted = Highlighted();

    const std::string opened = OpenedAccount([&] { QTest::keyClick(receivables_, Qt::Key_Return); });

    EXPECT_EQ(highlighted, "0012350 / 0012350");
    EXPECT_EQ(opened, "0012350");
}

TEST_P(ArDetailRoad, space_ticks_remove_on_the_row_walked_to_and_the_total_follows) {
    QString total;
    InsideModal("Tavrik_AccDetail", [&](QWidget* dialog) {
        auto* available = Child<QTableView>(dialog, "mSdgDBGrid(0)");
        ASSERT_TRUE(WaitUntil([&] { return RowWith(*available, "Description", "ADMINISTRATIVE FEE") >= 0; }));
        available->setFocus(Qt::TabFocusReason);
        QTest::keyClick(available, Qt::Key_Home);
        while (available->currentIndex().row() < RowWith(*available, "Description", "ADMINISTRATIVE FEE"))
            QTest::keyClick(available, Qt::Key_Down);

        QTest::keyClick(available, Qt::Key_Space);
        total = Child<QLabel>(dialog, "mLblAdjust(12)")->text();
        QTest::keyClick(available, Qt::Key_Space);
        total += " " + Child<QLabel>(dialog, "mLblAdjust(12)")->text();

        QTest::mouseClick(Child<QPushButton>(dialog, "mCmdButton(3)"), Qt::LeftButton);
    });

    ClickArDetail();

    EXPECT_EQ(total, "$35.00 $0.00");
}

TEST_P(ArDetailRoad, enter_in_the_comment_box_presses_no_button_when_the_form_makes_none_the_default) {
    QStringList defaults;
    bool activityOpened = false;
    QTimer activityWatch;
    QObject::connect(&activityWatch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == "Tavrik_Activity") {
            activityOpened = true;
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
    activityWatch.start(20);
    InsideModal("Tavrik_AccDetail", [&](QWidget* dialog) {
        auto* comment = Child<QLineEdit>(dialog, "mTxtAdjust(0)");
        comment->setFocus();

        QTest::keyClicks(comment, "Looked only");
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::qWait(100);

        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->isDefault() || button->autoDefault())
                defaults << button->objectName();
        QTest::mouseClick(Child<QPushButton>(dialog, "mCmdButton(3)"), Qt::LeftButton);
    });

    ClickArDetail();

    EXPECT_FALSE(activityOpened);
    EXPECT_TRUE(defaults.isEmpty()) << defaults.join(", ").toStdString();
}

TAVRIK_ON_BOTH_ENGINES(ArDetailRoad);
TAVRIK_ON_BOTH_ENGINES(KeyboardRoad);

} // namespace
} // namespace tavrik

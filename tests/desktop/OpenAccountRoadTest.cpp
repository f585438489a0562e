#include "desktop/DesktopApplication.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

namespace tavrik {
namespace {

TEST(OpenAccountRoad, a_clerk_opens_the_demo_account_through_real_widgets_and_selects_a_row) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("tavrik-desktop-" + std::to_string(getpid()));
    std::filesystem::remove_all(directory);
    {
        DesktopApplication desktop(directory / "demo.sqlite", "SUPER");
        desktop.Show();
        bool typed = false;
        // The dialog is modal: the clerk's typing happens from inside its event loop.
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }));
            QWidget* dialog = QApplication::activeModalWidget();
            auto* number = Child<QLineEdit>(dialog, "mTxtDocNbr(0)");
            auto* ok = Child<QPushButton>(dialog, "mCmdBttn(1)");
            ASSERT_NE(number, nullptr);
            ASSERT_NE(ok, nullptr);
            EXPECT_EQ(Child<QComboBox>(dialog, "mFtcboDocType(0)")->currentText(), "CITATION");
            QTest::keyClicks(number, "12345");
            typed = number->text() == "12345";
            QTest::mouseClick(ok, Qt::LeftButton);
        });

        desktop.Window().ToolbarButton(MainWindow::kOpenButton)->trigger();

        auto* receivables = Child<QTableView>(&desktop.Window(), "mSdgDBGrid(0)");
        auto* receipts = Child<QTableView>(&desktop.Window(), "mSdgDBGrid(1)");
        auto* arDetail = Child<QPushButton>(&desktop.Window(), "mCmdButton(0)");
        ASSERT_NE(receivables, nullptr);
        ASSERT_NE(receipts, nullptr);
        EXPECT_TRUE(typed);
        ASSERT_TRUE(WaitUntil([&] { return receivables->model()->rowCount() == 13; }));
        EXPECT_EQ(receipts->model()->rowCount(), 6);
        EXPECT_EQ(desktop.Window().StatusText(), "Ready");
        EXPECT_EQ(receivables->model()->index(0, 4).data().toString(), "03/15/2023");
        EXPECT_EQ(receivables->model()->index(0, 5).data().toString(), "$510.00");
        EXPECT_EQ(receipts->model()->index(2, 5).data().toString(), "0.00");
        EXPECT_FALSE(arDetail->isEnabled());

        const QRect row = receivables->visualRect(receivables->model()->index(1, 0));
        QTest::mouseClick(receivables->viewport(), Qt::LeftButton, {}, row.center());

        EXPECT_TRUE(arDetail->isEnabled());
        QTest::qWait(50);
        EXPECT_TRUE(desktop.Window().grab().save(TAVRIK_SCREENSHOT_DIR "/opened-account.png", "PNG"));
        desktop.Window().close();
        EXPECT_TRUE(VisibleTopLevelWindows().isEmpty()) << VisibleTopLevelWindows().join(", ").toStdString();
    }
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace tavrik

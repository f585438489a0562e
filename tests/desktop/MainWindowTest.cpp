#include "desktop/MainWindow.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrik {
namespace {

constexpr const char* kTag = "TAVRIK-ADJUST-1";

std::unique_ptr<MainWindow> MakeWindow(KovraStatusService& status, MainWindowCallbacks callbacks = {}) {
    return std::make_unique<MainWindow>(status, kTag, "Account Adjustment", std::move(callbacks),
                                        std::make_unique<QWidget>());
}

// The toolbar as text: each button's number and whether it is enabled.
std::string Toolbar(const MainWindow& window) {
    std::string text;
    for (int number : {7, 8, 9, 12, 14})
        text += std::to_string(number) + (window.ToolbarButton(number)->isEnabled() ? "+ " : "- ");
    return text;
}

TEST(MainWindow, toolbar_follows_only_its_own_host_tag_when_buttons_are_switched) {
    KovraStatusService status;
    status.SetToolbarButton(14, false, kTag);
    auto window = MakeWindow(status);

    const std::string atStart = Toolbar(*window);
    for (int number : {7, 9, 12})
        status.SetToolbarButton(number, false, kTag);
    status.SetToolbarButton(8, false, "TAVRIK-OTHER-2");
    status.SetToolbarButton(14, true, "TAVRIK-OTHER-2");

    EXPECT_EQ(atStart, "7+ 8+ 9+ 12+ 14- ");
    EXPECT_EQ(Toolbar(*window), "7- 8+ 9- 12- 14- ");
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(MainWindow, the_open_command_is_reached_by_its_key_without_the_mouse) {
    KovraStatusService status;
    int opened = 0;
    MainWindowCallbacks callbacks;
    callbacks.fileOpen = [&] { ++opened; };
    auto window = MakeWindow(status, std::move(callbacks));
    window->show();
    QApplication::setActiveWindow(window.get());

    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    window->ToolbarButton(MainWindow::kOpenButton)->setEnabled(false);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);

    EXPECT_EQ(opened, 1);
    window->close();
    window.reset();
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(MainWindow, status_bar_shows_both_texts_when_the_service_changes_them) {
    KovraStatusService status;
    status.ShowStatus("Loading information");
    auto window = MakeWindow(status);

    const QString atStart = window->StatusText();
    status.ShowStatus("Ready");
    status.ShowStatusMsg("CITATION number 0012345 opened");
    const QString shown = window->StatusText() + "|" + window->StatusMsgText();
    window.reset();
    status.ShowStatus("After the window is gone");

    EXPECT_EQ(atStart, "Loading information");
    EXPECT_EQ(shown, "Ready|CITATION number 0012345 opened");
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(MainWindow, window_closes_after_unloading_only_when_the_document_agrees) {
    KovraStatusService status;
    std::vector<std::string> calls;
    bool agree = false;
    auto window = MakeWindow(status, {
                                         .fileOpen = [&] { calls.push_back("FileOpen"); },
                                         .saveData = [&] { calls.push_back("SaveData"); },
                                         .beforeUnload = [&] { calls.push_back("BeforeUnload"); },
                                         .closeDocument =
                                             [&] {
                                                 calls.push_back("CloseDocument");
                                                 return agree;
                                             },
                                     });
    window->show();

    window->ToolbarButton(MainWindow::kOpenButton)->trigger();
    window->ToolbarButton(MainWindow::kSaveButton)->trigger();
    window->close();
    const bool visibleAfterRefusal = window->isVisible();
    agree = true;
    window->close();

    EXPECT_TRUE(visibleAfterRefusal);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"FileOpen", "SaveData", "CloseDocument", "CloseDocument",
                                               "BeforeUnload"}));
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik

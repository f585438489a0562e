#include "desktop/QtDispatcher.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <numeric>
#include <thread>
#include <vector>

namespace tavrik {
namespace {

// Runs the event loop until done answers true or timeoutMs has passed.
template <class Done> void RunEventsUntil(Done done, int timeoutMs) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(QtDispatcher, posts_from_another_thread_run_on_the_gui_thread_in_order_when_the_loop_runs) {
    QtDispatcher dispatcher;
    QThread* const guiThread = QThread::currentThread();
    std::vector<int> ran;
    bool allOnGuiThread = true;
    constexpr int kTasks = 200;

    std::thread poster([&] {
        for (int task = 0; task < kTasks; ++task)
            dispatcher.Post([&, task] {
                allOnGuiThread = allOnGuiThread && QThread::currentThread() == guiThread;
                ran.push_back(task);
            });
    });
    poster.join();
    EXPECT_TRUE(ran.empty());
    RunEventsUntil([&] { return ran.size() == kTasks; }, 5000);

    std::vector<int> expected(kTasks);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(ran, expected);
    EXPECT_TRUE(allOnGuiThread);
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(QtDispatcher, only_timers_not_cancelled_fire_when_their_delay_has_passed) {
    QtDispatcher dispatcher;
    std::vector<std::string> fired;
    dispatcher.PostAfter(std::chrono::milliseconds(300), [&] { fired.push_back("late"); });
    const UiDispatcher::TimerId cancelled =
        dispatcher.PostAfter(std::chrono::milliseconds(5), [&] { fired.push_back("cancelled"); });
    dispatcher.PostAfter(std::chrono::milliseconds(5), [&] {
        fired.push_back("early");
        // A timer's task may set another one.
        dispatcher.PostAfter(std::chrono::milliseconds(0), [&] { fired.push_back("chained"); });
    });

    dispatcher.Cancel(cancelled);
    dispatcher.Cancel(cancelled);
    dispatcher.Cancel(12345);
    RunEventsUntil([&] { return fired.size() == 3; }, 5000);
    RunEventsUntil([] { return false; }, 30);

    EXPECT_EQ(fired, (std::vector<std::string>{"early", "chained", "late"}));
    EXPECT_EQ(dispatcher.PendingTimers(), 0u);
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(QtDispatcher, nothing_pending_runs_when_the_dispatcher_is_destroyed) {
    bool ran = false;
    auto dispatcher = std::make_unique<QtDispatcher>();
    dispatcher->Post([&] { ran = true; });
    dispatcher->PostAfter(std::chrono::milliseconds(0), [&] { ran = true; });

    dispatcher.reset();
    RunEventsUntil([] { return false; }, 30);

    EXPECT_FALSE(ran);
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik

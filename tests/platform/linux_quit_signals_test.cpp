#include "platform/linux/linux_quit_signals.h"
#include "qt_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

using namespace kelvaro;

namespace {
void ignoreSignal(int) {}
} // namespace

TEST(QuitSignals, TermAndIntArriveOnTheEventLoopAndOldHandlersReturn) {
    testApp();
    struct sigaction mine {};
    mine.sa_handler = ignoreSignal;
    sigemptyset(&mine.sa_mask);
    struct sigaction original[2];
    sigaction(SIGTERM, &mine, &original[0]);
    sigaction(SIGINT, &mine, &original[1]);
    {
        std::vector<int> received;
        QuitSignals quit([&](int signalNumber) { received.push_back(signalNumber); });
        ASSERT_TRUE(quit.isInstalled());
        QuitSignals second; // only one may hold the handlers
        EXPECT_FALSE(second.isInstalled());

        raise(SIGTERM);
        raise(SIGINT);
        EXPECT_TRUE(received.empty()); // nothing runs inside the handler
        ASSERT_TRUE(processEventsUntil([&] { return received.size() == 2; }));
        EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGINT}));
    }
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, &ignoreSignal);
    sigaction(SIGTERM, &original[0], nullptr);
    sigaction(SIGINT, &original[1], nullptr);
}

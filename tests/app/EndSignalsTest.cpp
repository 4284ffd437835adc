#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <csignal>
#include <vector>

#include "app/EndSignals.h"

using voltaro::EndSignals;

// A kill, a hang-up and Ctrl-C each arrive on the event loop, not inside the handler, and the
// handler in force before comes back afterwards.
TEST(EndSignals, EachSignalToEndArrivesOnTheEventLoop) {
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        std::signal(number, SIG_IGN);
        {
            EndSignals end;
            ASSERT_TRUE(end.Installed());
            std::vector<int> received;
            QEventLoop loop;
            QObject::connect(&end, &EndSignals::received, [&](int n) {
                received.push_back(n);
                loop.quit();
            });
            ASSERT_EQ(std::raise(number), 0);
            EXPECT_TRUE(received.empty()) << "nothing is done inside the handler";
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);  // gives up rather than hang
            loop.exec();
            EXPECT_EQ(received, std::vector<int>{number});
        }
        struct sigaction now {};
        sigaction(number, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
        std::signal(number, SIG_DFL);
    }
}

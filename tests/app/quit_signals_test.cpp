#include "app/quit_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace daxo {
namespace {

// Each signal of the end of a session reaches the program's own thread as
// a request to quit.
TEST(QuitSignalsTest, TheEndOfASessionAsksToQuit)
{
    int asked = 0;
    QuitSignals quit([&] { ++asked; });
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const int before = asked;
        ASSERT_EQ(::raise(signal), 0);
        QElapsedTimer clock;
        clock.start();
        while (asked == before && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(asked, before + 1) << signal;
    }
}

} // namespace
} // namespace daxo

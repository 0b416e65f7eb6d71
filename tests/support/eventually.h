#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace daxo::test {

// Runs the event loop until `done` holds, for at most `patienceMs`:
// whether it holds. What the windows hear from their workers arrives
// through the loop.
inline bool eventually(const std::function<bool()>& done, int patienceMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < patienceMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

} // namespace daxo::test

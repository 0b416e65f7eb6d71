#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace daxo {

// Watches the application's start while it connects to the display. Qt
// aborts when it finds none, after a page of its own messages; the player
// gets one line instead and the status 1. Once the display is reached,
// what Qt said meanwhile is passed on as it would have been.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The line said when no display can be reached.
    static QString noDisplayLine();

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler previous_;
};

} // namespace daxo

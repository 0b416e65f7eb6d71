#include "display_guard.h"

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace daxo {
namespace {

struct Held {
    QtMsgType type;
    QString category;
    QString message;
};

QtMessageHandler passOn = nullptr;
std::vector<Held> held;

} // namespace

DisplayGuard::DisplayGuard()
    : previous_(qInstallMessageHandler(&DisplayGuard::handle))
{
    passOn = previous_;
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous_);
    for (const Held& message : held) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        if (previous_)
            previous_(message.type, context, message.message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.message));
    }
    held.clear();
}

QString DisplayGuard::noDisplayLine()
{
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QString where = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    if (!display.isEmpty())
        where = "DISPLAY " + QString::fromLocal8Bit(display) + " could not be reached";
    else if (!wayland.isEmpty())
        where = "WAYLAND_DISPLAY " + QString::fromLocal8Bit(wayland) + " could not be reached";
    return "daxo: no display was found (" + where + "); start Daxo from a desktop session";
}

// Qt's fatal message ends in abort(): the line goes first, and the program
// ends there, with nothing of the warnings that led to it.
void DisplayGuard::handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplayLine()));
        std::fflush(stderr);
        ::_exit(1);
    }
    held.push_back({type, QString::fromUtf8(context.category ? context.category : ""), message});
}

} // namespace daxo

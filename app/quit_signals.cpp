#include "quit_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace daxo {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Written by the handler, read by the notifier: the two ends of a pair.
int pair[2] = {-1, -1};

extern "C" void onQuitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1); // async-signal-safe
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent)
    , quit_(std::move(quit))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pair[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(pair[1], &byte, 1) == 1)
            quit_();
    });
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    notifier_.reset();
    for (int& end : pair) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

} // namespace daxo

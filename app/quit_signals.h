#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace daxo {

// What a desktop session sends when it ends (SIGTERM, SIGHUP) and Ctrl+C in
// a terminal (SIGINT) end the program as its Quit does, the game in play
// kept, rather than at once with nothing kept. The signal only writes a
// byte; the program's own thread does the rest, where it is safe to.
class QuitSignals final : public QObject {
    Q_OBJECT
public:
    // `quit` runs on this object's thread for each signal received.
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    // The signals go back to ending the program at once.
    ~QuitSignals() override;

private:
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace daxo

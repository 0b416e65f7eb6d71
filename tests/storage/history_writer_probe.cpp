// Stores a big game into the history file given on the command line and
// exits with the trouble it met (0 for none). The tests run it where
// writing must fail, such as under a file-size limit or as another user.

#include "storage/history.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 100;
    daxo::History history(QString::fromLocal8Bit(argv[1]), 200);
    if (history.trouble() != daxo::HistoryTrouble::None)
        return static_cast<int>(history.trouble());
    std::vector<daxo::GameEvent> events{daxo::NewGameEvent{1, 1}};
    for (int i = 0; i < 2000; ++i)
        events.push_back(daxo::TypedEvent{daxo::Cell::Text6, std::string(200, 'x')});
    history.store(daxo::StoredGame::of(daxo::GameRecord(std::move(events), 77)));
    return static_cast<int>(history.trouble());
}

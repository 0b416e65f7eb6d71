#include "game/random_dice_source.h"
#include "shell/app_icon.h"
#include "shell/main_window.h"
#include "shell/player_messages.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("daxo");
    QApplication::setApplicationVersion(DAXO_VERSION_STRING);
    QApplication::setWindowIcon(daxo::appIcon());

    daxo::RandomDiceSource dice;
    daxo::MessageBoxes messages;
    daxo::MainWindow window(dice, messages);
    window.show();
    return QApplication::exec();
}

#include "command_line.h"
#include "display_guard.h"
#include "quit_signals.h"
#include "windows.h"

#include "coach/background_strategy_source.h"
#include "game/random_dice_source.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"
#include "version.h"
#include "widgets/app_icon.h"
#include "widgets/fonts.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"
#include "widgets/secondary_window.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[])
{
    const daxo::CommandLine commandLine = daxo::readCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;

    std::optional<daxo::DisplayGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName("daxo");
    QApplication::setApplicationVersion(DAXO_VERSION_STRING);
    QGuiApplication::setDesktopFileName(DAXO_APP_ID); // ties the windows to the desktop entry

    daxo::RandomDiceSource dice(commandLine.seed);
    daxo::MessageBoxes messages;
    daxo::PrintDialogs printers;
    daxo::BackgroundStrategySource strategies; // worked out only once asked for
    daxo::Windows windows(dice, messages, printers, strategies);
    // The end of a session ends the game as Quit does.
    const daxo::QuitSignals quit([&windows] { windows.main().close(); });

    // The splash, a bare title card, needs no icon; the windows after it do.
    // They also take the board's face for their menus and messages, which
    // spares loading a second family of fonts.
    auto* splash = new daxo::SplashWindow([&windows] {
        QApplication::setWindowIcon(daxo::appIcon());
        QFont font = QApplication::font();
        font.setFamily(daxo::sansFont(8.25).family());
        QApplication::setFont(font);
        daxo::showNotModal(windows.main());
        windows.restoreTable();
        windows.restoreCoachWindow();
    }); // destroys itself
    daxo::showNotModal(*splash);
    return QApplication::exec();
}

#pragma once

#include "game/game.h"
#include "i18n/qt_translations.h"
#include "widgets/single_instance.h"

#include <memory>
#include <string_view>

class QWidget;

namespace daxo {

class AboutWindow;
class BlankSheet;
class LanguageWindow;
class MainWindow;
class PicturesWindow;
class PlayerMessages;
class PlayerSheet;
class PrinterPort;
class PrintWindow;
class RulesSheet;
class RulesWindow;
class Sheet;

// The game and every window of the program, each window a single instance
// for the run, created the first time it is needed. The secondary windows
// belong to the board and go with it; the game outlives them all.
class Windows {
public:
    Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Game& game() { return game_; }
    PlayerMessages& messages() { return messages_; }
    PrinterPort& printers() { return printers_; }

    MainWindow& main();       // `Daxo`, the board
    AboutWindow& about();     // `Apropos`
    RulesWindow& rules();     // `Règle`
    PicturesWindow& pictures(); // `Pictures`
    PrintWindow& print();     // `Printer1`
    LanguageWindow& language(); // `Langue`
    // The window of that name: "Daxo", "Pictures", "Printer1", "Langue",
    // "Règle" or "Apropos".
    QWidget& byName(std::string_view name);
    // The printable sheets, never shown.
    Sheet& blankSheet();      // `printPoints`
    Sheet& rulesSheet();      // `PrintRegle`
    Sheet& playerSheet();     // `PrintVosPoints`

    // The window if it exists now, or nullptr.
    AboutWindow* findAbout() const;
    RulesWindow* findRules() const;
    PicturesWindow* findPictures() const;
    PrintWindow* findPrint() const;
    LanguageWindow* findLanguage() const;
    PlayerSheet* findPlayerSheet() const;

private:
    // Gives a window created anew the captions of the language in use.
    template <typename Window>
    Window* inActiveLanguage(Window* window, std::string_view name);

    PlayerMessages& messages_;
    PrinterPort& printers_;
    Game game_;
    QtTranslations qtTranslations_{game_};
    std::unique_ptr<MainWindow> main_;
    SingleInstance<AboutWindow> about_;
    SingleInstance<RulesWindow> rules_;
    SingleInstance<PicturesWindow> pictures_;
    SingleInstance<PrintWindow> print_;
    SingleInstance<LanguageWindow> language_;
    SingleInstance<BlankSheet> blankSheet_;
    SingleInstance<RulesSheet> rulesSheet_;
    SingleInstance<PlayerSheet> playerSheet_;
};

} // namespace daxo

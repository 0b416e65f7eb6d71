#pragma once

#include "game/game.h"
#include "i18n/qt_translations.h"
#include "widgets/single_instance.h"
#include "widgets/window_ports.h"

#include <memory>
#include <string_view>

class QWidget;

namespace daxo {

class AboutWindow;
class LanguageWindow;
class MainWindow;
class PicturesWindow;
class PlayerMessages;
class PrinterPort;
class PrintSheets;
class PrintWindow;
class RulesWindow;

// The game and every window of the program, each window a single instance
// for the run, created the first time it is needed; and the links between
// the windows, which no window folder makes itself. The secondary windows
// belong to the board and go with it; the game outlives them all.
class Windows final : public WindowDirectory, public LanguageSwitch, public PictureSets {
public:
    Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Game& game() { return game_; }

    MainWindow& main();         // `Daxo`, the board
    AboutWindow& about();       // `Apropos`
    RulesWindow& rules();       // `Règle`
    PicturesWindow& pictures(); // `Pictures`
    PrintWindow& print();       // `Printer1`
    LanguageWindow& language(); // `Langue`
    PrintSheets& sheets();      // `printPoints`, `PrintRegle`, `PrintVosPoints`, never shown

    // The window if it exists now, or nullptr.
    AboutWindow* findAbout() const;
    RulesWindow* findRules() const;
    PicturesWindow* findPictures() const;
    PrintWindow* findPrint() const;
    LanguageWindow* findLanguage() const;

    // WindowDirectory
    QWidget& window(std::string_view name) override;
    // LanguageSwitch
    void applyLanguage() override;
    void applyLanguageOf(const std::string& code) override;
    // PictureSets
    void applyPictureSet(int set) override;

private:
    // Gives a window created anew the captions of the language in use.
    template <typename Window>
    Window* inActiveLanguage(Window* window, std::string_view name);

    PlayerMessages& messages_;
    PrinterPort& printers_;
    Game game_;
    QtTranslations qtTranslations_{game_};
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<PrintSheets> sheets_;
    SingleInstance<AboutWindow> about_;
    SingleInstance<RulesWindow> rules_;
    SingleInstance<PicturesWindow> pictures_;
    SingleInstance<PrintWindow> print_;
    SingleInstance<LanguageWindow> language_;
};

} // namespace daxo

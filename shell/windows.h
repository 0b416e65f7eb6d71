#pragma once

#include "game/game.h"
#include "single_instance.h"

#include <memory>

class QWidget;

namespace daxo {

class AboutWindow;
class MainWindow;
class PicturesWindow;
class PlayerMessages;
class RulesWindow;

// The game and every window of the program, each window a single instance
// for the run, created the first time it is needed. The secondary windows
// belong to the board and go with it; the game outlives them all.
class Windows {
public:
    Windows(DiceSource& dice, PlayerMessages& messages);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Game& game() { return game_; }
    MainWindow& main();       // `Daxo`, the board
    AboutWindow& about();     // `Apropos`
    RulesWindow& rules();     // `Règle`
    PicturesWindow& pictures(); // `Pictures`

    // The window if it exists now, or nullptr.
    AboutWindow* findAbout() const;
    RulesWindow* findRules() const;
    PicturesWindow* findPictures() const;

private:
    PlayerMessages& messages_;
    Game game_;
    std::unique_ptr<MainWindow> main_;
    SingleInstance<AboutWindow> about_;
    SingleInstance<RulesWindow> rules_;
    SingleInstance<PicturesWindow> pictures_;
};

} // namespace daxo

#pragma once

#include "game/ports.h"
#include "widgets/secondary_window.h"
#include "widgets/window_ports.h"

namespace daxo {

class Game;
class PictureBox;

// The About window `Apropos`. A click on its picture shows or hides the
// board's cheat panel; OK only hides the window, so it remembers which.
class AboutWindow final : public SecondaryWindow, private GameListener {
    Q_OBJECT
public:
    // The game and the cheat controls must outlive the window.
    AboutWindow(QWidget& board, Game& game, CheatControls& cheat);
    ~AboutWindow() override;

    void Form_Load();
    void Image_Click();
    void btnOK_Click();

private:
    // Names the picture for screen readers in the language in use.
    void captionChanged(Label label, const std::string& caption) override;

    Game& game_;
    CheatControls& cheat_;
    PictureBox* image_ = nullptr;
    bool cheatShown_ = false;
};

} // namespace daxo

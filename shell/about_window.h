#pragma once

#include "game/ports.h"
#include "widgets/secondary_window.h"

namespace daxo {

class Game;
class MainWindow;
class PictureBox;

// The About window `Apropos`. A click on its picture shows or hides the
// board's cheat panel; OK only hides the window, so it remembers which.
class AboutWindow final : public SecondaryWindow, private GameListener {
    Q_OBJECT
public:
    explicit AboutWindow(MainWindow& board);
    ~AboutWindow() override;

    void Form_Load();
    void Image_Click();
    void btnOK_Click();

private:
    // Names the picture for screen readers in the language in use.
    void captionChanged(Label label, const std::string& caption) override;

    MainWindow& board_;
    Game& game_; // outlives the board, which this window may outlive briefly
    PictureBox* image_ = nullptr;
    bool cheatShown_ = false;
};

} // namespace daxo

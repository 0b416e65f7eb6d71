#pragma once

#include "widgets/secondary_window.h"

#include <array>

class QRadioButton;

namespace daxo {

class FacePictures;
class Game;
class PictureBox;

// The window `Pictures`: the five sets of dice pictures, a sample of each
// with an option under it. Choosing a set gives the board its six faces and
// saves the choice; the close button destroys the window.
class PicturesWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The game and the board's face pictures must outlive the window.
    PicturesWindow(QWidget& board, Game& game, FacePictures& faces);

    // Selects the option of the board's current set.
    void Form_Load();

    // Apply set 1 to 5. Public: the board's start-up applies a stored set.
    void Picture11_Click();
    void Picture21_Click();
    void Picture31_Click();
    void Picture41_Click();
    void Picture51_Click();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command1_Click();

private:
    void applySet(int set);

    Game& game_;
    FacePictures& boardFaces_;
    std::array<std::array<PictureBox*, 6>, 5> faces_{}; // Picture11 to Picture56
    std::array<QRadioButton*, 5> options_{};            // Option1 to Option5
};

} // namespace daxo

#pragma once

#include "widgets/secondary_window.h"

#include <string>

class QRadioButton;

namespace daxo {

class Game;
class PictureBox;
class WindowDirectory;

// The window `Langue`: French or English for every window, message and
// panel. Its close button destroys it.
class LanguageWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The game and the other windows must outlive this one.
    LanguageWindow(QWidget& board, Game& game, WindowDirectory& windows);

    // Selects the option of the board's language code.
    void Form_Load();
    // Selects the option of `code` as the program's own steps do: "F"
    // Français, "E" Anglais, "D" the hidden third option; the option's
    // handler runs only when it was not selected before.
    void selectOptionOf(const std::string& code);

    // The apply step: writes the captions of the selected language into
    // every window, stores its code and saves the settings.
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();

private:
    Game& game_;
    WindowDirectory& windows_;
    QRadioButton* french_ = nullptr;   // Option1
    QRadioButton* english_ = nullptr;  // Option2
    QRadioButton* third_ = nullptr;    // Option3, code "D", never shown
    PictureBox* unionFlag_ = nullptr;  // Picture1
    PictureBox* frenchFlag_ = nullptr; // Picture2
};

} // namespace daxo

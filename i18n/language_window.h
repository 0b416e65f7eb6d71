#pragma once

#include "widgets/secondary_window.h"

#include <string>
#include <utility>
#include <vector>

class QRadioButton;

namespace daxo {

class Catalogues;
class Game;
class PictureBox;
class WindowDirectory;
struct SpokenLanguage;

// The window `Langue`: French or English, or one of the languages Daxo
// added after them, for every window, message and panel. Its close button
// destroys it.
class LanguageWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive this window.
    LanguageWindow(QWidget& board, Game& game, WindowDirectory& windows, Catalogues& catalogues);

    // Selects the option of the board's language code.
    void Form_Load();
    // Selects the option of `code` as the program's own steps do: "F"
    // Français, "E" Anglais, "D" the hidden third option, an added
    // language's own; the option's handler runs only when it was not
    // selected before.
    void selectOptionOf(const std::string& code);
    // The first start, without a settings file: the language of `code` is
    // applied, whatever option was selected, and nothing is saved.
    void applyWithoutSaving(const std::string& code);

    // The apply step: writes the captions of the selected language into
    // every window, stores its code and saves the settings.
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();

private:
    void apply();
    QRadioButton* optionOf(const std::string& code) const;

    Game& game_;
    WindowDirectory& windows_;
    Catalogues& catalogues_;
    // Option1 Français, Option2 Anglais, then Option4 on, the added
    // languages, each with its language.
    std::vector<std::pair<QRadioButton*, const SpokenLanguage*>> options_;
    QRadioButton* third_ = nullptr;    // Option3, code "D", never shown
    bool saves_ = true;                // but while applying without saving
    PictureBox* unionFlag_ = nullptr;  // Picture1
    PictureBox* frenchFlag_ = nullptr; // Picture2
};

} // namespace daxo

#pragma once

#include "game/sheet.h"

#include <array>
#include <string>
#include <string_view>

class QIcon;
class QWidget;

namespace daxo {

// The narrow ways by which one window reaches another. A window folder
// knows only these; the program on top (app/) answers them with its
// windows, so that no window folder stands on another.

// Every window of the program by its name: "Daxo", "Apropos", "Règle",
// "Langue", "Pictures", "Printer1", the coach's "Entraîneur", "Analyse",
// "Guide", "Calcul" and "Fin", the scores' "Meilleurs", "Bravo" and
// "Statistiques", and the table's "Joueurs", "Marque" and "Classement". A
// window that does not exist yet is created hidden, its load step run.
class WindowDirectory {
public:
    virtual QWidget& window(std::string_view name) = 0;
    // The window if it exists now, or nullptr.
    virtual QWidget* existingWindow(std::string_view name) = 0;

protected:
    ~WindowDirectory() = default;
};

// The board's six face pictures, from which the dice take their images; a
// picture set replaces them.
class FacePictures {
public:
    virtual void setFacePicture(int face, const QIcon& picture) = 0; // face 1 to 6

protected:
    ~FacePictures() = default;
};

// The board's cheat controls, which the About window's picture shows and
// hides.
class CheatControls {
public:
    virtual void showCheatControls(bool shown) = 0;

protected:
    ~CheatControls() = default;
};

// The language window's apply step, as other windows run it.
class LanguageSwitch {
public:
    // Applies the language the language window has selected.
    virtual void applyLanguage() = 0;
    // Selects the option of `code` ("F", "E", "D" or an added language's),
    // then applies.
    virtual void applyLanguageOf(const std::string& code) = 0;
    // A first start, without a settings file: applies the language the
    // desktop asks for, saving nothing.
    virtual void applyDesktopLanguage() = 0;

protected:
    ~LanguageSwitch() = default;
};

// Marks on the board that show the player a hint; the marked controls say
// it to screen readers too. Each mark replaces the one before.
class BoardMarks {
public:
    virtual void markThrow() = 0;                              // throw now
    virtual void markDice(const std::array<bool, 5>& keep) = 0; // keep these dice
    virtual void markBox(Button box) = 0;                      // score this box
    virtual void clearMarks() = 0;

protected:
    ~BoardMarks() = default;
};

// The coach, as the board's menu reaches it.
class Coaching {
public:
    // Shows the best action on the board, now or once it is worked out.
    virtual void askForHint() = 0;

protected:
    ~Coaching() = default;
};

// The picture-set window's handlers, as the board's load step runs them.
class PictureSets {
public:
    virtual void applyPictureSet(int set) = 0; // set 1 to 5

protected:
    ~PictureSets() = default;
};

} // namespace daxo

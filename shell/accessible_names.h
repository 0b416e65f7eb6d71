#pragma once

#include "game/sheet.h"

#include <QString>

namespace daxo {

// What a screen reader says of the board's controls, in the language the
// board shows: English for the code "E", French otherwise.
struct AccessibleNames {
    bool english;

    QString throwButton() const;
    QString box(Button button) const;   // Command2 to Command13
    QString cell(Cell cell) const;      // Text1 to Text20
    QString hold(int die) const;        // Check1 to Check5
    QString diePicture(int die, int face) const; // face 0: no face shown
    QString aboutPicture() const;       // Image of the About window
    // What a hint says of the control it marks.
    QString hintThrow() const;
    QString hintKeep() const;
    QString hintScore() const;
};

AccessibleNames accessibleNamesFor(const std::string& languageCode);

} // namespace daxo

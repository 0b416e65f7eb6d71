#pragma once

#include "game/sheet.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace daxo {

// What a screen reader says of the board's controls, in the language the
// board shows (the catalogue in use).
class AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
public:
    explicit AccessibleNames(const std::string& languageCode);

    QString throwButton() const;
    QString box(Button button) const;   // Command2 to Command13
    QString cell(Cell cell) const;      // Text1 to Text20
    QString hold(int die) const;        // Check1 to Check5
    QString diePicture(int die, int face) const; // face 0: no face shown
    static QString aboutPicture();      // Image of the About window
    // What a hint says of the control it marks.
    QString hintThrow() const;
    QString hintKeep() const;
    QString hintScore() const;

private:
    QString die(int die) const;
    std::string code_;
};

} // namespace daxo

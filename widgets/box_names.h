#pragma once

#include "game/sheet.h"

#include <QCoreApplication>
#include <QString>
#include <string>

namespace daxo {

// The boxes Command2 to Command13 named as the board's buttons read in the
// language the windows speak, so that what the windows say of a box is what
// the player sees on it: "1" to "6", "Full", "Suite" (English "Sequence"),
// "Carré" ("Four"), "Daxo", "+" and "-", and in the languages Daxo added
// the board's own captions translated.
class BoxNames {
    Q_DECLARE_TR_FUNCTIONS(BoxNames)
public:
    explicit BoxNames(const std::string& languageCode) : code_(languageCode) {}
    QString caption(Button box) const;
    // A box as a text speaks of it: "la case 4", "the Four box", "la case +".
    QString theBox(Button box) const;

private:
    std::string code_;
};

} // namespace daxo

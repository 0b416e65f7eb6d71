#include "accessible_names.h"

#include "widgets/box_names.h"

namespace daxo {

AccessibleNames::AccessibleNames(const std::string& languageCode) : code_(languageCode) {}

QString AccessibleNames::die(int die) const { return tr("Die %1").arg(die); }

QString AccessibleNames::throwButton() const { return tr("Throw the dice"); }

QString AccessibleNames::box(Button button) const
{
    //: A box's button or score cell: %1 is the box's caption on the board.
    return tr("Box %1").arg(BoxNames(code_).caption(button));
}

QString AccessibleNames::cell(Cell c) const
{
    const int n = number(c);
    if (n <= kDieCount)
        return die(n);
    if (c == Cell::Text12)
        return tr("Sub Total");
    if (c == Cell::Text13)
        return tr("Bonus");
    if (c == Cell::Text20)
        return tr("Total");
    // The score cells of the boxes: Text6 to Text11, then Text14 to Text19.
    const int boxNumber = n <= number(Cell::Text11) ? n - 4 : n - 6;
    return box(button(boxNumber));
}

QString AccessibleNames::hold(int d) const { return tr("Hold die %1").arg(d); }

QString AccessibleNames::aboutPicture() { return tr("Daxo icon"); }

QString AccessibleNames::hintThrow() const { return tr("Hint: throw the dice"); }

QString AccessibleNames::hintKeep() const { return tr("Hint: keep this die"); }

QString AccessibleNames::hintScore() const { return tr("Hint: score this box"); }

QString AccessibleNames::diePicture(int d, int face) const
{
    if (face == 0)
        return tr("%1, no face").arg(die(d));
    //: %1: the die, "Die 2"; %2: the face it shows.
    return tr("%1, face %2").arg(die(d)).arg(face);
}

} // namespace daxo

#include "accessible_names.h"

#include "widgets/box_names.h"

namespace daxo {
namespace {

QString die(bool english, int die) { return (english ? QString("Die %1") : QString::fromUtf8("Dé %1")).arg(die); }

} // namespace

AccessibleNames accessibleNamesFor(const std::string& languageCode) { return {speaksEnglish(languageCode)}; }

QString AccessibleNames::throwButton() const { return english ? "Throw the dice" : QString::fromUtf8("Lancer les dés"); }

QString AccessibleNames::box(Button button) const
{
    return (english ? QString("Box %1") : QString("Case %1")).arg(boxCaption(button, english));
}

QString AccessibleNames::cell(Cell c) const
{
    const int n = number(c);
    if (n <= kDieCount)
        return die(english, n);
    if (c == Cell::Text12)
        return english ? "Sub Total" : "Sous Total";
    if (c == Cell::Text13)
        return "Bonus";
    if (c == Cell::Text20)
        return "Total";
    // The score cells of the boxes: Text6 to Text11, then Text14 to Text19.
    const int boxNumber = n <= number(Cell::Text11) ? n - 4 : n - 6;
    return box(button(boxNumber));
}

QString AccessibleNames::hold(int d) const
{
    return QString(english ? "Hold die %1" : QString::fromUtf8("Garder le dé %1")).arg(d);
}

QString AccessibleNames::aboutPicture() const { return english ? "Daxo icon" : QString::fromUtf8("Icône de Daxo"); }

QString AccessibleNames::hintThrow() const
{
    return english ? "Hint: throw the dice" : QString::fromUtf8("Conseil\u00a0: lancer les dés");
}

QString AccessibleNames::hintKeep() const
{
    return english ? "Hint: keep this die" : QString::fromUtf8("Conseil\u00a0: garder ce dé");
}

QString AccessibleNames::hintScore() const
{
    return english ? "Hint: score this box" : QString::fromUtf8("Conseil\u00a0: marquer cette case");
}

QString AccessibleNames::diePicture(int d, int face) const
{
    if (face == 0)
        return die(english, d) + (english ? ", no face" : ", aucune face");
    return die(english, d) + QString(", face %1").arg(face);
}

} // namespace daxo

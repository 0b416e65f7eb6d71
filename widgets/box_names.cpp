#include "box_names.h"

namespace daxo {
namespace {

constexpr const char* kFrenchBoxes[] = {"As", "Deux", "Trois", "Quatre", "Cinq", "Six",
                                        "Full", "Suite", "Carré", "Daxo", "Plus", "Moins"};
constexpr const char* kEnglishBoxes[] = {"Ones", "Twos", "Threes", "Fours", "Fives", "Sixes",
                                         "Full", "Sequence", "Four", "Daxo", "Plus", "Minus"};

} // namespace

QString boxName(Button box, bool english)
{
    const int index = number(box) - number(Button::Command2);
    if (index < 0 || index >= 12)
        return {};
    return QString::fromUtf8(english ? kEnglishBoxes[index] : kFrenchBoxes[index]);
}

} // namespace daxo

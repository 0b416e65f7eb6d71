#include "box_names.h"

namespace daxo {
namespace {

constexpr const char* kFrenchCaptions[] = {"1", "2", "3", "4", "5", "6", "Full", "Suite", "Carré", "Daxo", "+", "-"};
constexpr const char* kEnglishCaptions[] = {"1",    "2",        "3",    "4",    "5", "6",
                                            "Full", "Sequence", "Four", "Daxo", "+", "-"};

} // namespace

QString boxCaption(Button box, bool english)
{
    const int index = number(box) - number(Button::Command2);
    if (index < 0 || index >= 12)
        return {};
    return QString::fromUtf8(english ? kEnglishCaptions[index] : kFrenchCaptions[index]);
}

QString theBox(Button box, bool english)
{
    return (english ? QString("the %1 box") : QString("la case %1")).arg(boxCaption(box, english));
}

} // namespace daxo

#include "box_names.h"

#include "languages.h"

namespace daxo {
namespace {

constexpr const char* kFrenchCaptions[] = {"1", "2", "3", "4", "5", "6", "Full", "Suite", "Carré", "Daxo", "+", "-"};
constexpr const char* kEnglishCaptions[] = {"1",    "2",        "3",    "4",    "5", "6",
                                            "Full", "Sequence", "Four", "Daxo", "+", "-"};

} // namespace

QString BoxNames::caption(Button box) const
{
    const int index = number(box) - number(Button::Command2);
    if (index < 0 || index >= 12)
        return {};
    const SpokenLanguage& language = windowLanguage(code_);
    if (language.isFrench())
        return QString::fromUtf8(kFrenchCaptions[index]);
    const char* english = kEnglishCaptions[index];
    if (language.isEnglish() || index < 6 || index >= 10)
        return QString::fromUtf8(english);
    // As the caption table names the board's buttons.
    const std::string where = "Daxo " + name(box);
    return QCoreApplication::translate("Captions", english, where.c_str());
}

QString BoxNames::theBox(Button box) const
{
    //: A box of the score sheet as a sentence speaks of it; %1 is the box's
    //: caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.
    return tr("the %1 box").arg(caption(box));
}

} // namespace daxo

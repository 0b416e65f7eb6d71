#include "print_texts.h"

#include "widgets/languages.h"

namespace daxo {

QString PrintTexts::trMessage(const char* english, const char* comment) const
{
    return messageLanguage(code_).isEnglish() ? QString::fromUtf8(english) : tr(english, comment);
}

QString PrintTexts::sheetFailed(const QString& sheet) const
{
    //: A message box; %1 is the sheet's name: "Blank score sheet", "Rules" or "Your points".
    return trMessage("The sheet \"%1\" could not be printed.").arg(sheet);
}

//: The name of a printed sheet, the print dialog's title.
QString PrintTexts::blankSheet() const { return trMessage("Blank score sheet"); }

//: The name of a printed sheet, the print dialog's title.
QString PrintTexts::rulesSheet() const { return trMessage("Rules"); }

//: The name of a printed sheet, the print dialog's title: the player's score sheet.
QString PrintTexts::playerSheet() const { return trMessage("Your points"); }

} // namespace daxo

#include "shell_texts.h"

#include "widgets/languages.h"

namespace daxo {

QString ShellTexts::trMessage(const char* english, const char* comment) const
{
    return messageLanguage(code_).isEnglish() ? QString::fromUtf8(english) : tr(english, comment);
}

QString ShellTexts::addressFailed(const QString& address) const
{
    //: A message box; %1 is a web address.
    return trMessage("The address %1 could not be opened in the browser.").arg(address);
}

} // namespace daxo

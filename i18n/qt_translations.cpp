#include "qt_translations.h"

#include "game/game.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace daxo {

QtTranslations::QtTranslations(Game& game)
    : game_(game)
{
    // Without the catalogue (the translations package missing) Qt's texts
    // simply stay English.
    (void)french_.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    follow(game_.languageCode());
    game_.addListener(*this);
}

QtTranslations::~QtTranslations()
{
    game_.removeListener(*this);
    if (installed_)
        QCoreApplication::removeTranslator(&french_);
}

void QtTranslations::captionChanged(Label label, const std::string& caption)
{
    if (label == Label::Label20)
        follow(caption);
}

void QtTranslations::follow(const std::string& languageCode)
{
    const bool french = languageCode == "F" && !french_.isEmpty();
    if (french == installed_)
        return;
    if (french) {
        installed_ = QCoreApplication::installTranslator(&french_);
    } else {
        QCoreApplication::removeTranslator(&french_);
        installed_ = false;
    }
}

} // namespace daxo

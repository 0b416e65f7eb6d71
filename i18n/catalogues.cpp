#include "catalogues.h"

#include "game/game.h"
#include "widgets/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace daxo {
namespace {

// Daxo's catalogues are built into the program.
const QString kOwnCatalogues = QStringLiteral(":/i18n");

} // namespace

Catalogues::Catalogues(Game& game)
    : game_(game)
{
    use(game_.languageCode());
    game_.addListener(*this);
    game_.setTranslator(this);
}

Catalogues::~Catalogues()
{
    game_.setTranslator(nullptr);
    game_.removeListener(*this);
    for (const auto* slot : {&daxo_, &qt_}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
    }
}

void Catalogues::captionChanged(Label label, const std::string& caption)
{
    if (label == Label::Label20)
        use(caption);
}

// A catalogue missing (Qt's own, without its translations package) leaves
// its texts in English.
void Catalogues::install(std::unique_ptr<QTranslator>& slot, const QString& name, const QString& folder)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot.reset();
    if (name.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator.get()))
        slot = std::move(translator);
}

void Catalogues::use(const std::string& code)
{
    if (code == code_ && daxo_)
        return;
    code_ = code;
    // English has a catalogue of its own for its plurals alone.
    install(daxo_, "daxo_" + QString::fromUtf8(windowLanguage(code).catalogue), kOwnCatalogues);
    const SpokenLanguage& messages = messageLanguage(code);
    const QString catalogue = QString::fromUtf8(messages.catalogue);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (messages.isEnglish())
        install(qt_, {}, {});
    else if (QFile::exists(qtFolder + "/qtbase_" + catalogue + ".qm"))
        install(qt_, "qtbase_" + catalogue, qtFolder);
    else // Qt has none: Daxo's own words for Qt's buttons
        install(qt_, "daxo_qt_" + catalogue, kOwnCatalogues);
}

bool Catalogues::speaks(std::string_view languageCode) const
{
    const SpokenLanguage* spoken = languageOfCode(languageCode);
    return spoken && !spoken->isFrench() && !spoken->isEnglish();
}

std::string Catalogues::translate(std::string_view, std::string_view english) const
{
    const std::string source(english);
    return QCoreApplication::translate("GameTexts", source.c_str()).toStdString();
}

} // namespace daxo

// Daxo's catalogues: each whole and up to date with the code, its
// placeholders, plural forms, accelerators and spaces those of the source,
// French in its own typography; and, put in use, each language's words,
// plurals and numbers as its players write them.

#include "coach/coach_texts.h"
#include "i18n/caption_table.h"
#include "players/table_texts.h"
#include "scores/scores_texts.h"
#include "support/catalogue.h"
#include "support/qt_printing.h"
#include "support/transcript.h"
#include "widgets/languages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace daxo {
namespace {

struct Message {
    QString context, source, comment;
    bool plural = false;
    bool unfinished = false;
    QStringList translations; // one, or a plural form each

    QString key() const { return context + " | " + source + " | " + comment; }
};

std::vector<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            Message message;
            message.context = context;
            message.plural = xml.attributes().value("numerus") == u"yes";
            messages.push_back(message);
        } else if (name == u"source") {
            messages.back().source = xml.readElementText();
        } else if (name == u"comment") {
            messages.back().comment = xml.readElementText();
        } else if (name == u"translation") {
            messages.back().unfinished = !xml.attributes().value("type").isEmpty();
            if (!messages.back().plural)
                messages.back().translations << xml.readElementText();
        } else if (name == u"numerusform") {
            messages.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString catalogueFile(const QString& catalogue) { return QString(DAXO_CATALOGUES "/daxo_") + catalogue + ".ts"; }

// What a translation must carry over from its source.
QStringList placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression place("%(\\d|n|p)");
    for (auto match = place.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

int accelerators(const QString& text)
{
    static const QRegularExpression accelerator("&(?![&#]|[a-z]+;)");
    return static_cast<int>(text.count(accelerator));
}

// The texts the game itself writes, and its laid-down captions, are French
// in its own code, as they always were, whatever the catalogue holds.
bool isTheGamesOwn(const Message& message) { return message.context == "GameTexts" || message.context == "Captions"; }

// The signs of a text: without the entities of a rich text ("&gt;"), nor a
// time's format, which is no sentence.
QString signsOf(QString text)
{
    static const QRegularExpression entity("&[a-z]+;");
    return text.remove(entity).remove("HH:mm");
}

// French keeps a no-break space before ":", ";", "!", "?" and "%"; English
// has no space there.
bool frenchTypography(const QString& text)
{
    static const QRegularExpression wrong(QString::fromUtf8("[^\u00a0][:;!?]|[^\u00a0]%(?![\\dnp])"));
    return !signsOf(text).contains(wrong);
}

bool englishTypography(const QString& text)
{
    static const QRegularExpression wrong(QString::fromUtf8("[ \u00a0]([:;!?]|%(?![\\dnp]))"));
    return !signsOf(text).contains(wrong);
}

// How many plural forms each language has, as its grammar counts them.
const std::map<QString, int> kPluralForms{{"de", 2}, {"en", 2}, {"es", 2}, {"fr", 2},    {"it", 2},
                                          {"nl", 2}, {"pl", 3}, {"pt_BR", 2}, {"ru", 3}, {"sv", 2}};

TEST(Catalogues, EveryOneIsWholeAndKeepsWhatItsSourceHolds)
{
    for (const SpokenLanguage& language : spokenLanguages()) {
        const QString catalogue = QString::fromUtf8(language.catalogue);
        if (language.isEnglish())
            continue; // only its plurals: below
        ASSERT_TRUE(kPluralForms.contains(catalogue)) << language.catalogue;
        const std::vector<Message> messages = readCatalogue(catalogueFile(catalogue));
        EXPECT_FALSE(messages.empty()) << language.catalogue;
        for (const Message& m : messages) {
            const std::string where = catalogue.toStdString() + ": " + m.key().toStdString();
            EXPECT_FALSE(m.unfinished) << where;
            EXPECT_EQ(m.translations.size(), m.plural ? kPluralForms.at(catalogue) : 1) << where;
            // French's own texts and captions are in the code, as they always were.
            if (language.isFrench() && isTheGamesOwn(m))
                continue;
            for (const QString& translation : m.translations) {
                const std::string shown = where + " → " + translation.toStdString();
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(placeholders(translation), placeholders(m.source)) << shown;
                EXPECT_EQ(accelerators(translation), accelerators(m.source)) << shown;
                // The code writes what follows or precedes right against them.
                EXPECT_TRUE(!m.source.startsWith(' ') || translation.startsWith(' ')) << shown;
                EXPECT_TRUE(!m.source.endsWith(' ') || translation.endsWith(' ')) << shown;
                if (language.isFrench()) {
                    EXPECT_TRUE(frenchTypography(translation)) << shown;
                }
            }
            if (!isTheGamesOwn(m)) {
                EXPECT_TRUE(englishTypography(m.source)) << where;
            }
        }
    }
    for (const Message& m : readCatalogue(catalogueFile("en"))) {
        EXPECT_TRUE(m.plural && !m.unfinished) << m.key().toStdString();
        EXPECT_EQ(m.translations.size(), 2) << m.key().toStdString();
    }
    // The added windows' captions, French and English, stand in the caption
    // table after the game's own rows.
    const auto rows = captionTable();
    for (std::size_t row = 53; row < rows.size(); ++row) {
        EXPECT_TRUE(frenchTypography(QString::fromUtf8(rows[row].french))) << rows[row].french;
        EXPECT_TRUE(englishTypography(QString::fromUtf8(rows[row].english.text))) << rows[row].english.text;
    }
}

// The texts the code marks for translation, extracted again as the build
// does, are those every catalogue holds: none is missing or left over.
TEST(Catalogues, HoldEveryTextOfTheCode)
{
    QFile optionsFile(DAXO_LUPDATE_LISTS "/lupdate-options.lst");
    ASSERT_TRUE(optionsFile.open(QIODevice::ReadOnly));
    QStringList arguments = QString::fromUtf8(optionsFile.readAll()).split('\n', Qt::SkipEmptyParts);
    const QTemporaryDir scratch;
    arguments << "@" DAXO_LUPDATE_LISTS "/sources.lst"
              << "-ts" << scratch.filePath("daxo_de.ts");
    QProcess lupdate;
    lupdate.start(DAXO_LUPDATE, arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    std::set<QString> extracted;
    for (const Message& m : readCatalogue(scratch.filePath("daxo_de.ts")))
        extracted.insert(m.key());
    for (const SpokenLanguage& language : spokenLanguages()) {
        if (language.isEnglish())
            continue;
        std::set<QString> held;
        for (const Message& m : readCatalogue(catalogueFile(QString::fromUtf8(language.catalogue))))
            held.insert(m.key());
        for (const QString& key : extracted)
            EXPECT_TRUE(held.contains(key)) << language.catalogue << " lacks " << key.toStdString();
        for (const QString& key : held)
            EXPECT_TRUE(extracted.contains(key)) << language.catalogue << " keeps " << key.toStdString();
    }
}

// Put in use, each catalogue gives its language's plural forms, numbers and
// places, and English, written in the code, its plurals and ordinals: what
// each language says is held to a transcript reviewed once.
TEST(Catalogues, SpeakEachLanguageAsItsPlayersWriteIt)
{
    HistoryFigures many;
    many.games = 10000;
    many.mean = 1234.5;
    many.best = 2000;
    many.deviation = 3.25;
    many.bonusGames = 5000;
    std::vector<std::string> said;
    for (const SpokenLanguage& language : spokenLanguages()) {
        const test::CatalogueInUse inUse(QString::fromUtf8(language.catalogue));
        const TableTexts table(language.code);
        const ScoresTexts scores(language.code);
        QStringList words;
        for (const int points : {0, 1, 2, 5, 22, 25})
            words << table.scored("Zoé", "X", points);
        words << table.turnSummary("Zoé", {{6, 6}, {}}, "X", 24) << table.winners({"Anne", "Bruno", "Zoé"}, 230);
        QStringList places;
        for (const int place : {1, 2, 3, 11, 12, 22, 23})
            places << table.place(place) + "/" + scores.ordinal(place);
        words << places.join(' ') << scores.summary(many);
        words << CoachTexts(language.code).action({.kind = solver::Action::Kind::Keep, .kept = {0, 0, 0, 0, 0, 1}});
        for (const QString& sentence : words)
            said.push_back(std::string(language.code) + "\t" + sentence.toStdString());
    }
    test::expectTranscript(DAXO_TEST_DATA "/languages.txt", said);
}

} // namespace
} // namespace daxo

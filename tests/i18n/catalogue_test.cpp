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

// Put in use, a catalogue gives its language's plural forms, numbers and
// places; English, written in the code, gets its plurals and ordinals.
TEST(Catalogues, SpeakEachLanguageAsItsPlayersWriteIt)
{
    HistoryFigures many;
    many.games = 10000;
    many.mean = 1234.5;
    many.best = 2000;
    many.deviation = 3.25;
    many.bonusGames = 5000;
    const auto said = [&](const std::string& code) {
        const TableTexts table(code);
        const ScoresTexts scores(code);
        QStringList words;
        for (const int points : {0, 1, 2, 5, 22, 25})
            words << table.scored("Zoé", "X", points);
        words << table.turnSummary("Zoé", {{6, 6}, {}}, "X", 24) << table.winners({"Anne", "Bruno", "Zoé"}, 230);
        QStringList places;
        for (const int place : {1, 2, 3, 11, 12, 22, 23})
            places << table.place(place) + "/" + scores.ordinal(place);
        words << places.join(' ') << scores.summary(many);
        words << CoachTexts(code).action({.kind = solver::Action::Kind::Keep, .kept = {0, 0, 0, 0, 0, 1}});
        return words;
    };
    struct Case {
        const char* code;
        QStringList words;
    };
    const Case cases[] = {
        {"E",
         {"Zoé scores 0 points in X.", "Zoé scores 1 point in X.", "Zoé scores 2 points in X.",
          "Zoé scores 5 points in X.", "Zoé scores 22 points in X.", "Zoé scores 25 points in X.",
          "Zoé keeps 6 and 6, then keeps no dice, and scores 24 points in X.",
          "Anne, Bruno and Zoé share the win with 230 points.",
          "1st/1st 2nd/2nd 3rd/3rd 11th/11th 12th/12th 22nd/22nd 23rd/23rd",
          "Games finished: 10,000. Mean: 1,234.5, best: 2,000, standard deviation: 3.3. Bonus: 50% of the games.",
          "Keep the 6"}},
        {"F",
         {"Zoé marque 0 point dans X.", "Zoé marque 1 point dans X.", "Zoé marque 2 points dans X.",
          "Zoé marque 5 points dans X.", "Zoé marque 22 points dans X.", "Zoé marque 25 points dans X.",
          "Zoé garde 6 et 6, puis ne garde aucun dé, et marque 24 points dans X.",
          "Anne, Bruno et Zoé gagnent ex æquo avec 230 points.",
          "1er/1re 2e/2e 3e/3e 11e/11e 12e/12e 22e/22e 23e/23e",
          QString::fromUtf8("Parties finies\u00a0: 10\u202f000. Moyenne\u00a0: 1\u202f234,5, meilleure\u00a0: 2\u202f000, "
                            "écart type\u00a0: 3,3. Bonus\u00a0: 50\u00a0% des parties."),
          "Garder le 6"}},
        {"de",
         {"Zoé trägt 0 Punkte in X ein.", "Zoé trägt 1 Punkt in X ein.", "Zoé trägt 2 Punkte in X ein.",
          "Zoé trägt 5 Punkte in X ein.", "Zoé trägt 22 Punkte in X ein.", "Zoé trägt 25 Punkte in X ein.",
          "Zoé hält 6 und 6, dann hält keinen Würfel und trägt 24 Punkte in X ein.",
          "Anne, Bruno und Zoé teilen sich den Sieg mit 230 Punkten.",
          "1./1. 2./2. 3./3. 11./11. 12./12. 22./22. 23./23.",
          QString::fromUtf8("Beendete Spiele: 10.000. Mittel: 1.234,5, bestes: 2.000, Standardabweichung: 3,3. "
                            "Bonus: in 50\u00a0% der Spiele."),
          "Die 6 halten"}},
        {"pl",
         {"Zoé zapisuje X: 0 punktów.", "Zoé zapisuje X: 1 punkt.", "Zoé zapisuje X: 2 punkty.",
          "Zoé zapisuje X: 5 punktów.", "Zoé zapisuje X: 22 punkty.", "Zoé zapisuje X: 25 punktów.",
          "Zoé zatrzymuje 6 i 6, potem nie zatrzymuje żadnej kości i zapisuje X: 24 punkty.",
          "Anne, Bruno i Zoé dzielą się zwycięstwem z wynikiem 230 pkt.",
          "1./1. 2./2. 3./3. 11./11. 12./12. 22./22. 23./23.",
          QString::fromUtf8("Ukończone gry: 10\u00a0000. Średnia: 1234,5, najlepsza: 2000, "
                            "odchylenie standardowe: 3,3. Premia: w 50% gier."),
          "Zatrzymaj 6"}},
        {"ru",
         {"Zoé записывает 0 очков в клетку X.", "Zoé записывает 1 очко в клетку X.",
          "Zoé записывает 2 очка в клетку X.", "Zoé записывает 5 очков в клетку X.",
          "Zoé записывает 22 очка в клетку X.", "Zoé записывает 25 очков в клетку X.",
          "Zoé оставляет 6 и 6, затем не оставляет ни одного кубика и записывает 24 очка в клетку X.",
          "Anne, Bruno и Zoé делят победу со счётом 230.",
          "1-е/1-е 2-е/2-е 3-е/3-е 11-е/11-е 12-е/12-е 22-е/22-е 23-е/23-е",
          QString::fromUtf8("Сыграно партий: 10\u00a0000. Среднее: 1\u00a0234,5, лучшая: 2\u00a0000, "
                            "стандартное отклонение: 3,3. Бонус: в 50\u00a0% партий."),
          "Оставить 6"}},
    };
    for (const Case& c : cases) {
        const SpokenLanguage& language = windowLanguage(c.code);
        const test::CatalogueInUse inUse(QString::fromUtf8(language.catalogue));
        const QStringList words = said(c.code);
        ASSERT_EQ(words.size(), c.words.size());
        for (qsizetype i = 0; i < words.size(); ++i)
            EXPECT_EQ(words[i], c.words[i]) << c.code;
    }
}

} // namespace
} // namespace daxo

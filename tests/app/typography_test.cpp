// The additions' own words follow each language's typography: French keeps
// a no-break space before ":", ";", "!", "?" and "%", so that no line of a
// wrapped text begins with one; English has none there. The game's own
// texts stay as they are written, odd spacing included, and are not held
// to this.

#include "coach/coach_guide.h"
#include "coach/coach_texts.h"
#include "i18n/caption_table.h"
#include "players/pace.h"
#include "players/table_texts.h"
#include "scores/scores_texts.h"
#include "shell/accessible_names.h"
#include "solver/strategy.h"
#include "table/levels.h"
#include "support/qt_printing.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace daxo {
namespace {

// Every text the additions write in one language, with sample figures.
QStringList additionsTexts(bool english)
{
    const CoachTexts coach(english);
    const ScoresTexts scores(english);
    const AccessibleNames names{english};
    solver::Judgement judgement;
    judgement.expectedAtStart = 219.41;
    judgement.totalLoss = 12.5;
    solver::JudgedDecision decision;
    decision.chosen = {.kind = solver::Action::Kind::Score, .box = solver::Box::Fours, .loss = 9.13};
    decision.best = {.kind = solver::Action::Kind::Keep, .kept = {0, 0, 0, 0, 0, 2}};
    judgement.decisions = {decision};
    HistoryFigures figures;
    figures.games = 12000;
    figures.mean = 180.5;
    figures.best = 310;
    figures.deviation = 30.2;
    figures.bonusGames = 6000;
    QStringList texts{coach.working(0.42), coach.cannotJudge(), coach.expected(163.69), coach.gameOver(67),
                      coach.toTheAnalysis(), coach.noChoiceYet(), coach.nothingToAnalyse(), coach.verdict(decision),
                      coach.summary(judgement), coach.aboutExpected(), coach.aboutLoss(), coach.aboutAssisted(),
                      coach.aboutSummary(), scores.summary(figures), scores.noFinishedGame(), scores.noHighScore(),
                      scores.perfectPlayComing(), scores.enteredHighScores(1, 228), scores.finishedGameUndone(),
                      names.hintThrow(), names.hintKeep(), names.hintScore(),
                      coachGuideText(english).remove(QRegularExpression("<[^>]*>")).replace("&gt;", ">")};
    figures.games = 1;
    texts << scores.summary(figures);
    const TableTexts table(english);
    texts << table.leaveGame() << table.kindOf(2) << table.threw("Zoé", {1, 2, 3, 4, 5})
          << table.kept("Zoé", {1, 2, 3, 4, 5}, {true}) << table.scored("Zoé", "X", 12) << table.turnOf("Zoé")
          << table.winners({"Anne", "Zoé"}, 230) << table.expectedTip() << table.printFailed()
          << table.boardTitle("Zoé") << table.inPlay("Zoé", 3) << table.over(3)
          << scores.levelTable() << scores.levelHeaders().join(' ');
    for (const Level& level : levels())
        texts << table.levelChoice(level);
    for (const Pace pace : kPaces)
        texts << table.paceName(pace);
    for (const HistoryTrouble trouble : {HistoryTrouble::Locked, HistoryTrouble::ReadOnly, HistoryTrouble::Full,
                                         HistoryTrouble::Damaged, HistoryTrouble::Other}) {
        texts << historyTrouble(english ? "E" : "F", trouble, "disk I/O error", "/tmp/history.damaged");
        texts << scores.unreadable(trouble);
    }
    // The additions' rows of the caption table come after the game's own.
    bool additions = false;
    for (const CaptionRow& row : captionTable()) {
        additions = additions || (std::string_view(row.window) == "Daxo" && row.control &&
                                  std::string_view(row.control) == "annuler");
        if (additions)
            texts << QString::fromUtf8(english ? row.english : row.french);
    }
    return texts;
}

TEST(Typography, FrenchKeepsANoBreakSpaceBeforeTallPunctuation)
{
    const QRegularExpression wrong(QString::fromUtf8("[^\u00a0][:;!?%]"));
    for (const QString& text : additionsTexts(false)) {
        // "%1" and the like are places for figures, not signs.
        const QString signs = QString(text).remove(QRegularExpression("%\\d"));
        EXPECT_FALSE(signs.contains(wrong)) << text.toStdString();
    }
}

TEST(Typography, EnglishHasNoSpaceBeforeThem)
{
    for (const QString& text : additionsTexts(true))
        EXPECT_FALSE(text.contains(QRegularExpression("[ \u00a0][:;!?%]"))) << text.toStdString();
}

} // namespace
} // namespace daxo

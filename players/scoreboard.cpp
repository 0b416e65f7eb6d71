#include "scoreboard.h"

#include "table_texts.h"
#include "game/record.h"
#include "solver/game_analysis.h"
#include "table/levels.h"
#include "widgets/box_names.h"

namespace daxo {
namespace {

// The sheet's rows, as the board lays them out: the number boxes, then
// their subtotal and bonus, then the other six boxes.
enum class Line { Box, Subtotal, Bonus, Total, Expected, Chance };
struct SheetLine {
    Line line;
    int box = 0; // 0 to 11 for a box
};

std::vector<SheetLine> sheetLines(bool several)
{
    std::vector<SheetLine> lines;
    for (int box = 0; box < 6; ++box)
        lines.push_back({Line::Box, box});
    lines.push_back({Line::Subtotal});
    lines.push_back({Line::Bonus});
    for (int box = 6; box < 12; ++box)
        lines.push_back({Line::Box, box});
    lines.push_back({Line::Total});
    lines.push_back({Line::Expected});
    if (several)
        lines.push_back({Line::Chance});
    return lines;
}

// At a table, once its chances are worked out, what each player can
// expect as they play (a computer at its level), kept like the chances
// until the next point's come: a beginner does not expect perfect play's
// total. Alone, or until then, perfect play's.
QString expectedOf(const GameRecord& record, const RecordSummary& summary, const solver::Strategy* strategy,
                   const std::optional<double>& asTheyPlay, const TableTexts& texts)
{
    if (record.touchedByCheat())
        return QString::fromUtf8("—");
    if (summary.finished())
        return texts.points(summary.total);
    if (asTheyPlay)
        return texts.points(*asTheyPlay);
    if (!strategy)
        return texts.working();
    return texts.points(solver::expectedFinal(solver::pointOf(record), *strategy));
}

QString chanceOf(const GameRecord& record, std::size_t seat, const KnownChances& known, const TableTexts& texts)
{
    if (record.touchedByCheat() || (!known.chances && !known.working))
        return QString::fromUtf8("—");
    if (!known.chances)
        return texts.working();
    return texts.share((*known.chances)[seat].win);
}

} // namespace

Scoreboard scoreboardOf(const Seats& seats, const std::vector<GameRecord>& records, int inPlay, int game,
                        const solver::Strategy* strategy, const KnownChances& chances, const TableTexts& texts)
{
    Scoreboard board;
    board.players = texts.seatNames(seats);
    board.inPlay = inPlay;
    board.heading = inPlay < 0 ? texts.over(game) : texts.inPlay(board.players.value(inPlay), game);
    std::vector<RecordSummary> summaries;
    for (const GameRecord& record : records)
        summaries.push_back(summarize(record));
    for (const SheetLine& line : sheetLines(records.size() > 1)) {
        QStringList cells;
        for (std::size_t seat = 0; seat < records.size(); ++seat) {
            const RecordSummary& summary = summaries[seat];
            switch (line.line) {
            case Line::Box: {
                const std::optional<int> score = summary.boxes[static_cast<std::size_t>(line.box)];
                cells << (score ? QString::number(*score) : QString());
                break;
            }
            case Line::Subtotal: cells << QString::number(summary.subtotal); break;
            case Line::Bonus: cells << QString::number(summary.bonus); break;
            case Line::Total: cells << QString::number(summary.total); break;
            case Line::Expected: {
                // Perfect play's expectation is the engine's own, exact; a
                // level that plays otherwise expects what its chances say.
                const Seat& who = seats[seat];
                const Level* level = who.human() ? nullptr : levelNamed(who.level);
                std::optional<double> asTheyPlay;
                if (chances.chances && reckonedTemperature(level) > 0)
                    asTheyPlay = (*chances.chances)[seat].expected;
                cells << expectedOf(records[seat], summary, strategy, asTheyPlay, texts);
                break;
            }
            case Line::Chance: cells << chanceOf(records[seat], seat, chances, texts); break;
            }
        }
        board.rows.push_back(cells);
        switch (line.line) {
        case Line::Box:
            board.rowHeads << BoxNames(texts.languageCode()).caption(button(number(Button::Command2) + line.box));
            break;
        case Line::Subtotal: board.rowHeads << texts.subtotal(); break;
        case Line::Bonus: board.rowHeads << texts.bonus(); break;
        case Line::Total: board.rowHeads << texts.total(); break;
        case Line::Expected: board.rowHeads << texts.expectedFinal(); break;
        case Line::Chance:
            board.rowHeads << texts.chanceOfWinning();
            board.chanceRow = static_cast<int>(board.rows.size()) - 1;
            break;
        }
        board.rowTips << (line.line == Line::Expected ? texts.expectedTip()
                          : line.line == Line::Chance ? texts.chanceTip()
                                                      : QString());
    }
    if (chances.chances && board.chanceRow >= 0) {
        for (std::size_t seat = 0; seat < records.size(); ++seat) {
            const solver::WinChance& chance = (*chances.chances)[seat];
            const bool cheated = records[seat].touchedByCheat();
            board.chances.push_back(cheated ? 0.0 : chance.win);
            board.chanceTips << (cheated ? QString()
                                         : texts.chanceSaid(board.players.value(static_cast<int>(seat)), chance.win,
                                                            chance.shared));
        }
    }
    return board;
}

} // namespace daxo

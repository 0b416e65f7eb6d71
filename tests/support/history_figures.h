#pragma once

// The figures of a history worked out game by game from the records, the
// slow way the database must agree with.

#include "storage/history.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace daxo::test {

inline HistoryFigures figuresOf(std::vector<StoredGame> games, int binWidth, int points)
{
    std::stable_sort(games.begin(), games.end(), [](const StoredGame& a, const StoredGame& b) {
        return a.record.startedAt() < b.record.startedAt();
    });
    HistoryFigures figures;
    figures.binWidth = binWidth;
    double sum = 0;
    double squares = 0;
    std::vector<double> losses;
    for (const StoredGame& game : games) {
        if (game.cheated || game.computer || !game.summary.finished())
            continue;
        const int score = game.summary.total;
        ++figures.games;
        figures.best = std::max(figures.best, score);
        sum += score;
        squares += static_cast<double>(score) * score;
        figures.bonusGames += game.summary.bonus > 0;
        for (std::size_t box = 0; box < 12; ++box)
            figures.boxMeans[box] += *game.summary.boxes[box];
        const auto bin = static_cast<std::size_t>(std::max(score, 0) / binWidth);
        if (figures.scoreCounts.size() <= bin)
            figures.scoreCounts.resize(bin + 1, 0);
        ++figures.scoreCounts[bin];
        if (game.meanLoss)
            losses.push_back(*game.meanLoss);
    }
    if (figures.games == 0)
        return figures;
    const double n = figures.games;
    figures.mean = sum / n;
    if (figures.games > 1)
        figures.deviation = std::sqrt((squares - n * figures.mean * figures.mean) / (n - 1));
    for (double& mean : figures.boxMeans)
        mean /= n;
    figures.judgedGames = static_cast<int>(losses.size());
    const int group = std::max(1, (figures.judgedGames + points - 1) / points);
    for (int first = 0; first < figures.judgedGames; first += group) {
        const int last = std::min(first + group, figures.judgedGames);
        double total = 0;
        for (int game = first; game < last; ++game)
            total += losses[static_cast<std::size_t>(game)];
        figures.progress.push_back({first + 1, last, total / (last - first)});
    }

    // Each human's sheet against each computer's of the same table.
    std::map<QString, HistoryFigures::AgainstLevel> against;
    for (const StoredGame& human : games) {
        if (human.seats < 2 || human.computer || human.cheated || !human.summary.finished())
            continue;
        for (const StoredGame& computer : games) {
            if (!computer.computer || computer.seats < 2 || !computer.summary.finished() ||
                computer.record.startedAt() != human.record.startedAt() ||
                computer.record.start().seed != human.record.start().seed)
                continue;
            HistoryFigures::AgainstLevel& line = against[computer.level];
            line.level = computer.level;
            ++line.games;
            line.wins += human.summary.total > computer.summary.total;
            line.losses += human.summary.total < computer.summary.total;
            line.meanMargin += human.summary.total - computer.summary.total;
        }
    }
    for (auto& [level, line] : against) {
        line.meanMargin /= line.games;
        figures.againstLevels.push_back(line);
    }
    return figures;
}

// Figures as lines of text, their means to nine decimals: two reckonings
// agree when their texts do.
inline std::string textOf(const HistoryFigures& f)
{
    std::ostringstream out;
    out.precision(9);
    out << std::fixed << "games " << f.games << " mean " << f.mean << " best " << f.best << " deviation "
        << f.deviation.value_or(-1) << " bonus " << f.bonusGames << " judged " << f.judgedGames << "\nboxes";
    for (const double mean : f.boxMeans)
        out << ' ' << mean;
    out << "\ncounts";
    for (const int count : f.scoreCounts)
        out << ' ' << count;
    for (const HistoryFigures::Progress& p : f.progress)
        out << "\nprogress " << p.firstGame << '-' << p.lastGame << ' ' << p.meanLoss;
    for (const HistoryFigures::AgainstLevel& a : f.againstLevels)
        out << "\nagainst " << a.level.toStdString() << ' ' << a.games << ' ' << a.wins << ' ' << a.losses << ' '
            << a.meanMargin;
    return out.str();
}

} // namespace daxo::test

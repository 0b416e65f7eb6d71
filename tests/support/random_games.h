#pragma once

// Games played by a player who chooses at random, through the game itself,
// with dice from a seed: real records of every kind a history holds,
// finished or left, helped, undone, touched by the cheat mode, for the
// tests and the benchmarks.

#include "game/game.h"
#include "game/random_dice_source.h"
#include "storage/history.h"

#include <random>

namespace daxo::test {

// Says Yes to a refusal and No to the end of a game and to quitting, so
// that a finished game stays on the sheet.
class AcceptingRefusals final : public QuestionPort {
public:
    Answer ask(const Question& question) override
    {
        return question.title == "Attention !" || question.title == "Warning !" ? Answer::Yes : Answer::No;
    }
};

struct RandomGameKinds {
    double unfinished = 0.1; // left before its end
    double hinted = 0.1;
    double undone = 0.05;
    double cheated = 0.03;
    double judged = 0.8;     // given the coach's figures
};

class RandomGames {
public:
    explicit RandomGames(std::uint64_t seed, RandomGameKinds kinds = {})
        : choices_(seed)
        , dice_(seed)
        , kinds_(kinds)
    {
        game_.setCaption(Label::Label20, "F");
    }

    // The next game, started `startedAt` milliseconds after 1970.
    StoredGame next(std::int64_t startedAt)
    {
        game_.Nouveau_Click();
        const bool unfinished = chance(kinds_.unfinished);
        const int boxes = unfinished ? pick(0, 11) : 12;
        if (chance(kinds_.hinted))
            game_.noteHint();
        if (chance(kinds_.cheated)) {
            game_.setCellsLocked(false);
            game_.typeText(Cell::Text6, std::to_string(pick(0, 5)));
            game_.setCellsLocked(true);
        }
        for (int box = 0; box < boxes; ++box) {
            playTurn();
            if (box == 5 && chance(kinds_.undone) && game_.canUndo()) {
                game_.undo();
                game_.redo();
            }
        }
        StoredGame stored = StoredGame::of(GameRecord(game_.record().events(), startedAt));
        if (!stored.cheated && chance(kinds_.judged)) {
            stored.totalLoss = pick(0, 2000) / 10.0;
            stored.meanLoss = *stored.totalLoss / 30;
        }
        if (stored.summary.finished() && chance(0.5))
            stored.player = chance(0.5) ? "Camille" : QString::fromUtf8("Zoé");
        return stored;
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(choices_) < p; }
    int pick(int least, int most) { return std::uniform_int_distribution<int>(least, most)(choices_); }

    // Up to three throws, keeping dice at random, then a free box at random.
    void playTurn()
    {
        const int throws = pick(1, 3);
        for (int t = 0; t < throws; ++t) {
            if (t > 0) {
                for (int die = 1; die <= kDieCount; ++die)
                    game_.setHeld(die, chance(0.5));
            }
            game_.Command1_Click();
        }
        std::vector<Button> free;
        for (int n = 2; n <= kButtonCount; ++n) {
            if (game_.isEnabled(button(n)))
                free.push_back(button(n));
        }
        game_.click(free[static_cast<std::size_t>(pick(0, static_cast<int>(free.size()) - 1))]);
    }

    std::mt19937_64 choices_;
    RandomDiceSource dice_;
    AcceptingRefusals answers_;
    Game game_{dice_, answers_};
    RandomGameKinds kinds_;
};

} // namespace daxo::test

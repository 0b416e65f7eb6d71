#include "table.h"

#include "computer_choice.h"
#include "levels.h"
#include "solver/game_analysis.h"
#include "winning_choice.h"

#include <algorithm>

namespace daxo {
namespace {

// The dice to tick for keeping `kept`: the first dice showing each face.
std::array<bool, 5> diceKeeping(solver::FaceCounts kept, const Dice& dice)
{
    std::array<bool, 5> held{};
    for (std::size_t die = 0; die < held.size(); ++die) {
        const int face = dice[die].size() == 1 ? dice[die][0] - '0' : 0;
        if (face >= 1 && face <= 6 && kept[static_cast<std::size_t>(face - 1)] > 0) {
            --kept[static_cast<std::size_t>(face - 1)];
            held[die] = true;
        }
    }
    return held;
}

} // namespace

std::vector<int> placesOf(const std::vector<int>& totals)
{
    std::vector<int> places;
    for (const int total : totals)
        places.push_back(1 + static_cast<int>(std::count_if(totals.begin(), totals.end(),
                                                            [total](int other) { return other > total; })));
    return places;
}

Table::Table(Game& game, Seats seats)
    : game_(game)
    , seats_(std::move(seats))
    , sheets_(seats_.size(), game.takeSheet())
{
    game_.addListener(*this);
    game_.setTable(this);
}

Table::~Table()
{
    game_.setTable(nullptr);
    game_.removeListener(*this);
}

void Table::addListener(TableListener& listener) { listeners_.push_back(&listener); }

void Table::removeListener(TableListener& listener) { std::erase(listeners_, &listener); }

template <typename Notify>
void Table::notify(Notify&& call)
{
    const std::vector<TableListener*> listening = listeners_;
    for (TableListener* listener : listening)
        call(*listener);
}

const GameRecord& Table::recordOf(int seat) const
{
    return seat == current_ ? game_.record() : sheets_[static_cast<std::size_t>(seat)].record();
}

std::vector<Opponent> Table::players() const
{
    std::vector<Opponent> players;
    for (int seat = 0; seat < static_cast<int>(seats_.size()); ++seat) {
        const Seat& player = seats_[static_cast<std::size_t>(seat)];
        players.push_back({solver::pointOf(recordOf(seat)), player.human() ? nullptr : levelNamed(player.level)});
    }
    return players;
}

std::vector<int> Table::places() const
{
    std::vector<int> totals;
    for (int seat = 0; seat < static_cast<int>(seats_.size()); ++seat)
        totals.push_back(summarize(recordOf(seat)).total);
    return placesOf(totals);
}

// The table is in its new state before the board tells what undo can do.
void Table::passTo(int seat, bool fresh, std::optional<int> lastBox)
{
    sheets_[static_cast<std::size_t>(current_)] = game_.takeSheet();
    current_ = seat;
    lastBox_ = lastBox;
    eventsAtPass_ = sheets_[static_cast<std::size_t>(seat)].record().events().size();
    throwAfterKeep_ = false;
    game_.putSheet(sheets_[static_cast<std::size_t>(seat)]);
    if (fresh)
        game_.forgetUndo();
    notify([seat](TableListener& l) { l.boardPassed(seat); });
}

void Table::boxScored()
{
    if (over_)
        return;
    passTo((current_ + 1) % static_cast<int>(seats_.size()), true, current_);
}

// The last seat's twelfth box is the table's last: the board goes to the
// first human for the game's own question.
bool Table::endsTheGame()
{
    if (current_ != static_cast<int>(seats_.size()) - 1)
        return false;
    over_ = true;
    const auto human = std::ranges::find_if(seats_, &Seat::human);
    passTo(human == seats_.end() ? 0 : static_cast<int>(human - seats_.begin()), true, std::nullopt);
    const std::vector<int> ranked = places();
    notify([&](TableListener& l) { l.tableEnded(ranked); });
    return true;
}

// A game that ended was told of whole at its end.
void Table::gameLeft(const GameRecord& left)
{
    if (over_)
        return;
    std::vector<GameRecord> records;
    for (int seat = 0; seat < static_cast<int>(seats_.size()); ++seat)
        records.push_back(seat == current_ ? left : sheets_[static_cast<std::size_t>(seat)].record());
    notify([&](TableListener& l) { l.tableLeft(records); });
}

// Every seat starts from the sheet New game just cleared, with its record.
void Table::newGame()
{
    std::fill(sheets_.begin(), sheets_.end(), game_.takeSheet());
    current_ = 0;
    over_ = false;
    lastBox_.reset();
    eventsAtPass_ = game_.record().events().size();
    throwAfterKeep_ = false;
    // What a computer that plays to win worked out serves the next games
    // too, which makes its steps quick, until it would take too much room.
    if (winning_ && winning_->positionsKnown() > WinningChoice::kMostPositionsKept)
        winning_.reset();
    notify([](TableListener& l) { l.boardPassed(0); });
}

bool Table::canTakeBack() const
{
    return !over_ && lastBox_ && seats_[static_cast<std::size_t>(*lastBox_)].human() &&
           game_.record().events().size() == eventsAtPass_;
}

void Table::takeBack()
{
    if (!canTakeBack())
        return;
    passTo(*lastBox_, false, std::nullopt);
}

std::optional<Table::Step> Table::playComputerStep(const solver::Strategy& strategy,
                                                   const solver::OpeningFutures* openings)
{
    if (!computerInPlay())
        return std::nullopt;
    Step step{.seat = current_};
    if (throwAfterKeep_) {
        throwAfterKeep_ = false;
        game_.Command1_Click();
        return step;
    }
    const GameRecord& record = game_.record();
    const solver::GamePoint point = solver::pointOf(record);
    const std::vector<solver::Action> actions = solver::actionsAt(point, strategy);
    if (actions.empty())
        return std::nullopt;
    const Level* named = levelNamed(seats_[static_cast<std::size_t>(current_)].level);
    const Level& level = named ? *named : perfectLevel();
    const solver::Action chosen =
        level.playsToWin ? chooseToWin(strategy, openings, point, actions)
                         : chooseAction(actions, level, decisionDraw(record.start().seed, current_, point.turn, point.throwsMade));
    switch (chosen.kind) {
    case solver::Action::Kind::Throw:
        game_.Command1_Click();
        break;
    case solver::Action::Kind::Keep:
        step.kind = Step::Kind::Keep;
        step.held = diceKeeping(chosen.kept, game_.dice());
        for (int die = 1; die <= kDieCount; ++die)
            game_.setHeld(die, step.held[static_cast<std::size_t>(die - 1)]);
        throwAfterKeep_ = true;
        break;
    case solver::Action::Kind::Score:
        step.kind = Step::Kind::Score;
        step.box = solver::buttonOf(chosen.box);
        game_.click(step.box);
        break;
    }
    return step;
}

const solver::Action& Table::chooseToWin(const solver::Strategy& strategy, const solver::OpeningFutures* openings,
                                         const solver::GamePoint& point, const std::vector<solver::Action>& actions)
{
    if (!winning_ || winningFor_ != &strategy || winningReads_ != openings) {
        winning_ = std::make_unique<WinningChoice>(strategy, openings, WinningChoice::Pace::Quick);
        winningFor_ = &strategy;
        winningReads_ = openings;
    }
    std::vector<Opponent> others = players();
    others.erase(others.begin() + current_);
    return winning_->choose(point, actions, others);
}

} // namespace daxo

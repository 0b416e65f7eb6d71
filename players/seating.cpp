#include "seating.h"

#include "table_texts.h"

#include <algorithm>

namespace daxo {
namespace {

bool alone(const Seats& players) { return players.size() == 1 && players.front().human(); }

} // namespace

Seating::Seating(Game& game, QuestionPort& questions, QObject* parent)
    : QObject(parent)
    , game_(game)
    , questions_(questions)
{
}

Seating::~Seating()
{
    if (table_)
        table_->removeListener(*this);
}

bool Seating::begun() const
{
    if (!table_)
        return summarize(game_.record()).begun;
    for (int seat = 0; seat < static_cast<int>(seats_.size()); ++seat) {
        if (summarize(table_->recordOf(seat)).begun)
            return true;
    }
    return false;
}

bool Seating::finished() const
{
    return table_ ? table_->over() : summarize(game_.record()).finished();
}

bool Seating::seat(const Seats& players, const std::string& languageCode)
{
    if (players.empty() || static_cast<int>(players.size()) > kMostSeats || players == seats_)
        return false;
    if (alone(players) && !table_) { // a new name for the player alone
        seats_ = players;
        return true;
    }
    if (begun()) {
        if (!finished()) {
            const TableTexts texts(languageCode);
            const Question leave{.prompt = texts.leaveGame().toStdString(),
                                 .title = texts.playersTitle().toStdString(),
                                 .icon = Question::Icon::Question};
            if (questions_.ask(leave) == Answer::No)
                return false;
        }
        // The players there keep the game they leave, each seat's sheet.
        game_.Nouveau_Click();
    }
    replaceTable(players);
    return true;
}

// On a game that nothing was played of yet: every seat starts from its
// empty sheet, as the table's own New game would start it.
void Seating::replaceTable(const Seats& players)
{
    if (table_) {
        // Whoever holds the old table lets it go before it goes.
        table_->removeListener(*this);
        const std::unique_ptr<Table> leaving = std::move(table_);
        Q_EMIT tableChanged(nullptr);
    }
    seats_ = players;
    if (!alone(players)) {
        table_ = std::make_unique<Table>(game_, players);
        table_->addListener(*this);
    }
    Q_EMIT tableChanged(table_.get());
    if (table_)
        Q_EMIT passed(table_->seatInPlay());
}

void Seating::boardPassed(int seat) { Q_EMIT passed(seat); }

void Seating::tableEnded(const std::vector<int>& places) { Q_EMIT ended(places); }

} // namespace daxo

#include "turn_title.h"

#include "seating.h"
#include "table_texts.h"
#include "widgets/box_names.h"

#include <QWidget>

namespace daxo {

TurnTitle::TurnTitle(Game& game, Seating& seating, QWidget& board, QObject* parent)
    : QObject(parent)
    , game_(game)
    , seating_(seating)
    , board_(board)
{
    game_.addListener(*this);
    connect(&seating_, &Seating::tableChanged, this, &TurnTitle::show);
    connect(&seating_, &Seating::passed, this, &TurnTitle::show);
    connect(&seating_, &Seating::ended, this, &TurnTitle::show);
    show();
}

TurnTitle::~TurnTitle() { game_.removeListener(*this); }

void TurnTitle::captionChanged(Label label, const std::string&)
{
    if (label == Label::Label20)
        show();
}

void TurnTitle::show()
{
    const Table* table = seating_.table();
    if (!table || table->over()) {
        board_.setWindowTitle("Daxo");
        return;
    }
    const TableTexts texts(game_.languageCode());
    board_.setWindowTitle(texts.boardTitle(texts.seatNames(seating_.seats()).value(table->seatInPlay())));
}

} // namespace daxo

#include "game.h"

#include "number_text.h"

#include <algorithm>

// The sheet's state, its setters and the chains of change handlers. The box
// rules are in boxes.cpp, the turn and the game's course in turn.cpp.

namespace daxo {
namespace {

// The slot at `index` (from 0), or nullptr when there is none, so that no
// index can reach past an array.
template <typename Array>
auto* slotAt(Array& array, int index)
{
    return index >= 0 && index < static_cast<int>(array.size()) ? &array[static_cast<std::size_t>(index)] : nullptr;
}

// The slot of the control numbered `number` (from 1).
template <typename Array>
auto* slot(Array& array, int number)
{
    return number >= 1 ? slotAt(array, number - 1) : nullptr;
}

// The labels are numbered in the order of the enumeration.
template <typename Array>
auto* slot(Array& array, Label l)
{
    return slotAt(array, static_cast<int>(l));
}

// What a control out of range reads as.
const std::string kNoText;
const HoldBox kNoHoldBox;
const PanelText kNoPanel;

// The face whose picture a die cell shows: 1 to 6, 0 for the blank die, or -1
// for any other text, which leaves the picture as it is.
int faceShownFor(const std::string& text)
{
    if (text.empty())
        return 0;
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '6')
        return text[0] - '0';
    return -1;
}

// Stores `value` and tells whether that changed anything: listeners hear of
// real changes only.
template <typename T>
bool replace(T& stored, T value)
{
    if (stored == value)
        return false;
    stored = std::move(value);
    return true;
}

// The sum of the cells from `first` to `last`, inclusive.
double sumOf(const Game& game, Cell first, Cell last)
{
    double sum = 0.0;
    for (int n = number(first); n <= number(last); ++n)
        sum += readNumber(game.text(cell(n)));
    return limitNumber(sum);
}

} // namespace

Game::Game(DiceSource& dice, QuestionPort& questions)
    : dice_(dice)
    , questions_(questions)
{
    for (int die = 1; die <= kDieCount; ++die)
        *slot(texts_, die) = "Dé " + std::to_string(die);
    *slot(texts_, number(Cell::Text12)) = "0";
    *slot(texts_, number(Cell::Text20)) = "0";
    *slot(playerSheet_, number(Cell::Text12)) = "0";
    *slot(playerSheet_, number(Cell::Text20)) = "0";

    enabled_.fill(true);

    *slot(captions_, Label::Label1) = "Label1";
    *slot(captions_, Label::Label17) = "1";
    *slot(captions_, Label::Label18) = "Image 1";
    *slot(captions_, Label::Label19) = "Label19";
    *slot(captions_, Label::Label20) = "Test";

    panels_ = {PanelText{"Partie n°", "1"}, {"Sous Total : ", ""}, {"Reste pour bonus : ", ""}, {"Bonus : ", ""},
               {"Total : ", ""}, {"Total des dés : ", ""}};
    record_ = GameRecord(1, dice_.startGame());
}

const GameTexts& Game::texts() const
{
    const std::string& code = languageCode();
    if (code == "F" || code == "E" || !translator_ || !translator_->speaks(code))
        return gameTexts(code);
    auto [entry, added] = translated_.try_emplace(code);
    Translated& translated = entry->second;
    if (added) {
        const GameTexts& english = gameTexts("E");
        for (std::size_t i = 0; i < std::size(kGameTexts); ++i) {
            translated.words[i] = translator_->translate(code, english.*kGameTexts[i]);
            translated.texts.*kGameTexts[i] = translated.words[i];
        }
    }
    return translated.texts;
}

void Game::addListener(GameListener& listener) { listeners_.push_back(&listener); }

void Game::removeListener(GameListener& listener)
{
    std::replace(listeners_.begin(), listeners_.end(), &listener, static_cast<GameListener*>(nullptr));
    if (notifying_ == 0)
        closeListenerGaps();
}

void Game::closeListenerGaps()
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), nullptr), listeners_.end());
}

const std::string& Game::text(Cell c) const
{
    const auto* stored = slot(texts_, number(c));
    return stored ? *stored : kNoText;
}

bool Game::isEnabled(Button b) const
{
    const auto* stored = slot(enabled_, number(b));
    return stored && *stored;
}

const HoldBox& Game::holdBox(int die) const
{
    const auto* stored = slot(holdBoxes_, die);
    return stored ? *stored : kNoHoldBox;
}

const std::string& Game::caption(Label l) const
{
    const auto* stored = slot(captions_, l);
    return stored ? *stored : kNoText;
}

const PanelText& Game::panel(int index) const
{
    const auto* stored = slot(panels_, index);
    return stored ? *stored : kNoPanel;
}

int Game::diePicture(int die) const
{
    const auto* stored = slot(diePictures_, die);
    return stored ? *stored : 0;
}

// The printable sheet has no dice: Text1 to Text5 read empty there.
const std::string& Game::playerSheetText(Cell c) const
{
    const auto* stored = slot(playerSheet_, number(c));
    return stored ? *stored : kNoText;
}

Dice Game::dice() const
{
    return {text(Cell::Text1), text(Cell::Text2), text(Cell::Text3), text(Cell::Text4), text(Cell::Text5)};
}

bool Game::isLocked(Cell c) const { return c == Cell::Text20 || cellsLocked_; }

void Game::setCellsLocked(bool locked)
{
    if (cellsLocked_ == locked)
        return;
    cellsLocked_ = locked;
    for (int n = 1; n < kCellCount; ++n)
        notify([&](GameListener& l) { l.lockChanged(cell(n), locked); });
}

double Game::value(Cell c) const { return readNumber(text(c)); }

void Game::setText(Cell c, std::string newText)
{
    auto* stored = slot(texts_, number(c));
    if (!stored || !replace(*stored, std::move(newText)))
        return;
    notify([&](GameListener& l) { l.textChanged(c, text(c)); });
    runChangeHandler(c);
}

bool Game::typeText(Cell c, std::string typed)
{
    if (isLocked(c) || !slot(texts_, number(c)))
        return false;
    if (typed != text(c))
        addToRecord(TypedEvent{c, typed});
    setText(c, std::move(typed));
    return true;
}

void Game::noteHint() { addToRecord(HintEvent{}); }

void Game::noteCoachWindow()
{
    const auto& events = record_.events();
    const bool noted = std::any_of(events.begin(), events.end(), [](const GameEvent& event) {
        const auto* hint = std::get_if<HintEvent>(&event);
        return hint && hint->coachWindow;
    });
    if (!noted)
        addToRecord(HintEvent{.coachWindow = true});
}

void Game::addToRecord(GameEvent event)
{
    // A new action ends what redo could bring back.
    const bool newAction = !std::holds_alternative<HintEvent>(event) && !std::holds_alternative<UndoEvent>(event);
    if (newAction)
        redo_.clear();
    record_.add(std::move(event));
    notify([&](GameListener& l) { l.recordChanged(record_); });
    tellUndoState();
}

void Game::startRecord(int game)
{
    notify([&](GameListener& l) { l.gameLeft(record_); });
    undo_.clear();
    redo_.clear();
    record_ = GameRecord(game, dice_.startGame());
    notify([&](GameListener& l) { l.recordChanged(record_); });
    tellUndoState();
}

void Game::setHeld(int die, bool held)
{
    if (!slot(holdBoxes_, die))
        return;
    HoldBox box = holdBox(die);
    box.checked = held;
    setHoldBox(die, box);
}

void Game::setCaption(Label l, std::string newCaption)
{
    auto* stored = slot(captions_, l);
    if (stored && replace(*stored, std::move(newCaption)))
        notify([&](GameListener& listener) { listener.captionChanged(l, caption(l)); });
}

void Game::setPanel(int index, PanelText newText)
{
    auto* stored = slot(panels_, index);
    if (stored && replace(*stored, std::move(newText)))
        notify([&](GameListener& l) { l.panelChanged(index, panel(index)); });
}

void Game::setEnabled(Button b, bool enabled)
{
    auto* stored = slot(enabled_, number(b));
    if (stored && replace(*stored, enabled))
        notify([&](GameListener& l) { l.buttonEnabledChanged(b, enabled); });
}

void Game::setHoldBox(int die, HoldBox box)
{
    auto* stored = slot(holdBoxes_, die);
    if (stored && replace(*stored, box))
        notify([&](GameListener& l) { l.holdBoxChanged(die, holdBox(die)); });
}

void Game::setDiePicture(int die, int face)
{
    auto* stored = slot(diePictures_, die);
    if (!stored)
        return;
    *stored = face;
    notify([&](GameListener& l) { l.diePictureChanged(die, face); });
}

void Game::setPlayerSheetText(Cell c, const std::string& newText)
{
    auto* stored = slot(playerSheet_, number(c));
    if (stored && replace(*stored, newText))
        notify([&](GameListener& l) { l.playerSheetChanged(c, playerSheetText(c)); });
}

void Game::runChangeHandler(Cell c)
{
    const int n = number(c);
    if (n <= number(Cell::Text5))
        Text5_Change(); // any die cell redraws all five dice
    else if (n <= number(Cell::Text11))
        Text6_Change();
    else if (c == Cell::Text12)
        Text12_Change();
    else if (c == Cell::Text13)
        Text13_Change();
    else if (n <= number(Cell::Text19))
        Text14_Change();
    else
        Text20_Change();
}

// The dice display: the dice total, then every die picture from its text.
void Game::Text5_Change()
{
    setPanel(6, {std::string(texts().diceTotal), writeNumber(diceSum(dice()))});
    for (int die = 1; die <= kDieCount; ++die) {
        const int face = faceShownFor(text(dieCell(die)));
        if (face >= 0)
            setDiePicture(die, face);
    }
}

void Game::Text6_Change()
{
    setText(Cell::Text12, writeNumber(sumOf(*this, Cell::Text6, Cell::Text11)));
}

void Game::Text12_Change()
{
    const double subtotal = value(Cell::Text12);
    // Above 59, as the rule has it: a subtotal typed as 59.5 earns it too.
    setText(Cell::Text13, subtotal > kBonusThreshold - 1 ? writeNumber(kBonus) : "0");
    const double missing = kBonusThreshold - subtotal;
    Text14_Change();
    setPanel(2, {std::string(texts().subtotal), text(Cell::Text12)});
    setPanel(3, {std::string(texts().missingBonus), writeNumber(missing)});
}

void Game::Text13_Change()
{
    setPanel(4, {std::string(texts().bonus), text(Cell::Text13)});
    Text14_Change();
}

void Game::Text14_Change()
{
    setText(Cell::Text20, writeNumber(sumOf(*this, Cell::Text12, Cell::Text19)));
}

void Game::Text20_Change()
{
    setPanel(5, {std::string(texts().total), text(Cell::Text20)});
    // The printable player's sheet follows the total, in this order.
    for (Cell c : {Cell::Text10, Cell::Text11, Cell::Text12, Cell::Text13, Cell::Text14, Cell::Text15,
                   Cell::Text16, Cell::Text17, Cell::Text18, Cell::Text19, Cell::Text20, Cell::Text9,
                   Cell::Text8, Cell::Text7, Cell::Text6})
        setPlayerSheetText(c, text(c));
}

} // namespace daxo

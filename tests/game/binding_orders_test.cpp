// The orders in which the game changes its sheet are part of its rules:
// later steps see the effects of earlier ones, and the windows mirror every
// step. A recording listener sees them as the windows do.

#include "support/game_fixture.h"

#include <algorithm>

namespace daxo {
namespace {

using test::GameFixture;
using Events = std::vector<std::string>;

// Every notification as a short line: "Text6=5", "Panel4=Bonus : 0",
// "Sheet Text6=5", "Picture1=0", "Command1 on", "Check1 on", "Check1 held",
// "Label1=0", "Locked Text1"; and, when it answers the game's questions,
// "Ask" and the question's title where the question came.
class Recorder final : public GameListener, public QuestionPort {
public:
    Answer ask(const Question& question) override
    {
        add("Ask " + question.title);
        return answers.ask(question);
    }
    test::ScriptedAnswers answers;

    void textChanged(Cell c, const std::string& text) override { add(name(c) + "=" + text); }
    void lockChanged(Cell c, bool locked) override { add((locked ? "Locked " : "Open ") + name(c)); }
    void buttonEnabledChanged(Button b, bool enabled) override { add(name(b) + (enabled ? " on" : " off")); }
    void holdBoxChanged(int die, const HoldBox& box) override
    {
        const std::string check = "Check" + std::to_string(die);
        if (box.enabled != last_[die - 1].enabled)
            add(check + (box.enabled ? " on" : " off"));
        if (box.checked != last_[die - 1].checked)
            add(check + (box.checked ? " held" : " free"));
        last_[die - 1] = box;
    }
    void captionChanged(Label l, const std::string& caption) override { add(name(l) + "=" + caption); }
    void panelChanged(int panel, const PanelText& text) override
    {
        add("Panel" + std::to_string(panel) + "=" + text.text());
    }
    void diePictureChanged(int die, int face) override
    {
        add("Picture" + std::to_string(die + 7) + "=" + std::to_string(face));
    }
    void playerSheetChanged(Cell c, const std::string& text) override { add("Sheet " + name(c) + "=" + text); }

    // What was heard since the last call, keeping only lines that start with
    // one of `kinds` (all of them when none is given).
    Events take(std::initializer_list<std::string_view> kinds = {})
    {
        Events kept;
        for (const std::string& event : events_) {
            if (kinds.size() == 0 ||
                std::any_of(kinds.begin(), kinds.end(), [&](std::string_view k) { return event.starts_with(k); }))
                kept.push_back(event);
        }
        events_.clear();
        return kept;
    }

private:
    void add(std::string event) { events_.push_back(std::move(event)); }
    Events events_;
    std::array<HoldBox, kDieCount> last_{};
};

class BindingOrders : public GameFixture {
protected:
    BindingOrders() { game.addListener(recorder); }
    ~BindingOrders() override { game.removeListener(recorder); }
    Recorder recorder;
};

TEST_F(BindingOrders, ResetTurnEmptiesTheDiceThenFreesTheTurnThenPutsThePlaceholders)
{
    throwDice({6, 5, 4, 3, 2});
    game.setHeld(2, true);
    recorder.take();
    game.ResetTurn();
    EXPECT_EQ(recorder.take(), (Events{
        // Each emptied die redraws all five dice and the total.
        "Text1=", "Panel6=Total des dés : 14", "Picture8=0", "Picture9=5", "Picture10=4", "Picture11=3", "Picture12=2",
        "Text2=", "Panel6=Total des dés : 9", "Picture8=0", "Picture9=0", "Picture10=4", "Picture11=3", "Picture12=2",
        "Text3=", "Panel6=Total des dés : 5", "Picture8=0", "Picture9=0", "Picture10=0", "Picture11=3", "Picture12=2",
        "Text4=", "Panel6=Total des dés : 2", "Picture8=0", "Picture9=0", "Picture10=0", "Picture11=0", "Picture12=2",
        "Text5=", "Panel6=Total des dés : 0", "Picture8=0", "Picture9=0", "Picture10=0", "Picture11=0", "Picture12=0",
        "Label1=0",
        "Check1 off", "Check2 off", "Check3 off", "Check4 off", "Check5 off",
        "Check2 free",
        // A placeholder leaves its picture as it is; the empty dice redraw.
        "Text1=a", "Picture9=0", "Picture10=0", "Picture11=0", "Picture12=0",
        "Text2=b", "Picture10=0", "Picture11=0", "Picture12=0",
        "Text3=c", "Picture11=0", "Picture12=0",
        "Text4=d", "Picture12=0",
        "Text5=e"}));
}

TEST_F(BindingOrders, AThrowCountsThenFreesTheHoldsThenRollsTheFreeDiceInOrder)
{
    throwDice({1, 2, 3, 4, 5});
    game.setHeld(3, true);
    recorder.take();
    throwDice({6, 6, 6, 6});
    EXPECT_EQ(recorder.take({"Text", "Label", "Check", "Command", "Panel"}),
              (Events{"Label1=2", "Text1=6", "Panel6=Total des dés : 20", "Text2=6", "Panel6=Total des dés : 24",
                      "Text4=6", "Panel6=Total des dés : 26", "Text5=6", "Panel6=Total des dés : 27"}));
    throwDice({1, 1, 1, 1});
    EXPECT_EQ(recorder.take({"Label", "Check", "Command"}), (Events{"Label1=3", "Command1 off"}));
}

TEST_F(BindingOrders, NewGameCountsClearsAndEnablesBeforeItResetsTheTurn)
{
    throwDice({2, 2, 2, 2, 2});
    game.Command3_Click();
    throwDice({3, 3, 4, 4, 4});
    game.Command8_Click();
    recorder.take();
    game.Nouveau_Click();
    EXPECT_EQ(recorder.take({"Label", "Command", "Text", "Panel1", "Panel2", "Panel3", "Panel4", "Panel5"}),
              (Events{"Panel1=Partie n°2", "Label17=2", "Label19=0", "Command3 on", "Command8 on",
                      // Twos emptied: the subtotal and the total follow, the
                      // bonus stays "0".
                      "Text7=", "Text12=0", "Text20=20", "Panel5=Total : 20", "Panel2=Sous Total : 0",
                      "Panel3=Reste pour Bonus : 60",
                      // Text12 is "0" already; then Text13 to Text20 emptied in order.
                      "Text13=", "Panel4=Bonus : ", "Text14=", "Text20=0", "Panel5=Total : 0", "Text20=",
                      "Panel5=Total : ",
                      // And only then the turn.
                      "Text1=", "Text2=", "Text3=", "Text4=", "Text5=", "Text1=a", "Text2=b", "Text3=c", "Text4=d",
                      "Text5=e"}));
}

// A number box: the subtotal, then the bonus with panel 4 and the total
// with panel 5 and the copy, then panels 2 and 3 last.
TEST_F(BindingOrders, TheTotalsChainOfANumberBox)
{
    throwDice({5, 5, 5, 1, 2});
    recorder.take();
    game.Command6_Click();
    EXPECT_EQ(recorder.take({"Text10=", "Text12=", "Text13=", "Text20=", "Panel2", "Panel3", "Panel4", "Panel5", "Sheet",
                             "Command6"}),
              (Events{"Text10=15", "Text12=15", "Text13=0", "Panel4=Bonus : 0", "Text20=15", "Panel5=Total : 15",
                      "Sheet Text10=15", "Sheet Text12=15", "Sheet Text13=0", "Sheet Text20=15",
                      "Panel2=Sous Total : 15", "Panel3=Reste pour Bonus : 45", "Command6 off"}));
}

// A cell whose change leaves the total as it was reaches the player's sheet
// only with the next change of the total, and then in the copy's own order.
TEST_F(BindingOrders, ThePlayersSheetIsCopiedInItsOrderWhenTheTotalChanges)
{
    for (int n = number(Cell::Text6); n <= number(Cell::Text19); ++n)
        if (n != number(Cell::Text12))
            game.setText(cell(n), "0");
    EXPECT_EQ(recorder.take({"Sheet"}), Events{});
    game.setText(Cell::Text19, "5");
    EXPECT_EQ(recorder.take({"Sheet"}),
              (Events{"Sheet Text10=0", "Sheet Text11=0", "Sheet Text13=0", "Sheet Text14=0", "Sheet Text15=0",
                      "Sheet Text16=0", "Sheet Text17=0", "Sheet Text18=0", "Sheet Text19=5", "Sheet Text20=5",
                      "Sheet Text9=0", "Sheet Text8=0", "Sheet Text7=0", "Sheet Text6=0"}));
}

// The Moins is freed from the Plus by the Plus cell's text: empty or "0"
// exactly. A Plus typed "00" reads 0 and so forces the Moins to 0.
TEST(TextRules, TheMoinsLooksAtThePlusCellsText)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", "24"}, {"0", "24"}, {"00", "0"}, {" 0", "0"}, {"0.0", "0"}, {"20", "0"}, {"24", "24"}, {"30", "24"},
    };
    for (const auto& [plus, moins] : rows) {
        test::Play play;
        play.game.setText(Cell::Text18, plus);
        play.throwDice({6, 6, 6, 3, 3});
        play.game.Command13_Click();
        EXPECT_EQ(play.text(Cell::Text19), moins) << "Plus \"" << plus << '"';
    }
}

// The Suite starts from the lowest die by text order: "10" sorts before
// "7", so 7 8 9 10 11 is no Suite, while a blank before a digit sorts first.
TEST(TextRules, TheSuiteStartsFromTheLowestDieByText)
{
    const std::pair<Dice, bool> rows[] = {
        {{"7", "8", "9", "10", "11"}, false},
        {{"10", "11", "12", "13", "14"}, true},
        {{"4", "5", " 3", "6", "7"}, true},
        {{"2", "3", "4", "5", "6"}, true},
    };
    for (const auto& [dice, suite] : rows) {
        test::Play play;
        for (int die = 1; die <= kDieCount; ++die)
            play.game.setText(dieCell(die), dice[static_cast<std::size_t>(die - 1)]);
        if (!suite)
            play.answers.queue({Answer::No});
        play.game.Command9_Click();
        EXPECT_EQ(play.text(Cell::Text15), suite ? "30" : "") << dice[0] << ' ' << dice[3];
    }
}

TEST(TextRules, ThePanelsPrefixesFollowTheCode)
{
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"F", "Total des dés : 7", "Partie n°2"},
        {"E", "Dice's total : 7", "Game n°2"},
        {"D", "Dice's total : 7", "Game n°2"},
        {"", "Dice's total : 7", "Game n°2"},
    };
    for (const auto& [code, diceTotal, gameNumber] : rows) {
        test::Play play(code);
        play.game.Nouveau_Click();
        play.game.setText(Cell::Text3, "7");
        EXPECT_EQ(std::pair(play.panel(6), play.panel(1)), std::pair(diceTotal, gameNumber)) << '"' << code << '"';
    }
}

TEST_F(BindingOrders, TheGrandTotalIsNeverOpenToTyping)
{
    game.setCellsLocked(false);
    const Events heard = recorder.take();
    EXPECT_EQ(heard.size(), 19u);
    EXPECT_EQ(heard.front(), "Open Text1");
    EXPECT_EQ(heard.back(), "Open Text19");
    EXPECT_TRUE(game.isLocked(Cell::Text20));
    EXPECT_FALSE(game.typeText(Cell::Text20, "999"));
    EXPECT_TRUE(game.typeText(Cell::Text19, "7"));
    EXPECT_EQ(text(Cell::Text20), "7");
    game.setCellsLocked(true);
    EXPECT_FALSE(game.typeText(Cell::Text19, "8"));
    EXPECT_EQ(text(Cell::Text19), "7");
}

// A game whose questions come among its notifications.
struct AskingGame : ::testing::Test {
    AskingGame()
    {
        game.setCaption(Label::Label20, "F");
        game.addListener(recorder);
    }
    ~AskingGame() override
    {
        game.removeListener(recorder);
        EXPECT_TRUE(dice.exhausted() && recorder.answers.exhausted());
    }
    void throwDice(std::initializer_list<int> faces)
    {
        dice.queue(faces);
        game.Command1_Click();
    }
    Recorder recorder;
    test::ScriptedDice dice;
    Game game{dice, recorder};
};

// A box: its score with the totals, its button off, then the turn reset,
// then the count of boxes; a refused combination asks before any of it.
TEST_F(AskingGame, ABoxScoresThenEndsTheTurnThenCounts)
{
    game.setCaption(Label::Label19, "0");
    throwDice({1, 2, 2, 4, 6});
    recorder.take();
    recorder.answers.queue({Answer::Yes});
    game.Command8_Click();
    EXPECT_EQ(recorder.take({"Ask", "Text14", "Text20", "Panel5", "Command", "Text1=", "Label"}),
              (Events{"Ask Attention !", "Text14=0", "Command8 off", "Text1=", "Label1=0", "Text1=a", "Label19=1"}));
    // The total kept its text: no notification for it, nor for panel 5.

    throwDice({6, 6, 6, 1, 2});
    recorder.take();
    game.Command12_Click();
    EXPECT_EQ(recorder.take({"Ask", "Text18", "Text20", "Panel5", "Sheet Text20", "Command", "Text1=", "Label"}),
              (Events{"Text18=21", "Text20=21", "Panel5=Total : 21", "Sheet Text20=21", "Command12 off", "Text1=",
                      "Label1=0", "Text1=a", "Label19=2"}));
}

// The twelfth box counts, then asks; the game after a Yes starts only then.
TEST_F(AskingGame, TheEndCountsTheBoxBeforeItAsks)
{
    game.setCaption(Label::Label19, "11");
    throwDice({3, 3, 3, 3, 3});
    recorder.take();
    recorder.answers.queue({Answer::Yes});
    game.Command4_Click();
    EXPECT_EQ(recorder.take({"Ask", "Label19", "Label17"}),
              (Events{"Label19=12", "Ask Fin de la partie", "Label17=2", "Label19=0"}));
}

// The bonus: panel 4 first, then the total it changes.
TEST_F(BindingOrders, TheBonusWritesItsPanelBeforeTheTotal)
{
    game.setText(Cell::Text14, "20");
    recorder.take();
    game.setText(Cell::Text6, "60");
    EXPECT_EQ(recorder.take({"Text12", "Text13", "Text20", "Panel"}),
              (Events{"Text12=60", "Text13=30", "Panel4=Bonus : 30", "Text20=110", "Panel5=Total : 110",
                      "Panel2=Sous Total : 60", "Panel3=Reste pour Bonus : 0"}));
}

} // namespace
} // namespace daxo

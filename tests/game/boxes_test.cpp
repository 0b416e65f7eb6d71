#include "support/game_fixture.h"

namespace daxo {
namespace {

using test::GameFixture;

struct Scoring {
    std::array<int, 5> faces;
    Button box;
    Cell cell;
    std::string score;
};

void PrintTo(const Scoring& s, std::ostream* os)
{
    *os << name(s.box) << " on";
    for (int face : s.faces)
        *os << ' ' << face;
}

class BoxScoring : public GameFixture, public ::testing::WithParamInterface<Scoring> {};

TEST_P(BoxScoring, ScoresTheBoxAndEndsTheTurn)
{
    const Scoring& s = GetParam();
    throwDice({s.faces[0], s.faces[1], s.faces[2], s.faces[3], s.faces[4]});
    game.click(s.box);

    EXPECT_EQ(text(s.cell), s.score);
    EXPECT_FALSE(game.isEnabled(s.box));
    EXPECT_TRUE(answers.asked().empty());
    // The turn is over: placeholders, no throw made, holds cleared.
    EXPECT_EQ(game.dice(), (Dice{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(game.caption(Label::Label1), "0");
    EXPECT_EQ(game.caption(Label::Label19), "1");
    EXPECT_TRUE(game.isEnabled(Button::Command1));
}

// One row per rule; the combination tests themselves are covered on their
// own in dice_rules_test.cpp.
INSTANTIATE_TEST_SUITE_P(Dice, BoxScoring, ::testing::Values(
    Scoring{{3, 3, 5, 3, 1}, Button::Command4, Cell::Text8, "9"},
    Scoring{{3, 3, 5, 3, 1}, Button::Command7, Cell::Text11, "0"},
    Scoring{{6, 6, 6, 6, 6}, Button::Command7, Cell::Text11, "30"},
    Scoring{{1, 2, 2, 4, 6}, Button::Command2, Cell::Text6, "1"},
    Scoring{{5, 5, 5, 2, 2}, Button::Command8, Cell::Text14, "20"},
    Scoring{{6, 2, 4, 3, 5}, Button::Command9, Cell::Text15, "30"},
    Scoring{{6, 1, 6, 6, 6}, Button::Command10, Cell::Text16, "40"},
    Scoring{{4, 4, 4, 4, 4}, Button::Command11, Cell::Text17, "50"},
    Scoring{{6, 5, 6, 4, 1}, Button::Command12, Cell::Text18, "22"},
    Scoring{{1, 1, 2, 1, 1}, Button::Command13, Cell::Text19, "6"}));

struct Refusal {
    std::array<int, 5> faces;
    Button box;
    Cell cell;
};

class BoxRefusal : public GameFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(BoxRefusal, YesScoresZero)
{
    const Refusal& r = GetParam();
    throwDice({r.faces[0], r.faces[1], r.faces[2], r.faces[3], r.faces[4]});
    answers.queue({Answer::Yes});
    game.click(r.box);

    EXPECT_EQ(text(r.cell), "0");
    EXPECT_FALSE(game.isEnabled(r.box));
    EXPECT_EQ(game.dice(), (Dice{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(game.caption(Label::Label19), "1");
}

TEST_P(BoxRefusal, NoChangesNothing)
{
    const Refusal& r = GetParam();
    throwDice({r.faces[0], r.faces[1], r.faces[2], r.faces[3], r.faces[4]});
    game.setHeld(2, true);
    const Dice before = game.dice();

    answers.queue({Answer::No});
    game.click(r.box);

    EXPECT_EQ(text(r.cell), "");
    EXPECT_TRUE(game.isEnabled(r.box));
    EXPECT_EQ(game.dice(), before);
    EXPECT_EQ(game.caption(Label::Label1), "1");
    EXPECT_EQ(game.caption(Label::Label19), "Label19");
    EXPECT_TRUE(game.holdBox(2).checked);
    // The turn goes on: the next throw keeps the held die.
    throwDice({1, 1, 1, 1});
    EXPECT_EQ(text(Cell::Text2), before[1]);
}

INSTANTIATE_TEST_SUITE_P(Dice, BoxRefusal, ::testing::Values(
    Refusal{{5, 5, 5, 2, 2}, Button::Command10, Cell::Text16},
    Refusal{{5, 5, 5, 2, 2}, Button::Command11, Cell::Text17},
    Refusal{{6, 1, 6, 6, 6}, Button::Command8, Cell::Text14},
    Refusal{{1, 2, 3, 4, 6}, Button::Command9, Cell::Text15},
    Refusal{{1, 2, 3, 4, 4}, Button::Command9, Cell::Text15},
    Refusal{{1, 2, 3, 4, 5}, Button::Command11, Cell::Text17}));

struct RefusalWording {
    std::string code;
    Button box;
    std::string prompt;
    std::string title;
};

class RefusalMessage : public GameFixture, public ::testing::WithParamInterface<RefusalWording> {};

TEST_P(RefusalMessage, SpeaksTheLanguageOfTheCode)
{
    setLanguage(GetParam().code);
    answers.queue({Answer::No});
    game.click(GetParam().box);
    ASSERT_EQ(answers.asked().size(), 1u);
    const Question expected{GetParam().prompt, GetParam().title, Question::Icon::Exclamation};
    EXPECT_EQ(answers.asked().front(), expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusalMessage, ::testing::Values(
    RefusalWording{"F", Button::Command8, "Vous n'avez pas de Full\r\nVoulez-vous effectuer cette action?", "Attention !"},
    RefusalWording{"F", Button::Command10, "Vous n'avez pas de Carré\r\nVoulez-vous effectuer cette action?", "Attention !"},
    RefusalWording{"E", Button::Command9, "You don't have any Sequence\r\nAre you sure to click?", "Warning !"},
    RefusalWording{"E", Button::Command10, "You don't have any Four\r\nAre you sure to click?", "Warning !"},
    RefusalWording{"D", Button::Command11, "You don't have any Daxo\r\nAre you sure to click?", "Warning !"},
    RefusalWording{"", Button::Command8, "You don't have any Full\r\nAre you sure to click?", "Warning !"}));

// Before the first throw of a turn the dice hold placeholders, and at
// window start their start texts: nothing is on the dice.
class BeforeTheFirstThrow : public GameFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        if (GetParam()) {
            throwDice({1, 1, 1, 1, 1});
            game.Command2_Click();
        }
    }
};

TEST_P(BeforeTheFirstThrow, NumberAndSumBoxesScoreZero)
{
    for (Button box : {Button::Command3, Button::Command4, Button::Command5, Button::Command6, Button::Command7,
                       Button::Command12, Button::Command13})
        game.click(box);
    for (Cell c : {Cell::Text7, Cell::Text8, Cell::Text9, Cell::Text10, Cell::Text11, Cell::Text18, Cell::Text19})
        EXPECT_EQ(text(c), "0") << name(c);
}

TEST_P(BeforeTheFirstThrow, CombinationsAreRefused)
{
    answers.queue({Answer::No, Answer::No, Answer::No, Answer::Yes});
    for (Button box : {Button::Command8, Button::Command9, Button::Command10, Button::Command11})
        game.click(box);
    EXPECT_EQ(answers.asked().size(), 4u);
    EXPECT_EQ(text(Cell::Text14), "");
    EXPECT_EQ(text(Cell::Text17), "0");
}

INSTANTIATE_TEST_SUITE_P(AfterAScoredTurn, BeforeTheFirstThrow, ::testing::Bool());

// The Moins must not exceed the Plus: whichever is scored second is forced
// to 0 when it would break the rule.
struct MoinsPlus {
    Button first;
    std::array<int, 5> firstFaces;
    Button second;
    std::array<int, 5> secondFaces;
    std::string plus;
    std::string moins;
};

class MoinsPlusRule : public GameFixture, public ::testing::WithParamInterface<MoinsPlus> {};

TEST_P(MoinsPlusRule, ForcesTheSecondBoxToZeroOnlyWhenItBreaksTheRule)
{
    const MoinsPlus& m = GetParam();
    throwDice({m.firstFaces[0], m.firstFaces[1], m.firstFaces[2], m.firstFaces[3], m.firstFaces[4]});
    game.click(m.first);
    throwDice({m.secondFaces[0], m.secondFaces[1], m.secondFaces[2], m.secondFaces[3], m.secondFaces[4]});
    game.click(m.second);
    EXPECT_EQ(text(Cell::Text18), m.plus);
    EXPECT_EQ(text(Cell::Text19), m.moins);
}

constexpr std::array<int, 5> k20{4, 4, 4, 4, 4};
constexpr std::array<int, 5> k24{6, 6, 6, 3, 3};
constexpr std::array<int, 5> k18{6, 6, 2, 2, 2};
constexpr std::array<int, 5> k5{1, 1, 1, 1, 1};

INSTANTIATE_TEST_SUITE_P(Orders, MoinsPlusRule, ::testing::Values(
    MoinsPlus{Button::Command12, k20, Button::Command13, k24, "20", "0"},
    MoinsPlus{Button::Command13, k24, Button::Command12, k20, "0", "24"},
    MoinsPlus{Button::Command12, k18, Button::Command13, k18, "18", "18"},
    MoinsPlus{Button::Command13, k18, Button::Command12, k18, "18", "18"},
    MoinsPlus{Button::Command12, k24, Button::Command13, k20, "24", "20"},
    MoinsPlus{Button::Command13, k5, Button::Command12, k24, "24", "5"}));

TEST_F(GameFixture, AFreeOrZeroPlusLimitsNoMoins)
{
    // Moins with the Plus free keeps its sum, however high.
    throwDice({6, 6, 6, 6, 6});
    game.Command13_Click();
    EXPECT_EQ(text(Cell::Text19), "30");
    // A Plus scored later below it is forced to 0.
    throwDice({1, 2, 1, 2, 1});
    game.Command12_Click();
    EXPECT_EQ(text(Cell::Text18), "0");
}

TEST_F(GameFixture, APlusScoredBeforeAThrowLimitsNoMoins)
{
    game.Command12_Click();
    EXPECT_EQ(text(Cell::Text18), "0");
    throwDice({5, 5, 5, 5, 4});
    game.Command13_Click();
    EXPECT_EQ(text(Cell::Text19), "24");
}

TEST_F(GameFixture, AUsedBoxCannotBeScoredAgain)
{
    throwDice({6, 6, 6, 6, 6});
    game.Command7_Click();
    throwDice({1, 1, 1, 1, 1});
    game.Command7_Click();
    EXPECT_EQ(text(Cell::Text11), "30");
    EXPECT_EQ(game.caption(Label::Label19), "1");
    EXPECT_EQ(game.dice()[0], "1");
}

TEST_F(GameFixture, TypedDiceAreReadByTheRules)
{
    for (int die = 1; die <= 5; ++die)
        game.setText(dieCell(die), std::to_string(die + 2));
    game.Command9_Click();
    EXPECT_EQ(text(Cell::Text15), "30");
    game.setText(Cell::Text1, "7 dwarfs");
    game.Command12_Click();
    EXPECT_EQ(text(Cell::Text18), "7");
}

} // namespace
} // namespace daxo

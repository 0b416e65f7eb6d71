#pragma once

#include "game/game.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace daxo::test {

// A game with scripted dice and answers, in the language code "F" unless
// set otherwise. Whatever was scripted must have been used by the end.
struct Play {
    explicit Play(const std::string& code = "F") { game.setCaption(Label::Label20, code); }
    ~Play()
    {
        EXPECT_TRUE(dice.exhausted()) << "scripted faces were left unthrown";
        EXPECT_TRUE(answers.exhausted()) << "scripted answers were left unasked";
    }

    // Throws the dice that are not held; `faces` go to them in die order.
    template <typename Faces = std::initializer_list<int>>
    void throwDice(const Faces& faces)
    {
        dice.queue(faces);
        game.Command1_Click();
    }

    std::string panel(int index) const { return game.panel(index).text(); }
    std::string text(Cell cell) const { return game.text(cell); }
    bool placeholders() const { return game.dice() == Dice{"a", "b", "c", "d", "e"}; }

    ScriptedDice dice;
    ScriptedAnswers answers;
    Game game{dice, answers};
};

struct GameFixture : ::testing::Test, Play {};

} // namespace daxo::test

#pragma once

#include "game/game.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace daxo::test {

// A game with scripted dice and answers, in the language code "F" unless a
// test says otherwise.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() { game.setCaption(Label::Label20, "F"); }

    void TearDown() override
    {
        EXPECT_TRUE(dice.exhausted()) << "scripted faces were left unthrown";
        EXPECT_TRUE(answers.exhausted()) << "scripted answers were left unasked";
    }

    // Throws the dice that are not held; `faces` go to them in die order.
    void throwDice(std::initializer_list<int> faces)
    {
        dice.queue(faces);
        game.Command1_Click();
    }

    void setLanguage(const std::string& code) { game.setCaption(Label::Label20, code); }
    std::string panel(int index) const { return game.panel(index); }
    std::string text(Cell cell) const { return game.text(cell); }

    ScriptedDice dice;
    ScriptedAnswers answers;
    Game game{dice, answers};
};

} // namespace daxo::test

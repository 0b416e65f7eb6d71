#pragma once

#include "game/ports.h"

#include <functional>

namespace daxo {

// The game's questions, answered for a computer in play: a combination it
// chose to score is not on the dice, so it scores 0, as it decided. Every
// other question goes to the player.
class ComputerAnswers final : public QuestionPort {
public:
    explicit ComputerAnswers(QuestionPort& player) : player_(player) {}

    // Tells whether a computer is in play now; nothing for a game alone.
    void setComputerInPlay(std::function<bool()> computerInPlay) { computerInPlay_ = std::move(computerInPlay); }

    Answer ask(const Question& question) override
    {
        return computerInPlay_ && computerInPlay_() ? Answer::Yes : player_.ask(question);
    }

private:
    QuestionPort& player_;
    std::function<bool()> computerInPlay_;
};

} // namespace daxo

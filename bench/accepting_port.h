#pragma once

#include "game/ports.h"

namespace daxo::bench {

// Confirms every box a computer chose to score for nothing, and plays no
// new game at the end: the benches start each.
class Accepting final : public QuestionPort {
public:
    Answer ask(const Question& question) override
    {
        return question.title == "Attention !" || question.title == "Warning !" ? Answer::Yes : Answer::No;
    }
};

} // namespace daxo::bench

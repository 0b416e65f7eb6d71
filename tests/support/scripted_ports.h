#pragma once

#include "game/ports.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <vector>

namespace daxo::test {

// Hands out the faces it was given, in order.
class ScriptedDice final : public DiceSource {
public:
    void queue(std::initializer_list<int> faces) { faces_.insert(faces_.end(), faces); }
    bool exhausted() const { return faces_.empty(); }

    int nextFace() override
    {
        if (faces_.empty()) {
            ADD_FAILURE() << "a die was thrown that the test did not script";
            return 1;
        }
        const int face = faces_.front();
        faces_.pop_front();
        return face;
    }

private:
    std::deque<int> faces_;
};

// Answers questions as scripted and keeps every question asked.
class ScriptedAnswers final : public QuestionPort {
public:
    void queue(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }
    bool exhausted() const { return answers_.empty(); }
    const std::vector<Question>& asked() const { return asked_; }

    Answer ask(const Question& question) override
    {
        asked_.push_back(question);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.prompt;
            return Answer::No;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<Answer> answers_;
    std::vector<Question> asked_;
};

} // namespace daxo::test

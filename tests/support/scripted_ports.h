#pragma once

#include "game/ports.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <vector>

namespace daxo::test {

// What a test scripted for something to hand out, in order; asking for
// more than was scripted fails the test.
template <typename T>
class Script {
public:
    template <typename Range>
    void queue(const Range& items) { items_.insert(items_.end(), std::begin(items), std::end(items)); }
    void queue(std::initializer_list<T> items) { items_.insert(items_.end(), items); }
    bool exhausted() const { return items_.empty(); }

    T next(const T& fallback, const char* what)
    {
        if (items_.empty()) {
            ADD_FAILURE() << what << " that the test did not script";
            return fallback;
        }
        const T item = items_.front();
        items_.pop_front();
        return item;
    }

private:
    std::deque<T> items_;
};

// Hands out the faces scripted; rewound, it hands out again those it
// handed out before.
class ScriptedDice final : public DiceSource, public Script<int> {
public:
    int nextFace() override
    {
        if (position_ == thrown_.size())
            thrown_.push_back(next(1, "a die thrown"));
        return thrown_[position_++];
    }
    // Each game a seed of its own, counted from 1.
    std::uint64_t startGame() override
    {
        thrown_.clear();
        position_ = 0;
        return ++games_;
    }
    std::uint64_t position() const override { return position_; }
    void rewind(std::uint64_t position) override { position_ = static_cast<std::size_t>(position); }

private:
    std::uint64_t games_ = 0;
    std::vector<int> thrown_;
    std::size_t position_ = 0;
};

// Answers questions as scripted and keeps every question asked.
class ScriptedAnswers final : public QuestionPort, public Script<Answer> {
public:
    const std::vector<Question>& asked() const { return asked_; }
    Answer ask(const Question& question) override
    {
        asked_.push_back(question);
        return next(Answer::No, "a question");
    }

private:
    std::vector<Question> asked_;
};

} // namespace daxo::test

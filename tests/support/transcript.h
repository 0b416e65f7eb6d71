#pragma once

// Transcripts: what the program said of a scripted or seeded game, held
// line by line to a file reviewed once by eye. With DAXO_WRITE_TRANSCRIPTS
// set, the file is written anew from what was said instead, to be read
// before it is committed.

#include "game/record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace daxo::test {

// The lines of a transcript file.
inline std::vector<std::string> linesOf(const std::string& path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline void expectTranscript(const std::string& path, const std::vector<std::string>& said)
{
    if (std::getenv("DAXO_WRITE_TRANSCRIPTS")) {
        std::ofstream out(path);
        for (const std::string& line : said)
            out << line << '\n';
        return;
    }
    const std::vector<std::string> kept = linesOf(path);
    const auto [got, want] = std::ranges::mismatch(said, kept);
    if (got != said.end() || want != kept.end())
        ADD_FAILURE() << path << ":" << (want - kept.begin()) + 1 << ": the program says\n  "
                      << (got == said.end() ? "<nothing more>" : *got) << "\nwhere the transcript says\n  "
                      << (want == kept.end() ? "<nothing more>" : *want);
}

inline std::string diceOf(const Dice& dice)
{
    std::string shown;
    for (const std::string& die : dice)
        shown += (shown.empty() ? "" : ",") + die;
    return shown;
}

inline std::string heldOf(const std::array<bool, 5>& held)
{
    std::string shown;
    for (const bool die : held)
        shown += die ? '1' : '0';
    return shown;
}

// An event of a record, as a transcript writes it.
inline std::string lineOf(const GameEvent& event)
{
    struct {
        std::string operator()(const NewGameEvent& e) { return "game " + std::to_string(e.game); }
        std::string operator()(const ThrowEvent& e)
        {
            return "throw " + std::to_string(e.throwNumber) + " held " + heldOf(e.held) + " " + diceOf(e.dice);
        }
        std::string operator()(const ScoreEvent& e)
        {
            return "score " + name(e.box) + "=" + e.score + " after " + std::to_string(e.throwsMade) + " on " +
                   diceOf(e.dice);
        }
        std::string operator()(const TypedEvent& e) { return "typed " + name(e.cell) + "=" + e.text; }
        std::string operator()(const HintEvent& e) { return e.coachWindow ? "coach window" : "hint"; }
        std::string operator()(const UndoEvent& e) { return e.redo ? "redo" : "undo"; }
    } shown;
    return std::visit(shown, event);
}

} // namespace daxo::test

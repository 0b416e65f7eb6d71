#include "advice_line.h"

#include "excerpt.h"

#include <charconv>
#include <optional>
#include <vector>

namespace daxo::solver {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// The used boxes, the subtotal, the Plus and the Moins, in four fields.
std::optional<LineError> readPosition(std::span<const std::string_view> fields, Position& position)
{
    if (fields[0] != "-") {
        for (const std::string_view name : split(fields[0], ',')) {
            const std::optional<Box> box = boxNamed(name);
            if (!box)
                return LineError{"used boxes", tools::excerpt(name) + " is no box (1 to 6, Full, Suite, Carre, Daxo, Plus, Moins)"};
            if (position.used & bit(*box))
                return LineError{"used boxes", tools::excerpt(name) + " is named twice"};
            position.used |= bit(*box);
        }
    }

    const std::optional<int> subtotal = wholeNumber(fields[1]);
    if (!subtotal)
        return LineError{"subtotal", tools::excerpt(fields[1]) + " is not a whole number"};
    position.subtotal = *subtotal;

    const char* const sumNames[] = {"Plus", "Moins"};
    std::optional<int>* const sums[] = {&position.plus, &position.moins};
    for (int i = 0; i < 2; ++i) {
        const std::string_view field = fields[static_cast<std::size_t>(2 + i)];
        if (field == "-")
            continue;
        *sums[i] = wholeNumber(field);
        if (!*sums[i])
            return LineError{sumNames[i], tools::excerpt(field) + " is neither a whole number nor \"-\""};
    }
    return std::nullopt;
}

// Why no game reaches the position, in the field it is about.
std::optional<LineError> impossibility(const Position& position)
{
    const auto why = whyImpossible(position);
    if (!why)
        return std::nullopt;
    const bool aboutSubtotal = why->find("subtotal") != std::string::npos;
    const bool aboutPlus = why->starts_with("Plus");
    return LineError{aboutSubtotal ? "subtotal" : aboutPlus ? "Plus" : "Moins", *why};
}

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return split(line, '\t');
}

} // namespace

std::variant<AdviceRequest, LineError> readAdviceLine(std::string_view line)
{
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.size() != 6)
        return LineError{"line", "six fields separated by tabs are needed, not " + std::to_string(fields.size())};

    AdviceRequest request;
    if (auto error = readPosition(std::span(fields).first(4), request.position))
        return *error;

    const std::string_view dice = fields[4];
    if (dice.size() != 5 || dice.find_first_not_of("123456") != std::string_view::npos)
        return LineError{"dice", tools::excerpt(dice) + " is not five digits from 1 to 6"};
    for (const char die : dice)
        ++request.dice[static_cast<std::size_t>(die - '1')];

    const std::optional<int> throwsLeft = wholeNumber(fields[5]);
    if (!throwsLeft || *throwsLeft < 0 || *throwsLeft > 2)
        return LineError{"throws left", tools::excerpt(fields[5]) + " is not 0, 1 or 2"};
    request.throwsLeft = *throwsLeft;

    if (request.position.used == kAllBoxes)
        return LineError{"used boxes", "every box is scored: the game is over"};
    if (auto error = impossibility(request.position))
        return *error;
    return request;
}

std::variant<PlayerLine, LineError> readPlayerLine(std::string_view line)
{
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.size() != 6)
        return LineError{"line", "six fields separated by tabs are needed, not " + std::to_string(fields.size())};
    PlayerLine player;
    player.level = std::string(fields[0]);
    const std::optional<int> points = wholeNumber(fields[1]);
    if (!points || *points < 0)
        return LineError{"points", tools::excerpt(fields[1]) + " is not a whole number of points"};
    player.points = *points;
    if (auto error = readPosition(std::span(fields).subspan(2, 4), player.position))
        return *error;
    if (auto error = impossibility(player.position))
        return *error;
    return player;
}

} // namespace daxo::solver

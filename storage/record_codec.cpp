#include "record_codec.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace daxo {
namespace {

enum Kind : std::uint8_t {
    kThrow = 0,      // held dice in the high bits; the number, then five faces packed
    kThrowTexts = 1, // the same, with five texts for dice that are not faces
    kScore = 2,      // box and whether its dice follow; throws made, score, [five texts]
    kTyped = 3,      // cell number, text
    kHint = 4,       // high bit 0 set: the coach window's
    kUndo = 5,       // high bit 0 set: redo
};

constexpr int kKindBits = 3;

// Writes numbers as base-128 digits, least first, the high bit of each
// byte saying that more follow; signed numbers zigzagged first.
class Writer {
public:
    void byte(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void unsignedNumber(std::uint64_t value)
    {
        while (value >= 0x80) {
            byte(static_cast<std::uint8_t>(value | 0x80));
            value >>= 7;
        }
        byte(static_cast<std::uint8_t>(value));
    }
    void number(std::int64_t value)
    {
        unsignedNumber((static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63));
    }
    void text(const std::string& value)
    {
        unsignedNumber(value.size());
        bytes_.append(value.data(), static_cast<qsizetype>(value.size()));
    }
    void texts(const Dice& dice)
    {
        for (const std::string& die : dice)
            text(die);
    }
    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_{""}; // empty, never null: a record without events is still a record

};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool atEnd() const { return at_ >= bytes_.size(); }
    std::optional<std::uint8_t> byte()
    {
        if (atEnd())
            return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }
    std::optional<std::uint64_t> unsignedNumber()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const auto next = byte();
            if (!next)
                return std::nullopt;
            value |= static_cast<std::uint64_t>(*next & 0x7f) << shift;
            if (!(*next & 0x80))
                return value;
        }
        return std::nullopt;
    }
    std::optional<int> number()
    {
        const auto zigzag = unsignedNumber();
        if (!zigzag)
            return std::nullopt;
        const std::int64_t value = static_cast<std::int64_t>(*zigzag >> 1) ^ -static_cast<std::int64_t>(*zigzag & 1);
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(value);
    }
    std::optional<std::string> text()
    {
        const auto size = unsignedNumber();
        if (!size || *size > static_cast<std::uint64_t>(bytes_.size() - at_))
            return std::nullopt;
        std::string value(bytes_.constData() + at_, static_cast<std::size_t>(*size));
        at_ += static_cast<qsizetype>(*size);
        return value;
    }
    std::optional<Dice> texts()
    {
        Dice dice;
        for (std::string& die : dice) {
            auto read = text();
            if (!read)
                return std::nullopt;
            die = std::move(*read);
        }
        return dice;
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

bool isFace(const std::string& die) { return die.size() == 1 && die[0] >= '1' && die[0] <= '6'; }

bool allFaces(const Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [](const std::string& die) { return isFace(die); });
}

std::uint8_t heldBits(const std::array<bool, 5>& held)
{
    std::uint8_t bits = 0;
    for (std::size_t die = 0; die < held.size(); ++die)
        bits |= static_cast<std::uint8_t>(held[die] << die);
    return bits;
}

std::array<bool, 5> heldOf(std::uint8_t bits)
{
    std::array<bool, 5> held{};
    for (std::size_t die = 0; die < held.size(); ++die)
        held[die] = bits & (1u << die);
    return held;
}

std::uint8_t head(Kind kind, unsigned payload) { return static_cast<std::uint8_t>(kind | (payload << kKindBits)); }

// The dice of the turn's last throw, which a box scored after it shows: the
// one figure both would say.
class TurnDice {
public:
    void thrown(const Dice& dice) { last_ = dice; }
    void scored() { last_.reset(); }
    const std::optional<Dice>& last() const { return last_; }

private:
    std::optional<Dice> last_;
};

} // namespace

QByteArray encodeRecord(const GameRecord& record)
{
    Writer out;
    TurnDice turn;
    const auto& events = record.events();
    for (std::size_t i = 1; i < events.size(); ++i) { // the start is the history's columns
        std::visit(
            [&](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, ThrowEvent>) {
                    const bool faces = allFaces(e.dice);
                    out.byte(head(faces ? kThrow : kThrowTexts, heldBits(e.held)));
                    out.number(e.throwNumber);
                    if (faces) {
                        unsigned packed = 0;
                        for (std::size_t die = 0; die < e.dice.size(); ++die)
                            packed |= static_cast<unsigned>(e.dice[die][0] - '1') << (3 * die);
                        out.byte(static_cast<std::uint8_t>(packed));
                        out.byte(static_cast<std::uint8_t>(packed >> 8));
                    } else {
                        out.texts(e.dice);
                    }
                    turn.thrown(e.dice);
                } else if constexpr (std::is_same_v<E, ScoreEvent>) {
                    const int box = number(e.box) - number(Button::Command2);
                    if (box < 0 || box >= 12)
                        return; // no box of the sheet: no game scores it
                    const bool implied = turn.last() == e.dice;
                    out.byte(head(kScore, static_cast<unsigned>(box) | (implied ? 0u : 0x10u)));
                    out.number(e.throwsMade);
                    out.text(e.score);
                    if (!implied)
                        out.texts(e.dice);
                    turn.scored();
                } else if constexpr (std::is_same_v<E, TypedEvent>) {
                    out.byte(head(kTyped, 0));
                    out.number(number(e.cell));
                    out.text(e.text);
                } else if constexpr (std::is_same_v<E, HintEvent>) {
                    out.byte(head(kHint, e.coachWindow ? 1 : 0));
                } else if constexpr (std::is_same_v<E, UndoEvent>) {
                    out.byte(head(kUndo, e.redo ? 1 : 0));
                }
                // A second start cannot be in a record: each game has one.
            },
            events[i]);
    }
    return out.take();
}

std::optional<GameRecord> decodeRecord(const QByteArray& bytes, const NewGameEvent& start, std::int64_t startedAt)
{
    Reader in(bytes);
    TurnDice turn;
    std::vector<GameEvent> events{start};
    while (!in.atEnd()) {
        const std::uint8_t first = *in.byte();
        const auto kind = static_cast<Kind>(first & ((1u << kKindBits) - 1));
        const unsigned payload = first >> kKindBits;
        switch (kind) {
        case kThrow:
        case kThrowTexts: {
            const auto throwNumber = in.number();
            if (!throwNumber)
                return std::nullopt;
            ThrowEvent thrown{.throwNumber = *throwNumber, .held = heldOf(static_cast<std::uint8_t>(payload))};
            if (kind == kThrow) {
                const auto low = in.byte();
                const auto high = in.byte();
                if (!low || !high)
                    return std::nullopt;
                const unsigned packed = *low | (static_cast<unsigned>(*high) << 8);
                for (std::size_t die = 0; die < 5; ++die) {
                    const unsigned face = (packed >> (3 * die)) & 7u;
                    if (face > 5)
                        return std::nullopt;
                    thrown.dice[die] = std::string(1, static_cast<char>('1' + face));
                }
                if (packed >> 15)
                    return std::nullopt;
            } else {
                auto dice = in.texts();
                if (!dice)
                    return std::nullopt;
                thrown.dice = std::move(*dice);
            }
            turn.thrown(thrown.dice);
            events.emplace_back(std::move(thrown));
            break;
        }
        case kScore: {
            const unsigned box = payload & 0x0f;
            const bool implied = !(payload & 0x10);
            const auto throwsMade = in.number();
            auto score = in.text();
            if (box >= 12 || !throwsMade || !score)
                return std::nullopt;
            ScoreEvent scored{.box = button(static_cast<int>(box) + 2), .throwsMade = *throwsMade, .score = std::move(*score)};
            if (implied) {
                if (!turn.last())
                    return std::nullopt;
                scored.dice = *turn.last();
            } else {
                auto dice = in.texts();
                if (!dice)
                    return std::nullopt;
                scored.dice = std::move(*dice);
            }
            turn.scored();
            events.emplace_back(std::move(scored));
            break;
        }
        case kTyped: {
            const auto cellNumber = in.number();
            auto text = in.text();
            if (payload || !cellNumber || *cellNumber < 1 || *cellNumber > kCellCount || !text)
                return std::nullopt;
            events.emplace_back(TypedEvent{cell(*cellNumber), std::move(*text)});
            break;
        }
        case kHint:
            if (payload > 1)
                return std::nullopt;
            events.emplace_back(HintEvent{.coachWindow = payload == 1});
            break;
        case kUndo:
            if (payload > 1)
                return std::nullopt;
            events.emplace_back(UndoEvent{.redo = payload == 1});
            break;
        default:
            return std::nullopt;
        }
    }
    return GameRecord(std::move(events), startedAt);
}

} // namespace daxo

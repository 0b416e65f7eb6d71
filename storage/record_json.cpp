#include "record_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace daxo {
namespace {

std::optional<Dice> diceFromJson(const QJsonValue& value)
{
    const QJsonArray array = value.toArray();
    if (array.size() != 5)
        return std::nullopt;
    Dice dice;
    for (qsizetype die = 0; die < 5; ++die) {
        if (!array[die].isString())
            return std::nullopt;
        dice[static_cast<std::size_t>(die)] = array[die].toString().toStdString();
    }
    return dice;
}

// A control's number from its name, such as 8 from "Command8", within range.
std::optional<int> numberOf(const QJsonValue& value, const QString& prefix, int last)
{
    const QString name = value.toString();
    bool whole = false;
    const int number = name.startsWith(prefix) ? name.mid(prefix.size()).toInt(&whole) : 0;
    return whole && number >= 1 && number <= last ? std::optional(number) : std::nullopt;
}

std::optional<GameEvent> eventFromJson(const QJsonObject& object)
{
    if (object.contains("game")) {
        bool whole = false;
        const std::uint64_t seed = object["seed"].toString().toULongLong(&whole);
        if (!whole || !object["game"].isDouble())
            return std::nullopt;
        return NewGameEvent{object["game"].toInt(), seed};
    }
    if (object.contains("throw")) {
        const QString held = object["held"].toString();
        const auto dice = diceFromJson(object["dice"]);
        if (held.size() != 5 || !dice || !object["throw"].isDouble())
            return std::nullopt;
        ThrowEvent thrown{.throwNumber = object["throw"].toInt(), .dice = *dice};
        for (int die = 0; die < 5; ++die)
            thrown.held[static_cast<std::size_t>(die)] = held[die] == '1';
        return thrown;
    }
    if (object.contains("score")) {
        const auto box = numberOf(object["score"], "Command", kButtonCount);
        const auto dice = diceFromJson(object["dice"]);
        if (!box || *box < 2 || !dice || !object["throws"].isDouble() || !object["text"].isString())
            return std::nullopt;
        return ScoreEvent{button(*box), *dice, object["throws"].toInt(), object["text"].toString().toStdString()};
    }
    if (object.contains("typed")) {
        const auto typed = numberOf(object["typed"], "Text", kCellCount);
        if (!typed || !object["text"].isString())
            return std::nullopt;
        return TypedEvent{cell(*typed), object["text"].toString().toStdString()};
    }
    if (object.contains("hint"))
        return HintEvent{.coachWindow = object["window"].toBool()};
    if (object.contains("undo") || object.contains("redo"))
        return UndoEvent{.redo = object.contains("redo")};
    return std::nullopt;
}

} // namespace

std::optional<GameRecord> recordFromJson(const QByteArray& json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    bool whole = false;
    const std::int64_t startedAt = object["startedAt"].toString().toLongLong(&whole);
    const QJsonArray array = object["events"].toArray();
    if (!whole || array.isEmpty())
        return std::nullopt;
    std::vector<GameEvent> events;
    for (const QJsonValue& value : array) {
        std::optional<GameEvent> event = eventFromJson(value.toObject());
        if (!event || (events.empty() != std::holds_alternative<NewGameEvent>(*event)))
            return std::nullopt; // a game starts once, with its start
        events.push_back(std::move(*event));
    }
    return GameRecord(std::move(events), startedAt);
}

} // namespace daxo

#pragma once

// Histories as the first schemas wrote them, for the tests of the
// migrations: a record as the JSON they kept, and files of each old version
// holding given games.

#include "storage/history.h"
#include "storage/record_codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace daxo::test {

inline QJsonArray diceToJson(const Dice& dice)
{
    QJsonArray array;
    for (const std::string& die : dice)
        array.append(QString::fromStdString(die));
    return array;
}

inline QJsonObject eventToJson(const GameEvent& event)
{
    return std::visit(
        [](const auto& e) -> QJsonObject {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, NewGameEvent>) {
                return {{"game", e.game}, {"seed", QString::number(e.seed)}};
            } else if constexpr (std::is_same_v<E, ThrowEvent>) {
                QString held;
                for (const bool h : e.held)
                    held += h ? '1' : '0';
                return {{"throw", e.throwNumber}, {"held", held}, {"dice", diceToJson(e.dice)}};
            } else if constexpr (std::is_same_v<E, ScoreEvent>) {
                return {{"score", QString::fromStdString(name(e.box))}, {"dice", diceToJson(e.dice)},
                        {"throws", e.throwsMade}, {"text", QString::fromStdString(e.score)}};
            } else if constexpr (std::is_same_v<E, TypedEvent>) {
                return {{"typed", QString::fromStdString(name(e.cell))}, {"text", QString::fromStdString(e.text)}};
            } else if constexpr (std::is_same_v<E, HintEvent>) {
                if (e.coachWindow)
                    return {{"hint", true}, {"window", true}};
                return {{"hint", true}};
            } else {
                return {{e.redo ? "redo" : "undo", true}};
            }
        },
        event);
}

inline QByteArray recordToJson(const GameRecord& record)
{
    QJsonArray events;
    for (const GameEvent& event : record.events())
        events.append(eventToJson(event));
    return QJsonDocument(QJsonObject{{"startedAt", QString::number(record.startedAt())}, {"events", events}})
        .toJson(QJsonDocument::Compact);
}

inline QVariant orNull(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

// A file of schema `version` (1 to 4) holding `games`, with their boxes,
// figures and names as that version kept them: the first three a record in
// JSON and its boxes in a table of their own, the fourth a compact record
// and its boxes in its row.
inline void writeOldHistory(const QString& path, int version, const std::vector<StoredGame>& games)
{
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (int step = 0; step < version; ++step) {
            const History::Step& steps = History::schemaSteps()[static_cast<std::size_t>(step)];
            for (const char* statement : steps.statements)
                ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
            if (steps.convert) {
                ASSERT_FALSE(steps.convert(old).isValid());
            }
        }
        ASSERT_TRUE(query.exec(QString("PRAGMA user_version = %1").arg(version)));
        QStringList columns{"started", "seed", "number", "stored", "score", "bonus", "finished", "assisted", "cheated",
                            "record"};
        if (version > 1)
            columns << "total_loss" << "mean_loss" << "player";
        for (int box = 1; box <= (version == 4 ? 12 : 0); ++box)
            columns << QString("b%1").arg(box);
        for (const StoredGame& game : games) {
            query.prepare(QString("INSERT INTO games (%1) VALUES (?%2)")
                              .arg(columns.join(", "), QString(", ?").repeated(columns.size() - 1)));
            const auto seed = static_cast<qint64>(game.record.start().seed);
            for (const QVariant& value : {QVariant(static_cast<qint64>(game.record.startedAt())),
                                          version == 4 ? QVariant(seed) : QVariant(QString::number(game.record.start().seed)),
                                          QVariant(game.record.start().game), QVariant(0), QVariant(game.summary.total),
                                          QVariant(game.summary.bonus), QVariant(game.summary.finished()),
                                          QVariant(game.assisted), QVariant(game.cheated),
                                          version == 4 ? QVariant(encodeRecord(game.record))
                                                       : QVariant(QString::fromUtf8(recordToJson(game.record)))})
                query.addBindValue(value);
            if (version > 1) {
                query.addBindValue(orNull(game.totalLoss));
                query.addBindValue(orNull(game.meanLoss));
                query.addBindValue(game.player.isNull() ? QString("") : game.player);
            }
            for (const std::optional<int>& box : game.summary.boxes) {
                if (version == 4)
                    query.addBindValue(box ? QVariant(*box) : QVariant(QMetaType::fromType<int>()));
            }
            ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
            const qint64 id = query.lastInsertId().toLongLong();
            for (std::size_t box = 0; box < (version < 4 ? game.summary.boxes.size() : 0); ++box) {
                if (!game.summary.boxes[box])
                    continue;
                query.prepare("INSERT INTO boxes (game, box, score) VALUES (?, ?, ?)");
                query.addBindValue(id);
                query.addBindValue(static_cast<int>(box));
                query.addBindValue(*game.summary.boxes[box]);
                ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
            }
        }
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
}

} // namespace daxo::test

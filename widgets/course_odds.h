#pragma once

#include <QObject>
#include <QStringList>
#include <string>

namespace daxo {
namespace solver {
struct TableCourse;
} // namespace solver

// The course of a table's game for its analysis: every player's chance of
// winning after each turn, worked out off the board's thread; the windows
// hear of it on their own.
class CourseOdds : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The course of the game last asked for, once worked out; else nullptr,
    // and alone at the board.
    virtual const solver::TableCourse* course() const = 0;
    // Its players' names in this language, in the seats' order.
    virtual QStringList players(const std::string& languageCode) const = 0;
    virtual bool working() const = 0;

Q_SIGNALS:
    void ready();
};

} // namespace daxo

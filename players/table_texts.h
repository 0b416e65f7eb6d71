#pragma once

#include "table/seat.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace daxo {

enum class Pace;
struct Level;

// The words of the table's windows and of the board at a table, in the
// language the windows speak (the catalogue in use). Their fixed captions
// are rows of the caption table. French keeps a no-break space before ":",
// ";", "!", "?" and "%".
class TableTexts {
    Q_DECLARE_TR_FUNCTIONS(TableTexts)
public:
    explicit TableTexts(const std::string& languageCode) : code_(languageCode) {}
    bool english() const;
    const std::string& languageCode() const { return code_; }

    // "régulier", "regular"
    QString levelName(const Level& level) const;
    // "Régulier — environ 185 points par partie"
    QString levelChoice(const Level& level) const;
    QString paceName(Pace pace) const;
    QString human() const;
    QString computer() const;
    // Each seat as the table shows it: a human by name ("Joueur 2" when
    // unnamed), a computer by its level, numbered when two share one.
    QStringList seatNames(const Seats& seats) const;
    // "Joueur 2", the name a new human row is offered without one given.
    QString playerNumber(int row) const;
    // The players window's controls of a row, for screen readers.
    QString kindOf(int row) const;  // "Joueur 2 : humain ou ordinateur"
    QString nameOf(int row) const;  // "Nom du joueur 2"
    QString levelOf(int row) const; // "Niveau du joueur 2"

    QString boardTitle(const QString& player) const; // "Daxo — Marie joue"
    QString leaveGame() const;                      // asked before a new table replaces a game
    QString playersTitle() const;

    // What a screen reader hears of a computer's turn.
    QString turnOf(const QString& player) const;
    QString threw(const QString& player, const std::array<int, 5>& faces) const;
    QString kept(const QString& player, const std::array<int, 5>& faces, const std::array<bool, 5>& held) const;
    QString scored(const QString& player, const QString& box, int points) const;
    // A computer's whole turn in one sentence, for a turn played out at
    // once: the dice it kept after each throw, then its box and points.
    QString turnSummary(const QString& player, const std::vector<std::vector<int>>& keptAfterEachThrow,
                        const QString& box, int points) const;

    // The end: the winners, sharing the first place, and their total.
    QString winners(const QStringList& players, int total) const;
    QString place(int place) const; // "1er", "2nd"
    QStringList rankingHeaders() const;

    // The scoreboard's rows other than the boxes, and its title line.
    QString subtotal() const;
    QString bonus() const;
    QString total() const;
    QString expectedFinal() const;
    QString expectedTip() const;
    QString chanceOfWinning() const;
    QString chanceTip() const;
    QString share(double share) const;   // in per cent: "51,3"
    QString percent(double share) const; // "51,3 %"
    QString chanceSaid(const QString& player, double win, double shared) const;
    QString inPlay(const QString& player, int game) const; // "Partie n°3 — Marie joue"
    QString over(int game) const;
    QString points(double value) const; // "212,4"
    QString working() const;
    QString printFailed() const;

private:
    QString joined(const QStringList& parts) const; // "3, 3 et 6"
    QString pointCount(int points) const;           // "0 point", "2 points"
    std::string code_;
};

} // namespace daxo

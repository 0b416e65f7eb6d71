#pragma once

#include "end_of_game.h"
#include "coach/analysis_window.h"
#include "scores/history_keeper.h"
#include "game/game.h"
#include "table/computer_answers.h"
#include "i18n/catalogues.h"
#include "players/pace.h"
#include "table/seat.h"
#include "widgets/single_instance.h"
#include "widgets/window_ports.h"

#include <QLocale>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <string_view>

class QWidget;

namespace daxo {

class AboutWindow;
class AnalysisOffer;
class AnalysisWindow;
class Coach;
class CoachGuide;
class ChancesSource;
class CourseSource;
class CoachWindow;
class ComputerTurns;
class Table;
class HighScoresWindow;
class HistoryKeeper;
class NewHighScoreWindow;
class PerfectPlaySource;
class LanguageWindow;
class MainWindow;
class PicturesWindow;
class PlayersWindow;
class RankingWindow;
class ScoreboardWindow;
class Seating;
class TurnTitle;
class PlayerMessages;
class Preferences;
class PrinterPort;
class PrintSheets;
class PrintWindow;
class RulesWindow;
class StatisticsWindow;
class StrategySource;
class WaitingWindow;

// The game and every window of the program, each window a single instance
// for the run, created the first time it is needed; and the links between
// the windows, which no window folder makes itself. The secondary windows
// belong to the board and go with it; the game outlives them all.
class Windows final : public WindowDirectory,
                      public LanguageSwitch,
                      public PictureSets,
                      public Coaching,
                      private GameListener {
public:
    // What it is given must outlive it. `desktopLanguages`, as
    // QLocale::uiLanguages() gives them, choose the language of a first start.
    Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers, StrategySource& strategies,
            QStringList desktopLanguages = QLocale::system().uiLanguages());
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Game& game() { return game_; }

    MainWindow& main();         // `Daxo`, the board
    AboutWindow& about();       // `Apropos`
    RulesWindow& rules();       // `Règle`
    PicturesWindow& pictures(); // `Pictures`
    PrintWindow& print();       // `Printer1`
    LanguageWindow& language(); // `Langue`
    PrintSheets& sheets();      // `printPoints`, `PrintRegle`, `PrintVosPoints`, never shown
    Coach& coach();
    CoachWindow& coachWindow(); // `Entraîneur`
    AnalysisWindow& analysis(); // `Analyse`
    WaitingWindow& waiting();   // `Calcul`
    AnalysisOffer& offer();     // `Fin`
    CoachGuide& guide();        // `Guide`
    HistoryKeeper& keeper();
    HighScoresWindow& highScores(); // `Meilleurs`
    NewHighScoreWindow& newHighScore(); // `Bravo`
    StatisticsWindow& statistics(); // `Statistiques`
    PlayersWindow& players();       // `Joueurs`
    ScoreboardWindow& scoreboard(); // `Marque`
    RankingWindow& ranking();       // `Classement`
    Seating& seating() { return *seating_; }
    ComputerTurns& computerTurns();
    Preferences& preferences() { return *preferences_; }

    // Shows the analysis of the game the coach window is of, or of the
    // game `finished` last: at a table, of each of its humans.
    void showAnalysis(bool finished);
    // Brings back the coach window as the last run left it.
    void restoreCoachWindow();
    // The program ends: the game in play goes to the history, and the coach
    // window's place to the preferences.
    void keepForNextRun();
    // Seats the players the last run left at the table.
    void restoreTable();

    // The window if it exists now, or nullptr.
    AboutWindow* findAbout() const;
    RulesWindow* findRules() const;
    PicturesWindow* findPictures() const;
    PrintWindow* findPrint() const;
    LanguageWindow* findLanguage() const;
    CoachWindow* findCoachWindow() const;
    AnalysisWindow* findAnalysis() const;

    // WindowDirectory
    QWidget& window(std::string_view name) override;
    QWidget* existingWindow(std::string_view name) override;
    // Coaching
    void askForHint() override;
    // LanguageSwitch
    void applyLanguage() override;
    void applyLanguageOf(const std::string& code) override;
    void applyDesktopLanguage() override;
    // PictureSets
    void applyPictureSet(int set) override;

private:
    // Gives a window created anew the captions of the language in use.
    template <typename Window>
    Window* inActiveLanguage(Window* window, std::string_view name);

    // The language changed: every window of the additions writes its texts
    // again, after the caption table wrote its captions.
    void captionChanged(Label label, const std::string& caption) override;

    void gameFinished(const GameRecord& finished) override;
    // The steps after the end of a game; each shows its window.
    QWidget* announceHighScore();
    QWidget* offerAnalysis();
    void hintWaiting(bool waiting);
    // The table of players changed, or its game ended.
    void tableChanged(Table* table);
    void tableEnded(const std::vector<int>& places);
    void playersChosen(const Seats& seats, Pace pace);

    PlayerMessages& messages_;
    // The game's questions, answered for a computer in play.
    ComputerAnswers answers_;
    PrinterPort& printers_;
    StrategySource& strategies_;
    std::unique_ptr<Preferences> preferences_;
    bool ending_ = false; // the board is closing, and every window with it
    Game game_;
    Catalogues catalogues_{game_};
    QStringList desktopLanguages_;
    std::unique_ptr<Seating> seating_;
    std::unique_ptr<ChancesSource> chances_; // the table's, for the scoreboard and the coach
    std::unique_ptr<CourseSource> course_;   // of a table's game, for its analysis
    std::unique_ptr<Coach> coach_; // outlives the windows that show it
    std::unique_ptr<HistoryKeeper> keeper_;
    std::unique_ptr<PerfectPlaySource> perfectPlay_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<PrintSheets> sheets_;
    SingleInstance<AboutWindow> about_;
    SingleInstance<RulesWindow> rules_;
    SingleInstance<PicturesWindow> pictures_;
    SingleInstance<PrintWindow> print_;
    SingleInstance<LanguageWindow> language_;
    SingleInstance<CoachWindow> coachWindow_;
    SingleInstance<AnalysisWindow> analysis_;
    SingleInstance<WaitingWindow> waiting_;
    SingleInstance<AnalysisOffer> offer_;
    SingleInstance<CoachGuide> guide_;
    SingleInstance<HighScoresWindow> highScores_;
    SingleInstance<NewHighScoreWindow> newHighScore_;
    // The sheets of the last finished game that entered the high scores,
    // their names still to take.
    std::deque<HistoryKeeper::HighScoreNews> highScoreNews_;
    // The humans' games of the table's last finished game, for its analysis.
    std::vector<AnalysisWindow::PlayersGame> finishedHumans_;
    std::vector<GameRecord> finishedTable_; // every seat's, of the table's last game over
    EndOfGame endOfGame_;
    SingleInstance<StatisticsWindow> statistics_;
    SingleInstance<PlayersWindow> players_;
    SingleInstance<ScoreboardWindow> scoreboard_;
    SingleInstance<RankingWindow> ranking_;
    // With the board: the computers' turns on it, and its title at a table.
    std::unique_ptr<ComputerTurns> turns_;
    std::unique_ptr<TurnTitle> turnTitle_;
};

} // namespace daxo

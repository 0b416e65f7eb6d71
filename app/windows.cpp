#include "windows.h"

#include "coach/analysis_offer.h"
#include "coach/analysis_window.h"
#include "coach/coach_guide.h"
#include "coach/coach.h"
#include "coach/coach_window.h"
#include "coach/waiting_window.h"
#include "i18n/captions.h"
#include "i18n/language_window.h"
#include "players/chances_source.h"
#include "players/computer_turns.h"
#include "players/course_source.h"
#include "players/players_window.h"
#include "players/ranking_window.h"
#include "players/remembered_table.h"
#include "players/scoreboard_window.h"
#include "players/seating.h"
#include "players/table_texts.h"
#include "players/turn_title.h"
#include "print/print_window.h"
#include "print/sheets.h"
#include "scores/high_scores_window.h"
#include "scores/history_keeper.h"
#include "scores/new_high_score_window.h"
#include "scores/perfect_play_source.h"
#include "scores/scores_texts.h"
#include "scores/statistics_window.h"
#include "settings/pictures_window.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/rules_window.h"
#include "storage/preferences.h"
#include "widgets/box_names.h"
#include "widgets/languages.h"
#include "widgets/player_messages.h"
#include "widgets/secondary_window.h"

#include <optional>

namespace daxo {

Windows::Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers, StrategySource& strategies,
                 QStringList desktopLanguages)
    : messages_(messages)
    , answers_(messages)
    , printers_(printers)
    , strategies_(strategies)
    , preferences_(std::make_unique<Preferences>())
    , game_(dice, answers_)
    , desktopLanguages_(std::move(desktopLanguages))
    , seating_(std::make_unique<Seating>(game_, messages))
    , chances_(std::make_unique<ChancesSource>(game_, *seating_, strategies_, nullptr))
    , course_(std::make_unique<CourseSource>(strategies_, nullptr))
    , about_([this] { return new AboutWindow(main(), game_, main()); })
    , rules_([this] { return new RulesWindow(main(), *this); })
    , pictures_([this] { return inActiveLanguage(new PicturesWindow(main(), game_, main()), "Pictures"); })
    , print_([this] {
        return inActiveLanguage(new PrintWindow(main(), game_, sheets(), printers_, messages_), "Printer1");
    })
    , language_([this] { return new LanguageWindow(main(), game_, *this, catalogues_); })
    , coachWindow_([this] {
        auto* window = inActiveLanguage(new CoachWindow(main(), coach()), "Entraîneur");
        QObject::connect(window, &CoachWindow::analysisWanted, window, [this] { showAnalysis(false); });
        return window;
    })
    , analysis_([this] { return inActiveLanguage(new AnalysisWindow(main(), coach(), *course_, printers_, messages_), "Analyse"); })
    , waiting_([this] { return inActiveLanguage(new WaitingWindow(main(), coach()), "Calcul"); })
    , offer_([this] {
        auto* window = inActiveLanguage(new AnalysisOffer(main()), "Fin");
        QObject::connect(window, &AnalysisOffer::accepted, window, [this] { showAnalysis(true); });
        return window;
    })
    , guide_([this] {
        return inActiveLanguage(new CoachGuide(main()), "Guide");
    })
    , highScores_([this] { return inActiveLanguage(new HighScoresWindow(main(), game_, keeper().history()), "Meilleurs"); })
    , newHighScore_([this] {
        auto* window = inActiveLanguage(new NewHighScoreWindow(main(), game_), "Bravo");
        QObject::connect(window, &NewHighScoreWindow::named, window, [this](qint64 game, const QString& player) {
            if (!seating_->table()) // a table's humans have names of their own
                preferences_->setPlayerName(player);
            keeper().name(game, player);
        });
        return window;
    })
    , endOfGame_({.name = [this] { return announceHighScore(); }, .offer = [this] { return offerAnalysis(); }})
    , statistics_([this] {
        if (!perfectPlay_)
            perfectPlay_ = std::make_unique<PerfectPlaySource>(strategies_);
        return inActiveLanguage(new StatisticsWindow(main(), game_, keeper().history(), *perfectPlay_), "Statistiques");
    })
    , players_([this] {
        auto* window = inActiveLanguage(new PlayersWindow(main(), game_, *preferences_), "Joueurs");
        QObject::connect(window, &PlayersWindow::played, window,
                         [this](const Seats& seats, Pace pace) { playersChosen(seats, pace); });
        return window;
    })
    , scoreboard_([this] {
        auto* window =
            inActiveLanguage(new ScoreboardWindow(main(), game_, *seating_, strategies_, *chances_, printers_, messages_), "Marque");
        // Closed at a table, it stays closed at the next one; not when the
        // program ends, which closes every window.
        QObject::connect(window, &QDialog::finished, window, [this] {
            if (seating_->table() && !ending_)
                preferences_->setScoreboardAtTable(false);
        });
        return window;
    })
    , ranking_([this] { return inActiveLanguage(new RankingWindow(main(), game_), "Classement"); })
{
    game_.addListener(*this);
    answers_.setComputerInPlay([this] { return seating_->computerInPlay(); });
    QObject::connect(seating_.get(), &Seating::tableChanged, seating_.get(), [this](Table* table) { tableChanged(table); });
    QObject::connect(seating_.get(), &Seating::ended, seating_.get(),
                     [this](const std::vector<int>& places) { tableEnded(places); });
}

Windows::~Windows() { game_.removeListener(*this); }

void Windows::captionChanged(Label label, const std::string&)
{
    if (label != Label::Label20 || !main_)
        return;
    for (SecondaryWindow* window : main_->findChildren<SecondaryWindow*>(Qt::FindDirectChildrenOnly))
        window->retranslate();
}

MainWindow& Windows::main()
{
    if (!main_) {
        main_ = std::make_unique<MainWindow>(game_, messages_, BoardLinks{*this, *this, *this, printers_, *this});
        coach();  // they follow the game from its start: the coach to offer its
        keeper(); // analysis at the end, the keeper to keep it in the history
        turns_ = std::make_unique<ComputerTurns>(game_, *seating_, strategies_, *main_);
        turns_->setPace(rememberedPace(*preferences_));
        QObject::connect(turns_.get(), &ComputerTurns::boardLocked, main_.get(),
                         [this](bool locked) { main_->setTakesInput(!locked); });
        turnTitle_ = std::make_unique<TurnTitle>(game_, *seating_, *main_);
        QObject::connect(main_.get(), &MainWindow::ending, main_.get(), [this] {
            ending_ = true;
            keepForNextRun();
        });
        main_->Form_Load(); // known by now to the windows its load step creates
    }
    return *main_;
}

AboutWindow& Windows::about() { return about_.get(); }

RulesWindow& Windows::rules() { return rules_.get(); }

PicturesWindow& Windows::pictures() { return pictures_.get(); }

PrintWindow& Windows::print() { return print_.get(); }

LanguageWindow& Windows::language() { return language_.get(); }

PrintSheets& Windows::sheets()
{
    if (!sheets_)
        sheets_ = std::make_unique<PrintSheets>(main(), game_);
    return *sheets_;
}

Coach& Windows::coach()
{
    if (!coach_) {
        coach_ = std::make_unique<Coach>(game_, strategies_, main());
        coach_->setServing([this] { return !seating_->computerInPlay(); });
        coach_->setOdds(*chances_);
        QObject::connect(seating_.get(), &Seating::passed, coach_.get(), [this] { coach_->boardPassed(); });
        QObject::connect(coach_.get(), &Coach::hintWaitingChanged, coach_.get(), [this](bool on) { hintWaiting(on); });
    }
    return *coach_;
}

CoachWindow& Windows::coachWindow() { return coachWindow_.get(); }

AnalysisWindow& Windows::analysis() { return analysis_.get(); }

WaitingWindow& Windows::waiting() { return waiting_.get(); }

AnalysisOffer& Windows::offer() { return offer_.get(); }

CoachGuide& Windows::guide() { return guide_.get(); }

HistoryKeeper& Windows::keeper()
{
    if (!keeper_) {
        keeper_ = std::make_unique<HistoryKeeper>(game_, messages_, strategies_);
        QObject::connect(keeper_.get(), &HistoryKeeper::finishedGameRanked, keeper_.get(),
                         [this](const std::vector<HistoryKeeper::HighScoreNews>& news) {
                             highScoreNews_.clear();
                             for (const HistoryKeeper::HighScoreNews& line : news) {
                                 if (line.rank > 0)
                                     highScoreNews_.push_back(line);
                             }
                             endOfGame_.ranked(!highScoreNews_.empty());
                         });
    }
    return *keeper_;
}

HighScoresWindow& Windows::highScores() { return highScores_.get(); }

NewHighScoreWindow& Windows::newHighScore() { return newHighScore_.get(); }

StatisticsWindow& Windows::statistics() { return statistics_.get(); }

PlayersWindow& Windows::players() { return players_.get(); }

ScoreboardWindow& Windows::scoreboard() { return scoreboard_.get(); }

RankingWindow& Windows::ranking() { return ranking_.get(); }

ComputerTurns& Windows::computerTurns()
{
    main();
    return *turns_;
}

void Windows::restoreTable()
{
    seating_->seat(rememberedSeats(*preferences_), game_.languageCode());
}

// The history keeps every seat of a table, each with its place; and the
// scoreboard opens, as every player at a table needs to see every other's
// sheet.
void Windows::tableChanged(Table* table)
{
    keeper().setTable(table);
    finishedTable_.clear();
    if (table && preferences_->scoreboardAtTable())
        showNotModal(scoreboard());
}

// Before the game's own question, which the board's window asks next.
void Windows::tableEnded(const std::vector<int>& places)
{
    const Table* table = seating_->table();
    std::vector<int> totals;
    const QStringList names = TableTexts(game_.languageCode()).seatNames(seating_->seats());
    finishedHumans_.clear();
    finishedTable_.clear();
    for (int seat = 0; seat < static_cast<int>(places.size()); ++seat) {
        totals.push_back(summarize(table->recordOf(seat)).total);
        finishedTable_.push_back(table->recordOf(seat));
        if (seating_->seats()[static_cast<std::size_t>(seat)].human())
            finishedHumans_.push_back({names[seat], table->recordOf(seat)});
    }
    RankingWindow& window = ranking();
    window.showRanking(seating_->seats(), totals, places);
    showNotModal(window);
}

// A new pace holds at once; new players sit down for a new game.
void Windows::playersChosen(const Seats& seats, Pace pace)
{
    computerTurns().setPace(pace);
    rememberPace(*preferences_, pace);
    if (seats == seating_->seats() || seating_->seat(seats, game_.languageCode()))
        rememberSeats(*preferences_, seats);
}

// After the game's own end-of-game question, as the keeper hears of the
// finished game only then.
QWidget* Windows::announceHighScore()
{
    if (highScoreNews_.empty())
        return nullptr;
    const HistoryKeeper::HighScoreNews news = highScoreNews_.front();
    highScoreNews_.pop_front();
    NewHighScoreWindow& window = newHighScore();
    window.offer(news.id, news.rank, news.score, news.player.isEmpty() ? preferences_->playerName() : news.player);
    showNotModal(window);
    return &window;
}

void Windows::askForHint() { coach().askForHint(); }

// At a table, each human's own game is a choice away: the one whose turn
// it is, or the first.
void Windows::showAnalysis(bool finished)
{
    const Table* table = seating_->table();
    const QStringList names = TableTexts(game_.languageCode()).seatNames(seating_->seats());
    std::vector<AnalysisWindow::PlayersGame> games;
    std::vector<GameRecord> tableGame = table ? finishedTable_ : std::vector<GameRecord>{};
    int shown = 0;
    if (table && !finished && summarize(game_.record()).begun) {
        tableGame.clear();
        for (int seat = 0; seat < static_cast<int>(seating_->seats().size()); ++seat) {
            tableGame.push_back(table->recordOf(seat));
            if (!seating_->seats()[static_cast<std::size_t>(seat)].human())
                continue;
            if (seat == table->seatInPlay())
                shown = static_cast<int>(games.size());
            games.push_back({names[seat], table->recordOf(seat)});
        }
    } else if (table && finishedHumans_.size() > 1) {
        games = finishedHumans_;
    } else if (finished && !coach().finishedGame()) {
        return;
    } else {
        games.push_back({QString(), finished ? *coach().finishedGame() : coach().gameToAnalyse()});
    }
    // The table's own course, of the game the analysis is of.
    course_->ask(seating_->seats(), std::move(tableGame));
    analysis().analyse(std::move(games), shown);
    showNotModal(analysis());
}

// Offered, not forced, and not twice: the coach window, when open, says
// the game is over beside its own analysis button.
void Windows::gameFinished(const GameRecord& finished)
{
    const CoachWindow* open = findCoachWindow();
    endOfGame_.finished(!finished.touchedByCheat() && !(open && open->isVisible()));
}

QWidget* Windows::offerAnalysis()
{
    showNotModal(offer());
    return &offer();
}

// The coach window shows the progress itself when it is open.
void Windows::hintWaiting(bool waiting)
{
    if (!waiting) {
        if (WaitingWindow* open = waiting_.find())
            open->hide();
    } else if (const CoachWindow* open = findCoachWindow(); !open || !open->isVisible()) {
        showNotModal(this->waiting());
    }
}

void Windows::restoreCoachWindow()
{
    if (!preferences_->coachOpen())
        return;
    CoachWindow& window = coachWindow();
    window.restorePlace(preferences_->coachGeometry());
    showNotModal(window);
}

void Windows::keepForNextRun()
{
    keeper().keepGameInPlay();
    const CoachWindow* window = findCoachWindow();
    preferences_->setCoach(window && window->isVisible(), window ? window->savePlace() : QByteArray());
}

QWidget* Windows::existingWindow(std::string_view name)
{
    if (name == "Daxo")
        return main_.get();
    if (name == "Pictures")
        return pictures_.find();
    if (name == "Printer1")
        return print_.find();
    if (name == "Langue")
        return language_.find();
    if (name == "Règle")
        return rules_.find();
    if (name == "Apropos")
        return about_.find();
    if (name == "Entraîneur")
        return coachWindow_.find();
    if (name == "Analyse")
        return analysis_.find();
    if (name == "Calcul")
        return waiting_.find();
    if (name == "Fin")
        return offer_.find();
    if (name == "Guide")
        return guide_.find();
    if (name == "Meilleurs")
        return highScores_.find();
    if (name == "Bravo")
        return newHighScore_.find();
    if (name == "Statistiques")
        return statistics_.find();
    if (name == "Joueurs")
        return players_.find();
    if (name == "Marque")
        return scoreboard_.find();
    if (name == "Classement")
        return ranking_.find();
    return nullptr;
}

QWidget& Windows::window(std::string_view name)
{
    if (name == "Pictures")
        return pictures();
    if (name == "Printer1")
        return print();
    if (name == "Langue")
        return language();
    if (name == "Règle")
        return rules();
    if (name == "Apropos")
        return about();
    if (name == "Entraîneur")
        return coachWindow();
    if (name == "Analyse")
        return analysis();
    if (name == "Calcul")
        return waiting();
    if (name == "Fin")
        return offer();
    if (name == "Guide")
        return guide();
    if (name == "Meilleurs")
        return highScores();
    if (name == "Bravo")
        return newHighScore();
    if (name == "Statistiques")
        return statistics();
    if (name == "Joueurs") {
        PlayersWindow& window = players();
        if (!window.isVisible())
            window.showTable(seating_->seats(), computerTurns().pace());
        return window;
    }
    if (name == "Marque") {
        if (seating_->table())
            preferences_->setScoreboardAtTable(true);
        return scoreboard();
    }
    if (name == "Classement")
        return ranking();
    return main();
}

void Windows::applyLanguage() { language().Option1_Click(); }

void Windows::applyLanguageOf(const std::string& code)
{
    LanguageWindow& window = language();
    window.selectOptionOf(code);
    window.Option1_Click();
}

void Windows::applyDesktopLanguage()
{
    const std::string code = desktopLanguageCode(desktopLanguages_);
    // The board is laid out in French: on a French desktop its captions
    // stand as they are, and its messages follow them.
    if (code == "F")
        game_.setCaption(Label::Label20, code);
    else
        language().applyWithoutSaving(code);
}

void Windows::applyPictureSet(int set)
{
    switch (set) {
    case 1: return pictures().Picture11_Click();
    case 2: return pictures().Picture21_Click();
    case 3: return pictures().Picture31_Click();
    case 4: return pictures().Picture41_Click();
    case 5: return pictures().Picture51_Click();
    }
}

// Windows that their close button destroys and that write no captions of
// their own when created; without this they would come back in French.
template <typename Window>
Window* Windows::inActiveLanguage(Window* window, std::string_view name)
{
    if (const SpokenLanguage* language = languageOfCode(game_.languageCode()))
        writeWindowCaptions(*window, name, *language);
    window->retranslate(); // what it writes from its captions, its title among them
    return window;
}

AboutWindow* Windows::findAbout() const { return about_.find(); }

RulesWindow* Windows::findRules() const { return rules_.find(); }

PicturesWindow* Windows::findPictures() const { return pictures_.find(); }

PrintWindow* Windows::findPrint() const { return print_.find(); }

LanguageWindow* Windows::findLanguage() const { return language_.find(); }

CoachWindow* Windows::findCoachWindow() const { return coachWindow_.find(); }

AnalysisWindow* Windows::findAnalysis() const { return analysis_.find(); }

} // namespace daxo

#include "analysis_window.h"

#include "analysis_sheet.h"
#include "coach.h"
#include "chances_chart.h"
#include "coach_texts.h"
#include "expected_score_chart.h"
#include "widgets/chart_views.h"
#include "widgets/course_odds.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"
#include "widgets/sheet_printing.h"
#include "widgets/strategy_source.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace daxo {
namespace {

constexpr int kChartHeight = 250;

} // namespace

AnalysisWindow::AnalysisWindow(QWidget& board, Coach& coach, CourseOdds& course, PrinterPort& printers,
                               PlayerMessages& messages)
    : SecondaryWindow(board, "Analyse", QSize(720, 600), QSize(560, 420), Keyboard::Leaves)
    , coach_(coach)
    , course_(course)
    , printers_(printers)
    , messages_(messages)
{
    setWindowTitle("Analyse de la partie");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);

    auto* whoseRow = new QHBoxLayout;
    whose_ = new QLabel;
    whose_->setObjectName("Label1");
    player_ = new QComboBox;
    player_->setObjectName("Joueur");
    whose_->setBuddy(player_);
    whoseRow->addWidget(whose_);
    whoseRow->addWidget(player_);
    whoseRow->addStretch();
    layout->addLayout(whoseRow);
    connect(player_, &QComboBox::currentIndexChanged, this, [this] { render(); });

    summary_ = new QLabel;
    summary_->setObjectName("Resume");
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    layout->addWidget(summary_);
    progress_ = new QProgressBar;
    progress_->setObjectName("Progression");
    progress_->setRange(0, 100);
    layout->addWidget(progress_);

    decisions_ = newFigureTable("Decisions", 6);
    layout->addWidget(decisions_, 1);

    // A table's chances a choice away from the player's own chart: stacked
    // or side by side, the two would not fit a small screen legibly.
    auto* chartRow = new QHBoxLayout;
    chartLabel_ = new QLabel;
    chartLabel_->setObjectName("Label2");
    chartShown_ = new QComboBox;
    chartShown_->setObjectName("Courbe");
    chartShown_->addItems({QString(), QString()});
    chartLabel_->setBuddy(chartShown_);
    chartRow->addWidget(chartLabel_);
    chartRow->addWidget(chartShown_);
    chartRow->addStretch();
    layout->addLayout(chartRow);
    charts_ = new QStackedWidget;
    charts_->setObjectName("Graphiques");
    chart_ = newChartView("Graphique", kChartHeight);
    charts_->addWidget(chart_);
    chances_ = newChartView("Victoires", kChartHeight);
    charts_->addWidget(chances_);
    layout->addWidget(charts_, 1);
    connect(chartShown_, &QComboBox::currentIndexChanged, charts_, &QStackedWidget::setCurrentIndex);
    won_ = new QLabel;
    won_->setObjectName("Tournant");
    won_->setWordWrap(true);
    won_->setTextFormat(Qt::PlainText);
    layout->addWidget(won_);

    auto* print = new QPushButton("&Imprimer");
    print->setObjectName("Imprimer");
    connect(print, &QPushButton::clicked, this, &AnalysisWindow::print);
    addButtonRow(*layout, {print});
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, &AnalysisWindow::print);

    // The table coming, the course of a table's game, and the language
    // changing, redraw it.
    auto renderShown = [this] {
        if (isVisible())
            render();
    };
    connect(&coach_, &Coach::changed, this, renderShown);
    connect(&course_, &CourseOdds::ready, this, renderShown);
}

void AnalysisWindow::retranslate() { render(); }

void AnalysisWindow::analyse(GameRecord record) { analyse({{QString(), std::move(record)}}, 0); }

void AnalysisWindow::analyse(std::vector<PlayersGame> games, int shown)
{
    games_ = std::move(games);
    {
        const QSignalBlocker quiet(player_);
        player_->clear();
        if (games_.size() > 1) {
            for (const PlayersGame& game : games_)
                player_->addItem(game.player);
        }
        player_->setCurrentIndex(shown);
    }
    whose_->setVisible(games_.size() > 1);
    player_->setVisible(games_.size() > 1);
    coach_.wakeUp();
    render();
}

const GameRecord* AnalysisWindow::record() const
{
    const int shown = std::max(0, player_->currentIndex());
    return shown >= 0 && shown < static_cast<int>(games_.size()) ? &games_[static_cast<std::size_t>(shown)].record
                                                                 : nullptr;
}

std::optional<solver::Judgement> AnalysisWindow::judgement() const
{
    const solver::Strategy* strategy = coach_.source().strategy();
    if (!record() || !strategy)
        return std::nullopt;
    return solver::judge(*record(), *strategy);
}

void AnalysisWindow::render()
{
    const CoachTexts texts(coach_.languageCode());
    whose_->setText(texts.whoseGame());
    const std::optional<solver::Judgement> judged = judgement();
    const bool cheated = record() && record()->touchedByCheat();
    const bool begun = record() && summarize(*record()).begun;
    progress_->setVisible(!judged && !cheated && begun);
    progress_->setValue(static_cast<int>(coach_.source().progress() * 100));
    progress_->setFormat(CoachTexts(coach_.languageCode()).percentFormat());
    const QStringList headers = texts.decisionHeaders();
    decisions_->setHorizontalHeaderLabels(headers);
    decisions_->horizontalHeaderItem(5)->setToolTip(texts.aboutLoss());
    decisions_->setAccessibleName(windowTitle());
    summary_->setToolTip(texts.aboutSummary());
    summary_->setAccessibleDescription(texts.aboutSummary());
    const bool shown = judged && judged->judged && begun;
    decisions_->setVisible(shown);
    charts_->setVisible(shown);
    chartLabel_->setText(texts.chartShown());
    chartShown_->setItemText(0, texts.chartTitle());
    chartShown_->setItemText(1, texts.chancesChartTitle());
    renderCourse(texts);
    if (!shown) {
        summary_->setText(cheated   ? texts.cannotJudge()
                          : !begun ? texts.nothingToAnalyse()
                                   : texts.working(coach_.source().progress()));
        return;
    }

    summary_->setText(texts.summary(*judged));
    QStringList numbers;
    std::vector<QStringList> rows;
    for (const solver::JudgedDecision& decision : judged->decisions) {
        numbers << QString::number(rows.size() + 1);
        rows.push_back({QString::number(decision.before.turn), texts.throwNumber(decision.before.throwsMade),
                        texts.diceShown(decision.before.dice), texts.action(decision.chosen),
                        texts.action(decision.best), texts.points(decision.chosen.loss)});
    }
    setRows(*decisions_, numbers, rows, {0, 1, 5});
    for (int row = 0; row < static_cast<int>(judged->decisions.size()); ++row) {
        const bool costly = CoachTexts::isCostly(judged->decisions[static_cast<std::size_t>(row)].chosen.loss);
        decisions_->item(row, 5)->setForeground(costly ? QBrush(QColor(176, 0, 0)) : QBrush());
    }
    showChart(*chart_, expectedScoreChart(*judged, texts), texts.chartTitle());
}

bool AnalysisWindow::courseComing() const { return course_.working(); }

// A table's game, once its course is worked out: every player's chance
// after each turn, and the turn where the game was won.
void AnalysisWindow::renderCourse(const CoachTexts& texts)
{
    const solver::TableCourse* course = course_.course();
    const bool drawn = course && !course->steps.empty();
    chartLabel_->setVisible(drawn);
    chartShown_->setVisible(drawn);
    if (!drawn)
        chartShown_->setCurrentIndex(0);
    const std::optional<std::size_t> won = drawn ? course->winningStep() : std::nullopt;
    won_->setVisible(won.has_value());
    const QStringList players = course_.players(coach_.languageCode());
    won_->setText(won ? texts.wonAt(*course, *won, players) : QString());
    if (drawn)
        showChart(*chances_, chancesChart(*course, players, texts), texts.chancesChartTitle());
}

// On one page, through the sheets' own printing.
void AnalysisWindow::print()
{
    const std::optional<solver::Judgement> judged = judgement();
    if (!judged || !judged->judged || !summarize(*record()).begun)
        return;
    const CoachTexts texts(coach_.languageCode());
    const QString player = games_.size() > 1 ? player_->currentText() : QString();
    AnalysisSheet sheet(player.isEmpty() ? windowTitle() : windowTitle() + QString::fromUtf8(" — ") + player, *judged,
                        texts, {course_.course(), course_.players(coach_.languageCode())});
    const std::unique_ptr<QPrinter> printer = printers_.choosePrinter(this, windowTitle());
    if (printer && !printSheet(sheet, *printer))
        messages_.inform(windowTitle(), texts.printFailed());
}

} // namespace daxo

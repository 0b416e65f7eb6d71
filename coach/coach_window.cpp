#include "coach_window.h"

#include "coach.h"
#include "coach_texts.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"
#include "widgets/strategy_source.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace daxo {
namespace {

constexpr int kActionsShown = 5;

QLabel* addLabel(QVBoxLayout* layout, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    return label;
}

// Explained to the eye on hovering and to screen readers alike.
void explain(QWidget* widget, const QString& meaning)
{
    widget->setToolTip(meaning);
    widget->setAccessibleDescription(meaning);
}

} // namespace

CoachWindow::CoachWindow(QWidget& board, Coach& coach)
    : SecondaryWindow(board, "Entraîneur", QSize(380, 330), QSize(320, 300), Keyboard::Leaves)
    , coach_(coach)
{
    setWindowTitle(QString::fromUtf8("Entraîneur"));
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);

    standing_ = addLabel(layout, "Etat");
    progress_ = new QProgressBar;
    progress_->setObjectName("Progression");
    progress_->setRange(0, 100);
    layout->addWidget(progress_);
    expected_ = addLabel(layout, "Attendu");
    expected_->setFont(sansFont(12, QFont::Bold));
    assisted_ = addLabel(layout, "Assistee", QString::fromUtf8("Partie assistée"));
    title_ = addLabel(layout, "Titre1", QString::fromUtf8("Meilleures actions\u00a0:"));

    actions_ = newFigureTable("Actions", 3);
    actions_->horizontalHeader()->setStretchLastSection(false);
    actions_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(actions_, 1);

    toWin_ = addLabel(layout, "PourGagner");
    verdict_ = addLabel(layout, "Verdict");

    analyse_ = new QPushButton(QString::fromUtf8("&Analyse de la partie"));
    analyse_->setObjectName("Analyser");
    connect(analyse_, &QPushButton::clicked, this, &CoachWindow::analysisWanted);
    addButtonRow(*layout, {analyse_});

    connect(&coach_, &Coach::changed, this, &CoachWindow::render);
    render();
}

void CoachWindow::retranslate() { render(); }

// Opening the window asks for the table, worked out meanwhile.
void CoachWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    coach_.setWatched(true);
    render();
}

void CoachWindow::hideEvent(QHideEvent* event)
{
    coach_.setWatched(false);
    SecondaryWindow::hideEvent(event);
}

void CoachWindow::render()
{
    const CoachTexts texts(coach_.languageCode());
    const StrategySource& source = coach_.source();
    const bool ready = source.strategy() != nullptr;
    const auto& judgement = coach_.judgement();
    const bool cheated = coach_.touchedByCheat();

    progress_->setVisible(!ready && !cheated);
    progress_->setValue(static_cast<int>(source.progress() * 100));
    progress_->setFormat(CoachTexts(coach_.languageCode()).percentFormat());
    progress_->setAccessibleName(texts.working(source.progress()));
    assisted_->setVisible(coach_.assisted() && !cheated);
    explain(assisted_, texts.aboutAssisted());
    explain(expected_, texts.aboutExpected());
    const std::vector<double>* chances = coach_.chancesNow();
    const QStringList headers = texts.actionHeaders(chances != nullptr);
    actions_->setColumnCount(static_cast<int>(headers.size()));
    actions_->setHorizontalHeaderLabels(headers);
    actions_->horizontalHeaderItem(1)->setToolTip(texts.aboutExpected());
    actions_->horizontalHeaderItem(2)->setToolTip(texts.aboutLoss());
    if (chances)
        actions_->horizontalHeaderItem(3)->setToolTip(texts.aboutWinning());
    actions_->setAccessibleName(title_->text());
    explain(actions_, texts.aboutLoss());

    // A game the cheat mode touched gets that said and nothing else.
    const bool judging = ready && judgement && judgement->judged && !cheated;
    const bool over = judging && judgement->now.over();
    expected_->setVisible(judging);
    for (QWidget* part : std::initializer_list<QWidget*>{title_, actions_, verdict_})
        part->setVisible(judging && !over);
    toWin_->setVisible(false);
    toWin_->clear();
    analyse_->setDefault(over);
    auto stand = [&](const QString& text) {
        standing_->setText(text);
        standing_->setVisible(!text.isEmpty());
    };
    if (!judging) {
        stand(cheated ? texts.cannotJudge() : texts.working(source.progress()));
        return;
    }

    const solver::Strategy& strategy = *source.strategy();
    const solver::GamePoint& now = judgement->now;
    if (over) {
        // What the player needs then: the score, and the way to the analysis.
        expected_->setText(texts.gameOver(now.scored));
        expected_->setToolTip({});
        expected_->setAccessibleDescription({});
        stand(texts.toTheAnalysis());
        return;
    }
    stand({});
    expected_->setText(texts.expected(solver::expectedFinal(now, strategy)));

    const std::vector<solver::Action> actions = coach_.actionsNow();
    const std::size_t shown = std::min<std::size_t>(actions.size(), kActionsShown);
    QStringList ranks;
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < shown; ++i) {
        const solver::Action& action = actions[i];
        ranks << QString::number(i + 1);
        rows.push_back({texts.action(action), texts.points(now.scored + action.value), texts.points(action.loss)});
        if (chances)
            rows.back() << texts.share((*chances)[i]);
    }
    setRows(*actions_, ranks, rows, {1, 2, 3});
    // A narrow window cuts an action short: whole on hovering.
    for (int row = 0; row < actions_->rowCount(); ++row)
        actions_->item(row, 0)->setToolTip(actions_->item(row, 0)->text());

    // Where playing to win parts from playing for points, both are said.
    if (const std::size_t toWin = coach_.toWin(); chances && toWin != 0) {
        toWin_->setText(texts.playToWin(actions[toWin], (*chances)[toWin], actions.front(), chances->front()));
        toWin_->setVisible(true);
    }

    const auto& decisions = judgement->decisions;
    const bool costly = !decisions.empty() && CoachTexts::isCostly(decisions.back().chosen.loss);
    verdict_->setText(decisions.empty() ? texts.noChoiceYet() : texts.verdict(decisions.back()));
    QPalette palette = this->palette();
    if (costly)
        palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    verdict_->setPalette(palette);
    QFont font = verdict_->font();
    font.setBold(costly);
    verdict_->setFont(font);
}

} // namespace daxo

#include "coach_window.h"

#include "coach.h"
#include "coach_texts.h"
#include "widgets/fonts.h"
#include "widgets/strategy_source.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
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

} // namespace

CoachWindow::CoachWindow(QWidget& board, Coach& coach)
    : SecondaryWindow(board, "Entraîneur", QSize(380, 330))
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
    addLabel(layout, "Titre1", "Meilleures actions :");

    actions_ = new QTreeWidget;
    actions_->setObjectName("Actions");
    actions_->setRootIsDecorated(false);
    actions_->setColumnCount(3);
    actions_->header()->setStretchLastSection(false);
    actions_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    actions_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    actions_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(actions_, 1);

    verdict_ = addLabel(layout, "Verdict");

    auto* analyse = new QPushButton("&Analyse de la partie");
    analyse->setObjectName("Analyser");
    connect(analyse, &QPushButton::clicked, this, &CoachWindow::analysisWanted);
    addButtonRow(*layout, {analyse});

    connect(&coach_, &Coach::changed, this, &CoachWindow::render);
    placeBeside(board);
    render();
}

void CoachWindow::placeBeside(const QWidget& board)
{
    const QRect beside = board.frameGeometry();
    const QScreen* screen = board.screen() ? board.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint place(beside.right() + 8, beside.top());
    if (room.isValid() && place.x() + frameGeometry().width() > room.right())
        place.setX(std::max(room.left(), beside.left() - frameGeometry().width() - 8));
    move(place);
}

// Opening the window asks for the table, worked out meanwhile.
void CoachWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    coach_.wakeUp();
    render();
}

void CoachWindow::render()
{
    const CoachTexts texts(coach_.english());
    const StrategySource& source = coach_.source();
    const bool ready = source.strategy() != nullptr;
    const auto& judgement = coach_.judgement();
    const bool cheated = coach_.touchedByCheat();

    progress_->setVisible(!ready && !cheated);
    progress_->setValue(static_cast<int>(source.progress() * 100));
    progress_->setAccessibleName(texts.working(source.progress()));
    assisted_->setVisible(coach_.assisted() && !cheated);
    actions_->setHeaderLabels(texts.actionHeaders());
    actions_->setAccessibleName(texts.actionHeaders().front());
    actions_->clear();

    // A game the cheat mode touched gets that said and nothing else.
    const bool judging = ready && judgement && judgement->judged && !cheated;
    for (QWidget* part : std::initializer_list<QWidget*>{expected_, actions_, verdict_, findChild<QWidget*>("Titre1")})
        part->setVisible(judging);
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
    stand(now.over() ? texts.gameOver(now.scored) : QString());
    expected_->setText(texts.expected(solver::expectedFinal(now, strategy)));

    const std::vector<solver::Action> actions = coach_.actionsNow();
    for (std::size_t i = 0; i < actions.size() && i < kActionsShown; ++i) {
        const solver::Action& action = actions[i];
        auto* row = new QTreeWidgetItem(actions_, {texts.action(action), texts.points(now.scored + action.value),
                                                  texts.points(action.loss)});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
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

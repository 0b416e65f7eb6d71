#include "new_high_score_window.h"

#include "game/game.h"
#include "scores_texts.h"
#include "widgets/box_names.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace daxo {

NewHighScoreWindow::NewHighScoreWindow(QWidget& board, const Game& game)
    : SecondaryWindow(board, "Bravo", QSize(400, 130), QSize(400, 130), Keyboard::Takes)
    , game_(game)
{
    setWindowTitle("Meilleurs scores");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    news_ = new QLabel;
    news_->setObjectName("Label1");
    news_->setWordWrap(true);
    layout->addWidget(news_);
    auto* row = new QHBoxLayout;
    auto* prompt = new QLabel(QString::fromUtf8("Votre &nom\u00a0:"));
    prompt->setObjectName("Label2");
    name_ = new QLineEdit;
    name_->setObjectName("Nom");
    name_->setMaxLength(60);
    prompt->setBuddy(name_);
    row->addWidget(prompt);
    row->addWidget(name_, 1);
    layout->addLayout(row);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("OK");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void NewHighScoreWindow::offer(qint64 game, int rank, int score, const QString& name)
{
    id_ = game;
    rank_ = rank;
    score_ = score;
    offered_ = name;
    retranslate();
    name_->setText(name);
    name_->selectAll();
    name_->setFocus();
}

void NewHighScoreWindow::retranslate()
{
    news_->setText(ScoresTexts(game_.languageCode()).enteredHighScores(rank_, score_));
    name_->setAccessibleName(findChild<QLabel*>("Label2")->text().remove('&'));
}

// OK takes the name typed, Escape and the close box the one offered.
void NewHighScoreWindow::done(int result)
{
    const QString typed = name_->text().trimmed();
    Q_EMIT named(id_, result == Accepted && !typed.isEmpty() ? typed : offered_);
    SecondaryWindow::done(result);
}

} // namespace daxo

#include "new_high_score_window.h"

#include "widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace daxo {

NewHighScoreWindow::NewHighScoreWindow(QWidget& board)
    : SecondaryWindow(board, "Bravo", QSize(400, 130))
{
    setWindowTitle("Meilleurs scores");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    news_ = new QLabel;
    news_->setObjectName("Label1");
    news_->setWordWrap(true);
    layout->addWidget(news_);
    auto* row = new QHBoxLayout;
    auto* prompt = new QLabel("Votre &nom :");
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
    connect(ok, &QPushButton::clicked, this, [this] {
        Q_EMIT named(game_, name_->text().trimmed());
        close();
    });
    centreOn(*this, board);
}

void NewHighScoreWindow::offer(qint64 game, const QString& news, const QString& name)
{
    game_ = game;
    news_->setText(news);
    name_->setText(name);
    name_->selectAll();
    name_->setFocus();
}

} // namespace daxo

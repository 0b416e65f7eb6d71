#include "secondary_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>

namespace daxo {

SecondaryWindow::SecondaryWindow(QWidget& board, const char* name, QSize clientSize)
    : QDialog(&board, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromUtf8(name));
    setModal(false);
    setFixedSize(clientSize);
}

void SecondaryWindow::addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* close = new QPushButton("&Fermer");
    close->setObjectName("Fermer");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(close);
    layout.addLayout(row);
}

void SecondaryWindow::showEvent(QShowEvent* event)
{
    static quint64 shown = 0;
    QDialog::showEvent(event);
    shownAt_ = ++shown;
    if (QWidget* active = QApplication::activeWindow(); active != this)
        handBackTo_ = active;
}

void SecondaryWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (QWidget* next = nextActive())
        next->activateWindow();
}

QWidget* SecondaryWindow::nextActive()
{
    if (handBackTo_ && handBackTo_->isVisible())
        return handBackTo_;
    QWidget* board = parentWidget();
    if (!board || !board->isVisible())
        return nullptr;
    SecondaryWindow* last = nullptr;
    for (SecondaryWindow* other : board->findChildren<SecondaryWindow*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->isVisible() && (!last || other->shownAt_ > last->shownAt_))
            last = other;
    }
    return last ? last : board;
}

void showNotModal(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void centreOn(QWidget& window, const QWidget& other)
{
    window.move(other.frameGeometry().center() - window.rect().center());
}

} // namespace daxo

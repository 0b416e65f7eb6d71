#include "secondary_window.h"

#include <QGuiApplication>
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

void SecondaryWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (QWidget* board = parentWidget(); board && board->isVisible())
        board->activateWindow();
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

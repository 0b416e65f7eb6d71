#include "secondary_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace daxo {

SecondaryWindow::SecondaryWindow(QWidget& board, const char* name, QSize clientSize)
    : QDialog(&board, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromUtf8(name));
    setModal(false);
    setFixedSize(clientSize);
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

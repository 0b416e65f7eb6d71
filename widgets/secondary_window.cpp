#include "secondary_window.h"

#include "window_placement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace daxo {
namespace {

// What a window manager adds around a window's client, as it frames the
// board: a window not yet shown has no frame to ask.
QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect onScreen(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

// How long after a window is shown an activation still comes from its
// showing rather than from the player.
constexpr int kShowingMs = 500;

} // namespace

SecondaryWindow::SecondaryWindow(QWidget& board, const char* name, QSize clientSize)
    : QDialog(&board, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromUtf8(name));
    setModal(false);
    setFixedSize(clientSize);
}

SecondaryWindow::SecondaryWindow(QWidget& board, const char* name, QSize clientSize, QSize smallest,
                                 Keyboard keyboard)
    : QDialog(&board, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , preferred_(clientSize)
    , smallest_(smallest)
    , placesItself_(true)
{
    setObjectName(QString::fromUtf8(name));
    setModal(false);
    // One that cannot be smaller cannot be larger either.
    if (smallest == clientSize)
        setFixedSize(clientSize);
    setMinimumSize(smallest);
    resize(clientSize);
    setAttribute(Qt::WA_ShowWithoutActivating, keyboard == Keyboard::Leaves);
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

PlacementRequest SecondaryWindow::placementRequest(QMargins frame) const
{
    const QWidget* board = parentWidget();
    const QScreen* screen = board->screen() ? board->screen() : QGuiApplication::primaryScreen();
    PlacementRequest request{.screen = screen ? screen->availableGeometry() : QRect(),
                             .board = board->frameGeometry(),
                             .keepClear = {},
                             .others = {},
                             .preferred = preferred_.expandedTo(smallestClient()).grownBy(frame),
                             .smallest = smallestClient().grownBy(frame)};
    for (const QWidget* part : board->findChildren<QWidget*>()) {
        if (part->property("keepClear").toBool() && part->isVisibleTo(board))
            request.keepClear.push_back(onScreen(*part));
    }
    for (const SecondaryWindow* other : board->findChildren<SecondaryWindow*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->isVisible())
            request.others.push_back(other->frameGeometry());
    }
    return request;
}

void SecondaryWindow::placeBesideBoard()
{
    if (!parentWidget())
        return;
    // A window not yet shown has no frame of its own to measure: the board's
    // tells what the window manager will add.
    const QMargins frame = frameOf(isVisible() ? *this : *parentWidget());
    const PlacementRequest request = placementRequest(frame);
    if (request.screen.isEmpty())
        return;
    const QRect place = daxo::placeBesideBoard(request);
    resize(place.marginsRemoved(frame).size());
    move(place.topLeft());
    placed_ = true;
}

QSize SecondaryWindow::smallestClient() const
{
    return layout() ? smallest_.expandedTo(layout()->minimumSize()) : smallest_;
}

// Never smaller than what the window holds needs, whatever comes to show
// in it after it opened (a table of levels, say): squeezed below that, its
// charts would lose their axes. Grown past its screen, it is placed anew.
void SecondaryWindow::fitContents()
{
    if (minimumSize() == smallestClient() || minimumSize() == maximumSize())
        return;
    setMinimumSize(smallestClient());
    const QScreen* screen = this->screen();
    if (isVisible() && screen && !screen->availableGeometry().contains(frameGeometry()))
        placeBesideBoard();
}

void SecondaryWindow::restorePlace(const QByteArray& place)
{
    if (place.isEmpty() || !parentWidget() || !restoreGeometry(place))
        return;
    placed_ = true;
    const PlacementRequest request = placementRequest(frameOf(*parentWidget()));
    if (!standsWell(frameGeometry(), request))
        placeBesideBoard();
}

void SecondaryWindow::setVisible(bool visible)
{
    if (visible && placesItself_ && !placed_)
        placeBesideBoard();
    QDialog::setVisible(visible);
}

void SecondaryWindow::showEvent(QShowEvent* event)
{
    static quint64 shown = 0;
    QDialog::showEvent(event);
    shownAt_ = ++shown;
    if (QWidget* active = QApplication::activeWindow(); active != this)
        handBackTo_ = active;
    justShown_ = testAttribute(Qt::WA_ShowWithoutActivating);
    if (justShown_)
        QTimer::singleShot(kShowingMs, this, [this] { justShown_ = false; });
}

// Some platforms and window managers activate every window shown, whatever
// it asks. A window that leaves the keyboard hands it back when that comes
// with its showing; later, it is the player who went there.
bool SecondaryWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && justShown_ && handBackTo_ && handBackTo_->isVisible()) {
        justShown_ = false;
        QMetaObject::invokeMethod(
            this,
            [this, back = handBackTo_] {
                if (back && isActiveWindow())
                    back->activateWindow();
            },
            Qt::QueuedConnection);
    }
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest && placesItself_)
        fitContents();
    return handled;
}

// A window that left the keyboard where it was gives it back only if the
// player took it there.
void SecondaryWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (testAttribute(Qt::WA_ShowWithoutActivating) && QApplication::activeWindow() != this)
        return;
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
    if (!window.testAttribute(Qt::WA_ShowWithoutActivating))
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

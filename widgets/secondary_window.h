#pragma once

#include <QByteArray>
#include <QDialog>
#include <QPointer>

#include <initializer_list>

class QBoxLayout;
class QPushButton;

namespace daxo {

struct PlacementRequest;

// A secondary window of the board: named, kept above the board without
// blocking it, and without a task-bar entry of its own. Escape closes it as
// its own close button does.
//
// The game's own windows have a fixed client size and are placed as the
// game lays down. The additions' windows take their size between a
// smallest and their own, and place themselves beside the board (see
// placeBesideBoard); those that only show what they show never take the
// keyboard from the board when they open.
class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    // A window of a fixed client size.
    SecondaryWindow(QWidget& board, const char* name, QSize clientSize);

    // A window the player may resize down to `smallest`, placed beside the
    // board when first shown. One that `onlyShows` opens without the
    // keyboard.
    enum class Keyboard { Takes, Leaves };
    SecondaryWindow(QWidget& board, const char* name, QSize clientSize, QSize smallest, Keyboard keyboard);

    // Writes again every text the window shows that the language changes:
    // its figures, its dates and its own words. The caption table writes its
    // fixed captions.
    virtual void retranslate() {}

    // Where the window was, for the next run; and back there, if that place
    // still stands well on this screen, else beside the board.
    QByteArray savePlace() const { return saveGeometry(); }
    void restorePlace(const QByteArray& place);

    // Beside the board, on the screen it is on, clear of its menu bar and
    // dice (the board's controls whose "keepClear" property is set) and of
    // the board's other windows where it can.
    void placeBesideBoard();

    void setVisible(bool visible) override;

protected:
    // Ends `layout` with a row of `buttons` and the window's own close
    // button `Fermer`, all to the right.
    void addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> buttons = {});

    // Hands the keyboard back to the window that had it when this one was
    // shown, if it is still open; else to the board's window shown last
    // that is still open (a question that came between may be gone); else
    // to the board. A bare X server without a window manager would not, and
    // a keyboard player would be left typing into the board behind a window
    // still open.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* nextActive();
    PlacementRequest placementRequest(QMargins frame) const;
    // The smallest client the window may take: its own smallest, or what
    // its contents need, whichever is more.
    QSize smallestClient() const;
    void fitContents();

    QPointer<QWidget> handBackTo_;
    quint64 shownAt_ = 0; // in the order the windows were shown
    QSize preferred_;
    QSize smallest_;
    bool placesItself_ = false;
    bool placed_ = false;
    // Set from the showing of a window that leaves the keyboard until the
    // player first reaches into it.
    bool justShown_ = false;
};

// Shows a window not modal: visible and in front, and active unless it is
// one that leaves the keyboard to the board. Showing a window that is
// already open only brings it to the front.
void showNotModal(QWidget& window);

void centreOnScreen(QWidget& window);
void centreOn(QWidget& window, const QWidget& other);

} // namespace daxo

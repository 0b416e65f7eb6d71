#pragma once

#include <QDialog>
#include <QPointer>

#include <initializer_list>

class QBoxLayout;
class QPushButton;

namespace daxo {

// A secondary window of the board: named, of a fixed client size, kept
// above the board without blocking it, and without a task-bar entry of its
// own. Escape closes it as its own close button does.
class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    SecondaryWindow(QWidget& board, const char* name, QSize clientSize);

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

private:
    QWidget* nextActive();

    QPointer<QWidget> handBackTo_;
    quint64 shownAt_ = 0; // in the order the windows were shown
};

// Shows a window not modal: visible, in front and active. Showing a window
// that is already open only brings it to the front.
void showNotModal(QWidget& window);

void centreOnScreen(QWidget& window);
void centreOn(QWidget& window, const QWidget& other);

} // namespace daxo

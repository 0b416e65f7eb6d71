#pragma once

#include <QDialog>

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

    // Hands the keyboard back to the board, which a bare X server without a
    // window manager would not do.
    void hideEvent(QHideEvent* event) override;
};

// Shows a window not modal: visible, in front and active. Showing a window
// that is already open only brings it to the front.
void showNotModal(QWidget& window);

void centreOnScreen(QWidget& window);
void centreOn(QWidget& window, const QWidget& other);

} // namespace daxo

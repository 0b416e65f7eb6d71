#pragma once

#include "secondary_window.h"

namespace daxo {

class MainWindow;

// The About window `Apropos`. A click on its picture shows or hides the
// board's cheat panel; OK only hides the window, so it remembers which.
class AboutWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit AboutWindow(MainWindow& board);

    void Form_Load();
    void Image_Click();
    void btnOK_Click();

private:

    MainWindow& board_;
    bool cheatShown_ = false;
};

} // namespace daxo

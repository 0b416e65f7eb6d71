// The yardsticks of the start-up benchmark, built with the game's own flags:
// a bare Qt Widgets window of the splash window's size, and with --label the
// same window showing one line of text, which is what loads the fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(406, 262);
    if (QApplication::arguments().contains("--label")) {
        auto* label = new QLabel("Daxo", &window);
        QFont font("Liberation Sans");
        font.setPixelSize(43);
        font.setBold(true);
        label->setFont(font);
        label->adjustSize();
    }
    window.show();
    return QApplication::exec();
}

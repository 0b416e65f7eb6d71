#include "player_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace daxo {

Answer MessageBoxes::ask(const Question& question)
{
    const auto icon = question.icon == Question::Icon::Question ? QMessageBox::Question : QMessageBox::Warning;
    // The prompts separate their lines with CR LF; a message box breaks on LF.
    const QString prompt = QString::fromStdString(question.prompt).replace("\r\n", "\n");
    QMessageBox box(icon, QString::fromStdString(question.title), prompt, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxes::inform(const QString& title, const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

} // namespace daxo

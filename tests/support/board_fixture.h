#pragma once

#include "shell/main_window.h"
#include "shell/picture_box.h"
#include "settings/settings_file.h"
#include "shell/windows.h"
#include "support/pdf_printers.h"
#include "support/scripted_messages.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace daxo::test {

// The program's windows with scripted dice and answers, and ways to play
// them as the player does.
class BoardFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(dice.exhausted());
        EXPECT_TRUE(messages.answers.exhausted());
        EXPECT_TRUE(printers.exhausted());
    }

    template <typename Widget>
    Widget* find(const QString& name)
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void click(const QString& name)
    {
        QPushButton* button = find<QPushButton>(name);
        ASSERT_TRUE(button->isEnabled()) << name.toStdString();
        button->click();
    }

    void throwDice(std::initializer_list<int> faces)
    {
        dice.queue(faces);
        click("Command1");
    }

    QString cellText(Cell cell) { return find<QLineEdit>(QString::fromStdString(name(cell)))->text(); }
    QString panelText(int panel) { return find<QLabel>(QString("Panel%1").arg(panel))->text(); }

    // The die picture shows the image its face picture held when it was copied.
    bool dieShows(int die, int face)
    {
        const QString source = QString("Picture%1").arg(face == 0 ? 7 : face);
        return find<PictureBox>(QString("Picture%1").arg(7 + die))->picture().cacheKey() ==
               find<PictureBox>(source)->picture().cacheKey();
    }

    // Scores the boxes Command2 to Command13 but `skip`, one a turn with
    // four 6s and a 5: Full, Suite and Daxo are refused, and confirmed. All
    // twelve make 127 points. `endAnswers` answer the end of the game.
    void playBoxes(std::initializer_list<Answer> endAnswers, int skip = 0)
    {
        for (int n = 2; n <= 13; ++n) {
            if (n == skip)
                continue;
            if (n == 8 || n == 9 || n == 11)
                messages.answers.queue({Answer::Yes});
            if (n == 13)
                messages.answers.queue(endAnswers);
            throwDice({6, 6, 6, 6, 5});
            click(QString::fromStdString(name(button(n))));
        }
    }

    // Every test starts as on a first start, without a settings file.
    struct NoSettings {
        NoSettings() { QFile::remove(settingsFilePath()); }
    } noSettings;
    ScriptedDice dice;
    ScriptedMessages messages;
    PdfPrinters printers;
    Windows windows{dice, messages, printers};
    MainWindow& window = windows.main();
};

} // namespace daxo::test

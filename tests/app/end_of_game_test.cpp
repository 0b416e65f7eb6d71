#include "app/end_of_game.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace daxo {
namespace {

// The windows after a game's end come one after the other, and never
// before the game's own question was answered: a game alone is kept after
// it, a table's before it.
TEST(EndOfGame, ShowsItsWindowsInTurnAndOnlyOnceTheGameIsFinished)
{
    struct Case {
        const char* what;
        bool rankedFirst;
    };
    for (const Case c : {Case{"a game alone", false}, Case{"a table", true}}) {
        QStringList shown;
        QWidget name;
        QWidget offer;
        int namesLeft = 2; // two humans of a table entered the high scores
        EndOfGame end({.name =
                           [&]() -> QWidget* {
                               if (namesLeft == 0)
                                   return nullptr;
                               --namesLeft;
                               shown << "name";
                               name.show();
                               return &name;
                           },
                       .offer =
                           [&] {
                               shown << "offer";
                               offer.show();
                               return &offer;
                           }});
        if (c.rankedFirst) {
            end.ranked(true);
            EXPECT_TRUE(shown.isEmpty()) << c.what << ": nothing before the question is answered";
            end.finished(true);
        } else {
            end.finished(true);
            EXPECT_TRUE(shown.isEmpty()) << c.what << ": the offer waits for the history a moment";
            end.ranked(true);
        }
        EXPECT_EQ(shown, QStringList{"name"}) << c.what;
        name.hide();
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, (QStringList{"name", "name"})) << c.what;
        name.hide();
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, (QStringList{"name", "name", "offer"})) << c.what;
    }
}

} // namespace
} // namespace daxo

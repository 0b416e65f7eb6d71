// Every text the game writes itself, in both languages, byte for byte: a
// letter changed in one language, or a blank lost, is a fault a player
// meets in a message box or on the status bar.

#include "game/game_texts.h"
#include "game/rules_texts.h"
#include "support/game_fixture.h"

#include <string_view>

namespace daxo {
namespace {

struct TextRow {
    const char* what;
    std::string_view GameTexts::*field;
    std::string_view french;
    std::string_view english;
};

constexpr TextRow kTexts[] = {
    {"panel 1", &GameTexts::gameNumber, "Partie n°", "Game n°"},
    {"panel 2", &GameTexts::subtotal, "Sous Total : ", "Sub Total : "},
    {"panel 3", &GameTexts::missingBonus, "Reste pour Bonus : ", "Points remaining for Bonus : "},
    {"panel 4", &GameTexts::bonus, "Bonus : ", "Bonus : "},
    {"panel 5", &GameTexts::total, "Total : ", "Total : "},
    {"panel 6", &GameTexts::diceTotal, "Total des dés : ", "Dice's total : "},
    {"no Full", &GameTexts::noFull, "Vous n'avez pas de Full", "You don't have any Full"},
    {"no Suite", &GameTexts::noSuite, "Vous n'avez pas de Suite", "You don't have any Sequence"},
    {"no Carré", &GameTexts::noCarre, "Vous n'avez pas de Carré", "You don't have any Four"},
    {"no Daxo", &GameTexts::noDaxo, "Vous n'avez pas de Daxo", "You don't have any Daxo"},
    {"refusal question", &GameTexts::refusalQuestion, "Voulez-vous effectuer cette action?", "Are you sure to click?"},
    {"refusal title", &GameTexts::refusalTitle, "Attention !", "Warning !"},
    {"end, before the total", &GameTexts::endBefore, "Vous avez ", "You are "},
    {"end, after the total", &GameTexts::endAfter, " ! Voulez vous faire une nouvelle partie ?", " ! Play again ?"},
    {"end title", &GameTexts::endTitle, "Fin de la partie", "Game over"},
    {"quit prompt", &GameTexts::quitPrompt, "Voulez vous quitter ? ", "Quit ? "},
    {"quit title", &GameTexts::quitTitle, "Quitter", "Quit"},
};

// French for "F" exactly; English for every other code.
TEST(SpecifiedTexts, EveryTextOfTheGameInBothLanguages)
{
    for (const TextRow& row : kTexts) {
        EXPECT_EQ(gameTexts("F").*row.field, row.french) << row.what;
        for (const std::string_view code : {"E", "D", "", "f", "FR"})
            EXPECT_EQ(gameTexts(code).*row.field, row.english) << row.what << " for \"" << code << '"';
    }
}

// The start texts of the panels are not the texts written later: panel 3
// starts with a small "b".
TEST(SpecifiedTexts, ThePanelsStartWithTheirOwnTexts)
{
    test::Play play("");
    std::vector<std::string> panels;
    for (int panel = 1; panel <= kPanelCount; ++panel)
        panels.push_back(play.panel(panel));
    EXPECT_EQ(panels, (std::vector<std::string>{"Partie n°1", "Sous Total : ", "Reste pour bonus : ", "Bonus : ",
                                                 "Total : ", "Total des dés : "}));
}

TEST(SpecifiedTexts, TheFrenchRulesAsWritten)
{
    constexpr std::string_view kRules[] = {
        "LE BUT : Marquer le plus de points en réalisant des combinaisons avec 5 dés. La partie se joue en 12 "
        "épreuves.",
        "LE JEU : En 3 jets de dés, chercher le résultat optimum pour chacune des 12 combinaisons du tableau. A "
        "chaque coup le joueur choisit dans un ordre indifférent sa combinaison et inscrit son résultat dans la case "
        "correspondante. S'il n'obtient rien qui le satisfasse, il clique sur le bouton d'une combinaison de son "
        "choix. Il marquera 0 pour cette combinaison.",
        "LES COMBINAISONS : Pour  les 6 premières. il s'agit de faire le plus d'As, de 2 etc. L 'As, le 2, le 3, le "
        "4, le 5 et le 6 valent respectivement 1, 2, 3, 4. 5 et 6 points. Pour obtenir le BONUS qui vaut 30 points "
        "il faut au moins 60 points de s/total de ces 6 premières épreuves. Le MOINS doit être inférieur au PLUS, il "
        "vaut le total de points inscrits sur les 5 dés. Le PLUS doit être supérieur au MOINS, il vaut le total de "
        "points inscrits sur les 5 dés. Le FULL (trois et deux faces égales ex : 5, 5, 5, 3, 3) vaut 20 points. La "
        "SUITE (As, 2, 3,4, 5 ou 2, 3, 4, 5,6) vaut 30 points. Le CARRE (6,6,6,6 - 2,2, 2, 2) vaut 40 points. Le "
        "DAXO (5 faces égales ) vaut 50 points.",
    };
    for (std::size_t paragraph = 0; paragraph < std::size(kRules); ++paragraph)
        EXPECT_EQ(kFrenchRules[paragraph], kRules[paragraph]) << "paragraph " << paragraph + 1;
}

// What the window shows at its start: dice, cells, counters and flags.
TEST(SpecifiedTexts, TheSheetAtWindowStart)
{
    test::Play play("");
    const Game& game = play.game;
    EXPECT_EQ(game.dice(), (Dice{"Dé 1", "Dé 2", "Dé 3", "Dé 4", "Dé 5"}));
    for (int n = number(Cell::Text6); n <= number(Cell::Text20); ++n) {
        const bool zero = cell(n) == Cell::Text12 || cell(n) == Cell::Text20;
        EXPECT_EQ(play.text(cell(n)), zero ? "0" : "") << name(cell(n));
    }
    EXPECT_EQ((std::array{game.caption(Label::Label1), game.caption(Label::Label17)}),
              (std::array<std::string, 2>{"Label1", "1"}));
    for (int n = 1; n <= kButtonCount; ++n)
        EXPECT_TRUE(game.isEnabled(button(n))) << name(button(n));
    for (int die = 1; die <= kDieCount; ++die)
        EXPECT_EQ(game.holdBox(die), HoldBox{}) << "Check" << die;
}

} // namespace
} // namespace daxo

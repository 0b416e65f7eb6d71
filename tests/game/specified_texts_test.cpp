// The French rules byte for byte, as the Rules window and the printed
// sheet show them. The game's other texts are held by the transcripts.

#include "game/rules_texts.h"

#include <gtest/gtest.h>

#include <string_view>

namespace daxo {
namespace {

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

} // namespace
} // namespace daxo

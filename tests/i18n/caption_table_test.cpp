// The caption table as it is laid down: every row of both languages, byte
// for byte, in its order. The additions' rows come after it.

#include "i18n/caption_table.h"

#include <gtest/gtest.h>

#include <string_view>

namespace daxo {
namespace {

struct Row {
    std::string_view window, control, french, english;
};

constexpr std::string_view kTitle = "(title)";

constexpr Row kLaidDown[] = {
    {"Daxo", "Command14", "&Quitter", "&Quit"},
    {"Daxo", "Fichier", "&Fichier", "&Files"},
    {"Daxo", "Nouveau", "&Nouvelle partie", "&New game"},
    {"Daxo", "Imprimer", "&Imprimer", "&Print"},
    {"Daxo", "prop", "&Propriété imprimante", "&Configuration"},
    {"Daxo", "quit", "&Quitter", "&Quit"},
    {"Daxo", "Option", "&Options", "&Option"},
    {"Daxo", "langues", "&Langue", "&Language"},
    {"Daxo", "Image12", "&Images", "&Pictures"},
    {"Daxo", "Aide", "&Aide", "&Help"},
    {"Daxo", "regle", "&Règles", "&Rules"},
    {"Daxo", "site", "&Sites", "&Sites"},
    {"Daxo", "apropos", "A propos", "&About"},
    {"Daxo", "Frame3", "Points", "Points"},
    {"Daxo", "Label8", "Sous Total", "Sub Total"},
    {"Daxo", "Label9", "Bonus", "Bonus"},
    {"Daxo", "Command8", "Full", "Full"},
    {"Daxo", "Command9", "Suite", "Sequence"},
    {"Daxo", "Command10", "Carré", "Four"},
    {"Daxo", "Command11", "Daxo", "Daxo"},
    {"Daxo", "Label16", "Total", "Total"},
    {"Daxo", "Frame1", "Dés", "Dice"},
    {"Daxo", "Check1", "Dé 1", "Die 1"},
    {"Daxo", "Check2", "Dé 2", "Die 2"},
    {"Daxo", "Check3", "Dé 3", "Die 3"},
    {"Daxo", "Check4", "Dé 4", "Die 4"},
    {"Daxo", "Check5", "Dé 5", "Die 5"},
    {"Daxo", "Frame4", "Triche", "Cheat"},
    {"Daxo", "Option1", "Tricher", "Cheat"},
    {"Daxo", "Option2", "Ne plus tricher", "Uncheat"},
    {"Daxo", "StatusBar1", "", ""},
    {"Pictures", kTitle, "Images", "Pictures"},
    {"Pictures", "Command1", "&Fermer", "&Close"},
    {"Pictures", "Option1", "Image 1", "Picture 1"},
    {"Pictures", "Option2", "Image 2", "Picture 2"},
    {"Pictures", "Option3", "Image 3", "Picture 3"},
    {"Pictures", "Option4", "Image 4", "Picture 4"},
    {"Pictures", "Option5", "Image 5", "Picture 5"},
    {"Printer1", kTitle, "Imprimer", "Print"},
    {"Printer1", "Label1", "que voulez-vous imprimer ?", "What will you print ?"},
    {"Printer1", "Check1", "Feuille de points vierge", "Sheet of points blanc"},
    {"Printer1", "Check2", "Règles", "Rules"},
    {"Printer1", "Check3", "Vos points", "Your Points"},
    {"Printer1", "Command1", "&Imprimer", "&Print"},
    {"Printer1", "Command2", "&Annuler", "&Cancel"},
    {"Langue", kTitle, "Langue", "Language"},
    {"Langue", "Command1", "&Fermer", "&Close"},
    {"Langue", "Option1", "Français", "French"},
    {"Langue", "Option2", "Anglais", "English"},
    {"Règle", "Label1",
     "LE BUT : Marquer le plus de points en réalisant des combinaisons avec 5 dés. La partie se joue en 12 épreuves.",
     "THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 "
     "parts."},
    {"Règle", "Label2",
     "LE JEU : En 3 jets de dés, chercher le résultat optimum pour chacune des 12 combinaisons du tableau. A chaque "
     "coup le joueur choisit dans un ordre indifférent sa combinaison et inscrit son résultat dans la case "
     "correspondante. S'il n'obtient rien qui le satisfasse, il clique sur le bouton d'une combinaison de son choix. "
     "Il marquera 0 pour cette combinaison.",
     "PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 "
     "combinations. At each throw, the player chooses its combination and register the result by clicking the "
     "corresponding box. If he doesn't reach the expected combination, never mind,he clicks on any box (i.e. daxo "
     "box). He will then marks 0 points for this combination"},
    {"Règle", "Label3",
     "LES COMBINAISONS : Pour  les 6 premières. il s'agit de faire le plus d'As, de 2 etc. L 'As, le 2, le 3, le 4, "
     "le 5 et le 6 valent respectivement 1, 2, 3, 4. 5 et 6 points. Pour obtenir le BONUS qui vaut 30 points il faut "
     "au moins 60 points de s/total de ces 6 premières épreuves. Le MOINS doit être inférieur au PLUS, il vaut le "
     "total de points inscrits sur les 5 dés. Le PLUS doit être supérieur au MOINS, il vaut le total de points "
     "inscrits sur les 5 dés. Le FULL (trois et deux faces égales ex : 5, 5, 5, 3, 3) vaut 20 points. La SUITE (As, "
     "2, 3,4, 5 ou 2, 3, 4, 5,6) vaut 30 points. Le CARRE (6,6,6,6 - 2,2, 2, 2) vaut 40 points. Le DAXO (5 faces "
     "égales ) vaut 50 points.",
     "COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with "
     "respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a "
     "subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of "
     "the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two "
     "dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 "
     "points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points"},
    {"Apropos", kTitle, "A propos", "About"},
};

std::string_view orEmpty(const char* text) { return text ? text : ""; }

TEST(CaptionTable, TheLaidDownRowsComeFirstAsWritten)
{
    const auto table = captionTable();
    ASSERT_GE(table.size(), std::size(kLaidDown));
    for (std::size_t i = 0; i < std::size(kLaidDown); ++i) {
        const CaptionRow& row = table[i];
        const Row& laid = kLaidDown[i];
        SCOPED_TRACE(std::string(laid.window) + " " + std::string(laid.control));
        EXPECT_EQ(row.window, laid.window);
        EXPECT_EQ(row.control ? std::string_view(row.control) : kTitle, laid.control);
        EXPECT_EQ(orEmpty(row.french), laid.french);
        EXPECT_EQ(orEmpty(row.english), laid.english);
    }
}

} // namespace
} // namespace daxo

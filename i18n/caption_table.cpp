#include "caption_table.h"

#include "game/rules_texts.h"

namespace daxo {
namespace {

// The rules paragraphs: the goal, the play, the combinations.
constexpr const char* kEnglishRules[] = {
    "THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists "
    "in 12 parts.",

    "PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to "
    "complete the 12 combinations. At each throw, the player chooses its combination and register the "
    "result by clicking the corresponding box. If he doesn't reach the expected combination, never "
    "mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination",

    "COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 "
    "with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you "
    "have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the "
    "Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition "
    "of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The "
    "Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 "
    "points.The Daxo (5 dice with same value) is 50 points",
};

constexpr CaptionRow kTable[] = {
    // window      control      French                        English
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
    {"Daxo", kStatusBar, nullptr, nullptr},

    {"Pictures", nullptr, "Images", "Pictures"},
    {"Pictures", "Command1", "&Fermer", "&Close"},
    {"Pictures", "Option1", "Image 1", "Picture 1"},
    {"Pictures", "Option2", "Image 2", "Picture 2"},
    {"Pictures", "Option3", "Image 3", "Picture 3"},
    {"Pictures", "Option4", "Image 4", "Picture 4"},
    {"Pictures", "Option5", "Image 5", "Picture 5"},

    {"Printer1", nullptr, "Imprimer", "Print"},
    {"Printer1", "Label1", "que voulez-vous imprimer ?", "What will you print ?"},
    {"Printer1", "Check1", "Feuille de points vierge", "Sheet of points blanc"},
    {"Printer1", "Check2", "Règles", "Rules"},
    {"Printer1", "Check3", "Vos points", "Your Points"},
    {"Printer1", "Command1", "&Imprimer", "&Print"},
    {"Printer1", "Command2", "&Annuler", "&Cancel"},

    {"Langue", nullptr, "Langue", "Language"},
    {"Langue", "Command1", "&Fermer", "&Close"},
    {"Langue", "Option1", "Français", "French"},
    {"Langue", "Option2", "Anglais", "English"},

    {"Règle", "Label1", kFrenchRules[0], kEnglishRules[0]},
    {"Règle", "Label2", kFrenchRules[1], kEnglishRules[1]},
    {"Règle", "Label3", kFrenchRules[2], kEnglishRules[2]},

    {"Apropos", nullptr, "A propos", "About"},

    // The additions (undo, scores, the coach), after the game's own rows.
    {"Daxo", "annuler", "&Annuler", "&Undo"},
    {"Daxo", "retablir", "&Rétablir", "&Redo"},
    {"Daxo", "joueurs", "&Joueurs…", "Pl&ayers…"},
    {"Daxo", "marque", "&Tableau des scores", "Score&board"},
    {"Daxo", "meilleurs", "&Meilleurs scores", "&High scores"},
    {"Daxo", "statistiques", "&Statistiques", "&Statistics"},
    {"Daxo", "conseil", "&Conseil", "&Hint"},
    {"Daxo", "entraineur", "&Entraîneur", "&Coach"},
    {"Daxo", "guide", "&Guide de l'entraîneur", "Coach &guide"},
    {"Entraîneur", nullptr, "Entraîneur", "Coach", true},
    {"Entraîneur", "Assistee", "Partie assistée", "Assisted game", true},
    {"Entraîneur", "Titre1", "Meilleures actions\u00a0:", "Best actions:", true},
    {"Entraîneur", "Analyser", "&Analyse de la partie", "&Game analysis", true},
    {"Entraîneur", "Fermer", "&Fermer", "&Close", true},
    {"Analyse", nullptr, "Analyse de la partie", "Game analysis", true},
    {"Analyse", "Imprimer", "&Imprimer", "&Print", true},
    {"Analyse", "Fermer", "&Fermer", "&Close", true},
    {"Calcul", nullptr, "Entraîneur", "Coach", true},
    {"Calcul", "Label1", "L'entraîneur calcule le jeu parfait…", "The coach is working out perfect play…", true},
    {"Fin", nullptr, "Entraîneur", "Coach", true},
    {"Fin", "Label1", "La partie est finie. Voulez-vous voir son analyse\u00a0?",
     "The game is over. Would you like to see its analysis?", true},
    {"Fin", "Voir", "&Voir l'analyse", "&Show the analysis", true},
    {"Fin", "Fermer", "&Fermer", "&Close", true},
    {"Guide", nullptr, "Guide de l'entraîneur", "Coach guide", true},
    {"Guide", "Fermer", "&Fermer", "&Close", true},
    {"Meilleurs", nullptr, "Meilleurs scores", "High scores", true},
    {"Meilleurs", "Fermer", "&Fermer", "&Close", true},
    {"Bravo", nullptr, "Meilleurs scores", "High scores", true},
    {"Bravo", "Label2", "Votre &nom\u00a0:", "Your &name:", true},
    {"Statistiques", nullptr, "Statistiques", "Statistics", true},
    {"Statistiques", "Fermer", "&Fermer", "&Close", true},
    {"Joueurs", nullptr, "Joueurs", "Players", true},
    {"Joueurs", "Label1", "&Nombre de joueurs\u00a0:", "&Number of players:", true},
    {"Joueurs", "Label2", "&Allure des ordinateurs\u00a0:", "Computers' &pace:", true},
    {"Joueurs", "Jouer", "&Jouer", "&Play", true},
    {"Joueurs", "Fermer", "&Fermer", "&Close", true},
    {"Marque", nullptr, "Tableau des scores", "Scoreboard", true},
    {"Marque", "Imprimer", "&Imprimer", "&Print", true},
    {"Marque", "Fermer", "&Fermer", "&Close", true},
    {"Classement", nullptr, "Classement", "Ranking", true},
    {"Classement", "Fermer", "&Fermer", "&Close", true},
};

} // namespace

std::span<const CaptionRow> captionTable() { return kTable; }

} // namespace daxo

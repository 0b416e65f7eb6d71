#include "caption_table.h"

#include "game/rules_texts.h"

#include <QtGlobal>

namespace daxo {
namespace {

// The rules paragraphs: the goal, the play, the combinations.
constexpr CaptionRow::Source kEnglishRules[] = {
    QT_TRANSLATE_NOOP3("Captions",
        "THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists "
        "in 12 parts.",
        "Règle Label1"),
    QT_TRANSLATE_NOOP3("Captions",
        "PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to "
        "complete the 12 combinations. At each throw, the player chooses its combination and register the "
        "result by clicking the corresponding box. If he doesn't reach the expected combination, never "
        "mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination",
        "Règle Label2"),
    QT_TRANSLATE_NOOP3("Captions",
        "COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 "
        "with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you "
        "have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the "
        "Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition "
        "of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The "
        "Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 "
        "points.The Daxo (5 dice with same value) is 50 points",
        "Règle Label3"),
};

constexpr CaptionRow kTable[] = {
    // window      control      French                        English
    {"Daxo", "Command14", "&Quitter", QT_TRANSLATE_NOOP3("Captions", "&Quit", "Daxo Command14")},
    {"Daxo", "Fichier", "&Fichier", QT_TRANSLATE_NOOP3("Captions", "&Files", "Daxo Fichier")},
    {"Daxo", "Nouveau", "&Nouvelle partie", QT_TRANSLATE_NOOP3("Captions", "&New game", "Daxo Nouveau")},
    {"Daxo", "Imprimer", "&Imprimer", QT_TRANSLATE_NOOP3("Captions", "&Print", "Daxo Imprimer")},
    {"Daxo", "prop", "&Propriété imprimante", QT_TRANSLATE_NOOP3("Captions", "&Configuration", "Daxo prop")},
    {"Daxo", "quit", "&Quitter", QT_TRANSLATE_NOOP3("Captions", "&Quit", "Daxo quit")},
    {"Daxo", "Option", "&Options", QT_TRANSLATE_NOOP3("Captions", "&Option", "Daxo Option")},
    {"Daxo", "langues", "&Langue", QT_TRANSLATE_NOOP3("Captions", "&Language", "Daxo langues")},
    {"Daxo", "Image12", "&Images", QT_TRANSLATE_NOOP3("Captions", "&Pictures", "Daxo Image12")},
    {"Daxo", "Aide", "&Aide", QT_TRANSLATE_NOOP3("Captions", "&Help", "Daxo Aide")},
    {"Daxo", "regle", "&Règles", QT_TRANSLATE_NOOP3("Captions", "&Rules", "Daxo regle")},
    {"Daxo", "site", "&Sites", QT_TRANSLATE_NOOP3("Captions", "&Sites", "Daxo site")},
    {"Daxo", "apropos", "A propos", QT_TRANSLATE_NOOP3("Captions", "&About", "Daxo apropos")},
    {"Daxo", "Frame3", "Points", QT_TRANSLATE_NOOP3("Captions", "Points", "Daxo Frame3")},
    {"Daxo", "Label8", "Sous Total", QT_TRANSLATE_NOOP3("Captions", "Sub Total", "Daxo Label8")},
    {"Daxo", "Label9", "Bonus", QT_TRANSLATE_NOOP3("Captions", "Bonus", "Daxo Label9")},
    {"Daxo", "Command8", "Full", QT_TRANSLATE_NOOP3("Captions", "Full", "Daxo Command8")},
    {"Daxo", "Command9", "Suite", QT_TRANSLATE_NOOP3("Captions", "Sequence", "Daxo Command9")},
    {"Daxo", "Command10", "Carré", QT_TRANSLATE_NOOP3("Captions", "Four", "Daxo Command10")},
    {"Daxo", "Command11", "Daxo", QT_TRANSLATE_NOOP3("Captions", "Daxo", "Daxo Command11")},
    {"Daxo", "Label16", "Total", QT_TRANSLATE_NOOP3("Captions", "Total", "Daxo Label16")},
    {"Daxo", "Frame1", "Dés", QT_TRANSLATE_NOOP3("Captions", "Dice", "Daxo Frame1")},
    {"Daxo", "Check1", "Dé 1", QT_TRANSLATE_NOOP3("Captions", "Die 1", "Daxo Check1")},
    {"Daxo", "Check2", "Dé 2", QT_TRANSLATE_NOOP3("Captions", "Die 2", "Daxo Check2")},
    {"Daxo", "Check3", "Dé 3", QT_TRANSLATE_NOOP3("Captions", "Die 3", "Daxo Check3")},
    {"Daxo", "Check4", "Dé 4", QT_TRANSLATE_NOOP3("Captions", "Die 4", "Daxo Check4")},
    {"Daxo", "Check5", "Dé 5", QT_TRANSLATE_NOOP3("Captions", "Die 5", "Daxo Check5")},
    {"Daxo", "Frame4", "Triche", QT_TRANSLATE_NOOP3("Captions", "Cheat", "Daxo Frame4")},
    {"Daxo", "Option1", "Tricher", QT_TRANSLATE_NOOP3("Captions", "Cheat", "Daxo Option1")},
    {"Daxo", "Option2", "Ne plus tricher", QT_TRANSLATE_NOOP3("Captions", "Uncheat", "Daxo Option2")},
    {"Daxo", kStatusBar, nullptr, {nullptr, nullptr}},

    {"Pictures", nullptr, "Images", QT_TRANSLATE_NOOP3("Captions", "Pictures", "Pictures (title)")},
    {"Pictures", "Command1", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Pictures Command1")},
    {"Pictures", "Option1", "Image 1", QT_TRANSLATE_NOOP3("Captions", "Picture 1", "Pictures Option1")},
    {"Pictures", "Option2", "Image 2", QT_TRANSLATE_NOOP3("Captions", "Picture 2", "Pictures Option2")},
    {"Pictures", "Option3", "Image 3", QT_TRANSLATE_NOOP3("Captions", "Picture 3", "Pictures Option3")},
    {"Pictures", "Option4", "Image 4", QT_TRANSLATE_NOOP3("Captions", "Picture 4", "Pictures Option4")},
    {"Pictures", "Option5", "Image 5", QT_TRANSLATE_NOOP3("Captions", "Picture 5", "Pictures Option5")},

    {"Printer1", nullptr, "Imprimer", QT_TRANSLATE_NOOP3("Captions", "Print", "Printer1 (title)")},
    {"Printer1", "Label1", "que voulez-vous imprimer ?", QT_TRANSLATE_NOOP3("Captions", "What will you print ?", "Printer1 Label1")},
    {"Printer1", "Check1", "Feuille de points vierge", QT_TRANSLATE_NOOP3("Captions", "Sheet of points blanc", "Printer1 Check1")},
    {"Printer1", "Check2", "Règles", QT_TRANSLATE_NOOP3("Captions", "Rules", "Printer1 Check2")},
    {"Printer1", "Check3", "Vos points", QT_TRANSLATE_NOOP3("Captions", "Your Points", "Printer1 Check3")},
    {"Printer1", "Command1", "&Imprimer", QT_TRANSLATE_NOOP3("Captions", "&Print", "Printer1 Command1")},
    {"Printer1", "Command2", "&Annuler", QT_TRANSLATE_NOOP3("Captions", "&Cancel", "Printer1 Command2")},

    {"Langue", nullptr, "Langue", QT_TRANSLATE_NOOP3("Captions", "Language", "Langue (title)")},
    {"Langue", "Command1", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Langue Command1")},
    {"Langue", "Option1", "Français", QT_TRANSLATE_NOOP3("Captions", "French", "Langue Option1")},
    {"Langue", "Option2", "Anglais", QT_TRANSLATE_NOOP3("Captions", "English", "Langue Option2")},

    {"Règle", "Label1", kFrenchRules[0], kEnglishRules[0]},
    {"Règle", "Label2", kFrenchRules[1], kEnglishRules[1]},
    {"Règle", "Label3", kFrenchRules[2], kEnglishRules[2]},

    {"Apropos", nullptr, "A propos", QT_TRANSLATE_NOOP3("Captions", "About", "Apropos (title)")},

    // The additions (undo, scores, the coach), after the game's own rows.
    {"Daxo", "annuler", "&Annuler", QT_TRANSLATE_NOOP3("Captions", "&Undo", "Daxo annuler")},
    {"Daxo", "retablir", "&Rétablir", QT_TRANSLATE_NOOP3("Captions", "&Redo", "Daxo retablir")},
    {"Daxo", "joueurs", "&Joueurs…", QT_TRANSLATE_NOOP3("Captions", "Pl&ayers…", "Daxo joueurs")},
    {"Daxo", "marque", "&Tableau des scores", QT_TRANSLATE_NOOP3("Captions", "Score&board", "Daxo marque")},
    {"Daxo", "meilleurs", "&Meilleurs scores", QT_TRANSLATE_NOOP3("Captions", "&High scores", "Daxo meilleurs")},
    {"Daxo", "statistiques", "&Statistiques", QT_TRANSLATE_NOOP3("Captions", "&Statistics", "Daxo statistiques")},
    {"Daxo", "conseil", "&Conseil", QT_TRANSLATE_NOOP3("Captions", "&Hint", "Daxo conseil")},
    {"Daxo", "entraineur", "&Entraîneur", QT_TRANSLATE_NOOP3("Captions", "&Coach", "Daxo entraineur")},
    {"Daxo", "guide", "&Guide de l'entraîneur", QT_TRANSLATE_NOOP3("Captions", "Coach &guide", "Daxo guide")},
    {"Entraîneur", nullptr, "Entraîneur", QT_TRANSLATE_NOOP3("Captions", "Coach", "Entraîneur (title)"), true},
    {"Entraîneur", "Assistee", "Partie assistée", QT_TRANSLATE_NOOP3("Captions", "Assisted game", "Entraîneur Assistee"), true},
    {"Entraîneur", "Titre1", "Meilleures actions\u00a0:", QT_TRANSLATE_NOOP3("Captions", "Best actions:", "Entraîneur Titre1"), true},
    {"Entraîneur", "Analyser", "&Analyse de la partie", QT_TRANSLATE_NOOP3("Captions", "&Game analysis", "Entraîneur Analyser"), true},
    {"Entraîneur", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Entraîneur Fermer"), true},
    {"Analyse", nullptr, "Analyse de la partie", QT_TRANSLATE_NOOP3("Captions", "Game analysis", "Analyse (title)"), true},
    {"Analyse", "Imprimer", "&Imprimer", QT_TRANSLATE_NOOP3("Captions", "&Print", "Analyse Imprimer"), true},
    {"Analyse", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Analyse Fermer"), true},
    {"Calcul", nullptr, "Entraîneur", QT_TRANSLATE_NOOP3("Captions", "Coach", "Calcul (title)"), true},
    {"Calcul", "Label1", "L'entraîneur calcule le jeu parfait…", QT_TRANSLATE_NOOP3("Captions", "The coach is working out perfect play…", "Calcul Label1"), true},
    {"Fin", nullptr, "Entraîneur", QT_TRANSLATE_NOOP3("Captions", "Coach", "Fin (title)"), true},
    {"Fin", "Label1", "La partie est finie. Voulez-vous voir son analyse\u00a0?",
     QT_TRANSLATE_NOOP3("Captions", "The game is over. Would you like to see its analysis?", "Fin Label1"), true},
    {"Fin", "Voir", "&Voir l'analyse", QT_TRANSLATE_NOOP3("Captions", "&Show the analysis", "Fin Voir"), true},
    {"Fin", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Fin Fermer"), true},
    {"Guide", nullptr, "Guide de l'entraîneur", QT_TRANSLATE_NOOP3("Captions", "Coach guide", "Guide (title)"), true},
    {"Guide", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Guide Fermer"), true},
    {"Meilleurs", nullptr, "Meilleurs scores", QT_TRANSLATE_NOOP3("Captions", "High scores", "Meilleurs (title)"), true},
    {"Meilleurs", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Meilleurs Fermer"), true},
    {"Bravo", nullptr, "Meilleurs scores", QT_TRANSLATE_NOOP3("Captions", "High scores", "Bravo (title)"), true},
    {"Bravo", "Label2", "Votre &nom\u00a0:", QT_TRANSLATE_NOOP3("Captions", "Your &name:", "Bravo Label2"), true},
    {"Statistiques", nullptr, "Statistiques", QT_TRANSLATE_NOOP3("Captions", "Statistics", "Statistiques (title)"), true},
    {"Statistiques", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Statistiques Fermer"), true},
    {"Joueurs", nullptr, "Joueurs", QT_TRANSLATE_NOOP3("Captions", "Players", "Joueurs (title)"), true},
    {"Joueurs", "Label1", "&Nombre de joueurs\u00a0:", QT_TRANSLATE_NOOP3("Captions", "&Number of players:", "Joueurs Label1"), true},
    {"Joueurs", "Label2", "&Allure des ordinateurs\u00a0:", QT_TRANSLATE_NOOP3("Captions", "Computers' pac&e:", "Joueurs Label2"), true},
    {"Joueurs", "Jouer", "&Jouer", QT_TRANSLATE_NOOP3("Captions", "&Play", "Joueurs Jouer"), true},
    {"Joueurs", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Joueurs Fermer"), true},
    {"Marque", nullptr, "Tableau des scores", QT_TRANSLATE_NOOP3("Captions", "Scoreboard", "Marque (title)"), true},
    {"Marque", "Imprimer", "&Imprimer", QT_TRANSLATE_NOOP3("Captions", "&Print", "Marque Imprimer"), true},
    {"Marque", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Marque Fermer"), true},
    {"Classement", nullptr, "Classement", QT_TRANSLATE_NOOP3("Captions", "Ranking", "Classement (title)"), true},
    {"Classement", "Fermer", "&Fermer", QT_TRANSLATE_NOOP3("Captions", "&Close", "Classement Fermer"), true},
    // The rules window keeps its French title in the game's own two
    // languages; the added ones name it in theirs.
    //: The rules window's title, "The rules of Daxo", French in English too.
    {"Règle", nullptr, "Règle du Daxo", QT_TRANSLATE_NOOP3("Captions", "Règle du Daxo", "Règle (title)"), true},
};

} // namespace

std::span<const CaptionRow> captionTable() { return kTable; }

} // namespace daxo

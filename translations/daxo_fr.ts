<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../shell/accessible_names.cpp" line="+9"/>
        <source>Die %1</source>
        <translation>Dé %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw the dice</source>
        <translation>Lancer les dés</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Box %1</source>
        <extracomment>A box&apos;s button or score cell: %1 is the box&apos;s caption on the board.</extracomment>
        <translation>Case %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sub Total</source>
        <translation>Sous Total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold die %1</source>
        <translation>Garder le dé %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daxo icon</source>
        <translation>Icône de Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: throw the dice</source>
        <translation>Conseil&#xa0;: lancer les dés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: keep this die</source>
        <translation>Conseil&#xa0;: garder ce dé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: score this box</source>
        <translation>Conseil&#xa0;: marquer cette case</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, no face</source>
        <translation>%1, aucune face</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, face %2</source>
        <extracomment>%1: the die, &quot;Die 2&quot;; %2: the face it shows.</extracomment>
        <translation>%1, face %2</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <location filename="../widgets/box_names.cpp" line="+34"/>
        <source>the %1 box</source>
        <extracomment>A box of the score sheet as a sentence speaks of it; %1 is the box&apos;s caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.</extracomment>
        <translation>la case %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <location filename="../i18n/caption_table.cpp" line="+12"/>
        <source>THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 parts.</source>
        <comment>Règle Label1</comment>
        <translation>LE BUT : Marquer le plus de points en réalisant des combinaisons avec 5 dés. La partie se joue en 12 épreuves.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 combinations. At each throw, the player chooses its combination and register the result by clicking the corresponding box. If he doesn&apos;t reach the expected combination, never mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination</source>
        <comment>Règle Label2</comment>
        <translation>LE JEU : En 3 jets de dés, chercher le résultat optimum pour chacune des 12 combinaisons du tableau. A chaque coup le joueur choisit dans un ordre indifférent sa combinaison et inscrit son résultat dans la case correspondante. S&apos;il n&apos;obtient rien qui le satisfasse, il clique sur le bouton d&apos;une combinaison de son choix. Il marquera 0 pour cette combinaison.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points</source>
        <comment>Règle Label3</comment>
        <translation>LES COMBINAISONS : Pour  les 6 premières. il s&apos;agit de faire le plus d&apos;As, de 2 etc. L &apos;As, le 2, le 3, le 4, le 5 et le 6 valent respectivement 1, 2, 3, 4. 5 et 6 points. Pour obtenir le BONUS qui vaut 30 points il faut au moins 60 points de s/total de ces 6 premières épreuves. Le MOINS doit être inférieur au PLUS, il vaut le total de points inscrits sur les 5 dés. Le PLUS doit être supérieur au MOINS, il vaut le total de points inscrits sur les 5 dés. Le FULL (trois et deux faces égales ex : 5, 5, 5, 3, 3) vaut 20 points. La SUITE (As, 2, 3,4, 5 ou 2, 3, 4, 5,6) vaut 30 points. Le CARRE (6,6,6,6 - 2,2, 2, 2) vaut 40 points. Le DAXO (5 faces égales ) vaut 50 points.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Quit</source>
        <comment>Daxo Command14</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Files</source>
        <comment>Daxo Fichier</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New game</source>
        <comment>Daxo Nouveau</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Daxo Imprimer</comment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <comment>Daxo prop</comment>
        <translation>&amp;Propriété imprimante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <comment>Daxo quit</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Option</source>
        <comment>Daxo Option</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language</source>
        <comment>Daxo langues</comment>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pictures</source>
        <comment>Daxo Image12</comment>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <comment>Daxo Aide</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <comment>Daxo regle</comment>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <comment>Daxo site</comment>
        <translation>&amp;Sites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <comment>Daxo apropos</comment>
        <translation>A propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <comment>Daxo Frame3</comment>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sub Total</source>
        <comment>Daxo Label8</comment>
        <translation>Sous Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonus</source>
        <comment>Daxo Label9</comment>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Full</source>
        <comment>Daxo Command8</comment>
        <translation>Full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <comment>Daxo Command9</comment>
        <translation>Suite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <comment>Daxo Command10</comment>
        <translation>Carré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo</source>
        <comment>Daxo Command11</comment>
        <translation>Daxo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total</source>
        <comment>Daxo Label16</comment>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dice</source>
        <comment>Daxo Frame1</comment>
        <translation>Dés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 1</source>
        <comment>Daxo Check1</comment>
        <translation>Dé 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 2</source>
        <comment>Daxo Check2</comment>
        <translation>Dé 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 3</source>
        <comment>Daxo Check3</comment>
        <translation>Dé 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 4</source>
        <comment>Daxo Check4</comment>
        <translation>Dé 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 5</source>
        <comment>Daxo Check5</comment>
        <translation>Dé 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Frame4</comment>
        <translation>Triche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Option1</comment>
        <translation>Tricher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uncheat</source>
        <comment>Daxo Option2</comment>
        <translation>Ne plus tricher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pictures</source>
        <comment>Pictures (title)</comment>
        <translation>Images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Pictures Command1</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 1</source>
        <comment>Pictures Option1</comment>
        <translation>Image 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 2</source>
        <comment>Pictures Option2</comment>
        <translation>Image 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 3</source>
        <comment>Pictures Option3</comment>
        <translation>Image 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 4</source>
        <comment>Pictures Option4</comment>
        <translation>Image 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 5</source>
        <comment>Pictures Option5</comment>
        <translation>Image 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <comment>Printer1 (title)</comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What will you print ?</source>
        <comment>Printer1 Label1</comment>
        <translation>que voulez-vous imprimer ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet of points blanc</source>
        <comment>Printer1 Check1</comment>
        <translation>Feuille de points vierge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rules</source>
        <comment>Printer1 Check2</comment>
        <translation>Règles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Points</source>
        <comment>Printer1 Check3</comment>
        <translation>Vos points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Printer1 Command1</comment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <comment>Printer1 Command2</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <comment>Langue (title)</comment>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Langue Command1</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <comment>Langue Option1</comment>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <comment>Langue Option2</comment>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <comment>Apropos (title)</comment>
        <translation>A propos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <comment>Daxo annuler</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <comment>Daxo retablir</comment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pl&amp;ayers…</source>
        <comment>Daxo joueurs</comment>
        <translation>&amp;Joueurs…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score&amp;board</source>
        <comment>Daxo marque</comment>
        <translation>&amp;Tableau des scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;High scores</source>
        <comment>Daxo meilleurs</comment>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistics</source>
        <comment>Daxo statistiques</comment>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <comment>Daxo conseil</comment>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coach</source>
        <comment>Daxo entraineur</comment>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach &amp;guide</source>
        <comment>Daxo guide</comment>
        <translation>&amp;Guide de l&apos;entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Entraîneur (title)</comment>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <comment>Entraîneur Assistee</comment>
        <translation>Partie assistée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best actions:</source>
        <comment>Entraîneur Titre1</comment>
        <translation>Meilleures actions&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game analysis</source>
        <comment>Entraîneur Analyser</comment>
        <translation>&amp;Analyse de la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Entraîneur Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <comment>Analyse (title)</comment>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Analyse Imprimer</comment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Analyse Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Calcul (title)</comment>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach is working out perfect play…</source>
        <comment>Calcul Label1</comment>
        <translation>L&apos;entraîneur calcule le jeu parfait…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Fin (title)</comment>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over. Would you like to see its analysis?</source>
        <comment>Fin Label1</comment>
        <translation>La partie est finie. Voulez-vous voir son analyse&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show the analysis</source>
        <comment>Fin Voir</comment>
        <translation>&amp;Voir l&apos;analyse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Fin Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach guide</source>
        <comment>Guide (title)</comment>
        <translation>Guide de l&apos;entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Guide Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Meilleurs (title)</comment>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Meilleurs Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Bravo (title)</comment>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your &amp;name:</source>
        <comment>Bravo Label2</comment>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics</source>
        <comment>Statistiques (title)</comment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Statistiques Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Players</source>
        <comment>Joueurs (title)</comment>
        <translation>Joueurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of players:</source>
        <comment>Joueurs Label1</comment>
        <translation>&amp;Nombre de joueurs&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computers&apos; pac&amp;e:</source>
        <comment>Joueurs Label2</comment>
        <translation>&amp;Allure des ordinateurs&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Play</source>
        <comment>Joueurs Jouer</comment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Joueurs Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scoreboard</source>
        <comment>Marque (title)</comment>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Marque Imprimer</comment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Marque Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ranking</source>
        <comment>Classement (title)</comment>
        <translation>Classement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Classement Fermer</comment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Règle du Daxo</source>
        <comment>Règle (title)</comment>
        <extracomment>The rules window&apos;s title, &quot;The rules of Daxo&quot;, French in English too.</extracomment>
        <translation>Règle du Daxo</translation>
    </message>
</context>
<context>
    <name>CoachTexts</name>
    <message>
        <location filename="../coach/coach_texts.cpp" line="+48"/>
        <source>Throw the dice</source>
        <translation>Lancer les dés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1</source>
        <extracomment>%1: the box as a sentence speaks of it, &quot;the Four box&quot;.</extracomment>
        <translation>Marquer %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Throw all five again</source>
        <translation>Relancer les cinq dés</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Garder le %1</numerusform>
            <numerusform>Garder les %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>before</source>
        <extracomment>A decision made before the turn&apos;s first throw, in the column of the throws.</extracomment>
        <translation>avant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The coach is working out perfect play: %1%</source>
        <extracomment>%1: how much of perfect play is worked out, in per cent.</extracomment>
        <translation>L&apos;entraîneur calcule le jeu parfait&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%p%</source>
        <extracomment>How a progress bar writes its share done: %p is the number of per cent.</extracomment>
        <translation>%p&#xa0;%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cheat mode touched this game: the coach cannot judge it.</source>
        <translation>La triche a touché cette partie&#xa0;: l&apos;entraîneur ne peut pas la juger.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expected final score: %1</source>
        <translation>Score final attendu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Game over: %1 points</source>
        <translation>Partie finie&#xa0;: %1 points</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game analysis shows what each of your decisions cost.</source>
        <translation>L&apos;analyse de la partie montre ce que chacune de vos décisions a coûté.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No choice to judge yet.</source>
        <translation>Aucun choix à juger pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing to analyse yet: the game has not begun.</source>
        <translation>Rien à analyser pour l&apos;instant&#xa0;: la partie n&apos;a pas commencé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last choice: %1, perfect.</source>
        <translation>Dernier choix&#xa0;: %1, parfait.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>⚠ Last choice: %1, a loss of %2; the best was: %3.</source>
        <translation>⚠ Dernier choix&#xa0;: %1, perte %2&#xa0;; le meilleur était&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last choice: %1, a loss of %2.</source>
        <translation>Dernier choix&#xa0;: %1, perte %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Score: %1 points (perfect play: %2 expected). Total loss: %3; per decision: %4; perfect decisions: %5%.</source>
        <extracomment>%1: the score so far; %2: perfect play&apos;s expected score; %3 and %4: the total loss and the loss per decision; %5: the share of perfect decisions, in per cent.</extracomment>
        <translation>Score&#xa0;: %1 points (jeu parfait&#xa0;: %2 attendus). Perte totale&#xa0;: %3&#xa0;; par décision&#xa0;: %4&#xa0;; décisions parfaites&#xa0;: %5&#xa0;%.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+32"/>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Throw</source>
        <translation>Jet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best choice</source>
        <translation>Meilleur choix</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+31"/>
        <source>Expected final score</source>
        <translation>Score final attendu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chance of winning after each turn</source>
        <translation>Chance de victoire après chaque tour</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>As the scoreboard&apos;s row of the chances of winning reads.</extracomment>
        <translation>Victoire en&#xa0;%</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1%</source>
        <extracomment>A share in per cent, %1 its figure with one decimal.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To win: %1, %2 of winning. For the best score: %3, %4.</source>
        <extracomment>%1 the action with the best chance of winning, %2 that chance; %3 the action of the best expected score, %4 its chance.</extracomment>
        <translation>Pour gagner&#xa0;: %1, %2 de victoire. Pour le meilleur score&#xa0;: %3, %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Expected final score after each decision</source>
        <translation>Score final attendu après chaque décision</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Final score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score so far</source>
        <translation>Score jusqu&apos;ici</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hart:</source>
        <translation>&amp;Courbe&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game was won at turn %1, %2&apos;s: %3&apos;s chance of winning rose from %4 to %5.</source>
        <extracomment>%1 the turn&apos;s number, %2 whose turn it was, %3 the winner, %4 and %5 the winner&apos;s chance before and after.</extracomment>
        <translation>Tour décisif&#xa0;: le tour %1, joué par %2. Chance de victoire pour %3&#xa0;: de %4 à %5.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analysis could not be printed.</source>
        <translation>L&apos;analyse n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What perfect play would score on average by the end of the game from here: the points already scored, plus those it can still expect.</source>
        <translation>Ce que le jeu parfait marquerait en moyenne à la fin de la partie en partant d&apos;ici&#xa0;: les points déjà marqués, plus ceux qu&apos;il peut encore espérer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect choice.</source>
        <translation>Ce qu&apos;un choix coûte en score final attendu, par rapport au meilleur choix. Une perte de 0 est un choix parfait.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A game played with a hint, the coach window, an undo or the cheat mode does not enter the high scores.</source>
        <translation>Une partie jouée avec un conseil, la fenêtre de l&apos;entraîneur, une annulation ou la triche n&apos;entre pas au tableau des meilleurs scores.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your chance of winning after the action, playing perfectly from there, against the others as they play.</source>
        <translation>Votre chance de gagner après l&apos;action, en jouant parfaitement ensuite, contre les autres tels qu&apos;ils jouent.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The perfect decisions are the share of decisions that lost nothing.</source>
        <translation>Les décisions parfaites sont la part des décisions qui n&apos;ont rien perdu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game of:</source>
        <translation>&amp;Partie de&#xa0;:</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../game/game_texts.cpp" line="+33"/>
        <source>Game n°</source>
        <extracomment>The first panel of the status bar, followed at once by the game&apos;s number (&quot;Game n°3&quot;), in 67 pixels.</extracomment>
        <translation>Partie n°</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sub Total : </source>
        <extracomment>A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Sous Total : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Points remaining for Bonus : </source>
        <extracomment>A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.</extracomment>
        <translation>Reste pour Bonus : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus : </source>
        <extracomment>A panel of the status bar, followed by the bonus, 0 or 30. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Bonus : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total : </source>
        <extracomment>A panel of the status bar, followed by the sheet&apos;s total. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Total : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dice&apos;s total : </source>
        <extracomment>A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Total des dés : </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Full</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Full is the box&apos;s caption on the board.</extracomment>
        <translation>Vous n&apos;avez pas de Full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Sequence</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Sequence is the box&apos;s caption on the board.</extracomment>
        <translation>Vous n&apos;avez pas de Suite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Four</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Four is the box&apos;s caption on the board.</extracomment>
        <translation>Vous n&apos;avez pas de Carré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Daxo</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Daxo is the box&apos;s caption on the board.</extracomment>
        <translation>Vous n&apos;avez pas de Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure to click?</source>
        <extracomment>The same message box&apos;s question: score the box for 0 points anyway?</extracomment>
        <translation>Voulez-vous effectuer cette action?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning !</source>
        <extracomment>The same message box&apos;s title.</extracomment>
        <translation>Attention !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are </source>
        <extracomment>The end of a game&apos;s message: this text, the total, then the text that follows (&quot;You are 144 ! Play again ?&quot;). Keep the space at its end.</extracomment>
        <translation>Vous avez </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ! Play again ?</source>
        <extracomment>The end of a game&apos;s message, after the total: it asks whether to play a new game. Keep the space at its start.</extracomment>
        <translation> ! Voulez vous faire une nouvelle partie ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>The end of a game&apos;s message box: its title.</extracomment>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit ? </source>
        <extracomment>The question asked when the player quits during a game.</extracomment>
        <translation>Voulez vous quitter ? </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <extracomment>The title of the question asked when the player quits.</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <location filename="../widgets/level_names.cpp" line="+8"/>
        <source>beginner</source>
        <translation>débutant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>regular</source>
        <translation>régulier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strong</source>
        <translation>fort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>perfect</source>
        <translation>parfait</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>competitive</source>
        <translation>compétitif</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beginner computer</source>
        <translation>Ordinateur débutant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Regular computer</source>
        <translation>Ordinateur régulier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Strong computer</source>
        <translation>Ordinateur fort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perfect computer</source>
        <translation>Ordinateur parfait</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Competitive computer</source>
        <translation>Ordinateur compétitif</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <location filename="../print/print_texts.cpp" line="+15"/>
        <source>The sheet &quot;%1&quot; could not be printed.</source>
        <extracomment>A message box; %1 is the sheet&apos;s name: &quot;Blank score sheet&quot;, &quot;Rules&quot; or &quot;Your points&quot;.</extracomment>
        <translation>La feuille « %1 » n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blank score sheet</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Feuille de points vierge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Règles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your points</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title: the player&apos;s score sheet.</extracomment>
        <translation>Vos points</translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message>
        <location filename="../scores/scores_texts.cpp" line="+20"/>
        <source>Another program holds the history of games: this game is not kept in it yet. Daxo will keep it as soon as the history is free. The game goes on.</source>
        <translation>Un autre programme tient l&apos;historique des parties&#xa0;: cette partie n&apos;y est pas encore gardée. Daxo la gardera dès que l&apos;historique sera libre. Le jeu continue.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games cannot be written (a read-only file or folder): this game is not kept in it. The game goes on.</source>
        <translation>L&apos;historique des parties ne peut pas être écrit (fichier ou dossier en lecture seule)&#xa0;: cette partie n&apos;y est pas gardée. Le jeu continue.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as there is room. The game goes on.</source>
        <translation>Le disque est plein&#xa0;: cette partie n&apos;est pas encore gardée dans l&apos;historique. Daxo la gardera dès qu&apos;il y aura de la place. Le jeu continue.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file of the history of games was damaged. It has been set aside, whole, as %1, and a new history begins.</source>
        <translation>Le fichier de l&apos;historique des parties était abîmé. Il a été mis de côté, entier, sous le nom %1, et un nouvel historique commence.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The history of games could not be written (%1). The game goes on.</source>
        <translation>L&apos;historique des parties n&apos;a pas pu être écrit (%1). Le jeu continue.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>How the high scores write the day and time of a game, as QDateTime::toString reads it.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+129"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your mean</source>
        <translation>Votre moyenne</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+125"/>
        <source>Perfect play</source>
        <translation>Jeu parfait</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+127"/>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mean margin</source>
        <translation>Écart moyen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your games against the computers, level by level</source>
        <translation>Vos parties contre les ordinateurs, niveau par niveau</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each box&apos;s mean, yours and perfect play&apos;s</source>
        <translation>Moyenne de chaque case, la vôtre et celle du jeu parfait</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bonus: %1% of the games.</source>
        <extracomment>The end of the statistics&apos; summary: %1, the share of games with the bonus, in per cent.</extracomment>
        <translation>Bonus&#xa0;: %1&#xa0;% des parties.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One game finished, of %1 points. </source>
        <extracomment>The statistics&apos; summary of a single game: %1, its score. Keep the space at its end.</extracomment>
        <translation>Une partie finie, de %1 points. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Games finished: %1. Mean: %2, best: %3, standard deviation: %4. </source>
        <extracomment>The statistics&apos; summary: %1 the count of games, %2 the mean score, %3 the best, %4 the standard deviation. Keep the space at its end.</extracomment>
        <translation>Parties finies&#xa0;: %1. Moyenne&#xa0;: %2, meilleure&#xa0;: %3, écart type&#xa0;: %4. </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game finished yet: the statistics come with the first one.</source>
        <translation>Aucune partie finie pour l&apos;instant&#xa0;: les statistiques viendront avec la première.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another program holds it</source>
        <translation>un autre programme le tient</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was damaged</source>
        <translation>il était abîmé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file does not answer</source>
        <translation>le fichier ne répond pas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games could not be read (%1): nothing to show for now.</source>
        <translation>L&apos;historique des parties n&apos;a pas pu être lu (%1)&#xa0;: rien à montrer pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No score yet. The ten best finished games played without help (no hint, no coach window, no undo, no cheat mode) come here.</source>
        <translation>Aucun score pour l&apos;instant. Les dix meilleures parties finies sans aide (ni conseil, ni fenêtre de l&apos;entraîneur, ni annulation, ni triche) viendront ici.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Perfect play is being worked out…</source>
        <translation>Le jeu parfait se calcule…</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%nre</numerusform>
            <numerusform>%ne</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your %1-point game takes %2 place in the high scores.</source>
        <extracomment>%1: the game&apos;s score; %2: its place, as ordinal() writes it (&quot;2nd&quot;).</extracomment>
        <translation>Votre partie de %1 points prend la %2 place des meilleurs scores.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game was over: taking back one of its boxes makes it an assisted game, which does not enter the high scores. It stays finished in the history.</source>
        <translation>Cette partie était finie&#xa0;: en reprendre une case en fait une partie assistée, qui n&apos;entre pas au tableau des meilleurs scores. Elle reste finie dans l&apos;historique.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Final scores</source>
        <translation>Scores finaux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mean loss per decision, game after game</source>
        <translation>Perte moyenne par décision, partie après partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your games</source>
        <translation>Vos parties</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <location filename="../shell/shell_texts.cpp" line="+15"/>
        <source>The address %1 could not be opened in the browser.</source>
        <extracomment>A message box; %1 is a web address.</extracomment>
        <translation>Impossible d&apos;ouvrir l&apos;adresse %1 dans le navigateur.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../players/table_texts.cpp" line="+46"/>
        <source> — plays to win, about %1 points a game</source>
        <extracomment>Follows the name of the level that plays to win rather than to score, in the players window: %1, the points it scores on average against perfect play.</extracomment>
        <translation> — joue pour gagner, environ %1 points par partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> — about %1 points a game</source>
        <extracomment>Follows a level&apos;s name in the players window: %1, the points it scores on average.</extracomment>
        <translation> — environ %1 points par partie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Instantanée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1: human or computer</source>
        <translation>Joueur %1&#xa0;: humain ou ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s level</source>
        <translation>Niveau du joueur %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Daxo — %1&apos;s turn</source>
        <extracomment>The board&apos;s title at a table; %1: the player whose turn it is.</extracomment>
        <translation>Daxo — %1 joue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A game is in progress. Leave it for a new game with these players?</source>
        <translation>Une partie est en cours. La quitter pour une nouvelle partie avec ces joueurs&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s turn.</source>
        <translation>%1 joue.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and </source>
        <extracomment>Joins the last two of a list: &quot;3, 3 and 6&quot;, &quot;Anne and Zoé&quot;.</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 throws: %2.</source>
        <extracomment>%1: the player; %2: the five faces thrown, &quot;3, 3, 5, 6, 1&quot;.</extracomment>
        <translation>%1 lance les dés&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 keeps no dice.</source>
        <translation>%1 ne garde aucun dé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 keeps %2.</source>
        <extracomment>%1: the player; %2: the faces kept, &quot;3, 3 and 6&quot;.</extracomment>
        <translation>%1 garde %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 scores %2 in %3.</source>
        <extracomment>%1: the player; %2: the points, &quot;24 points&quot;; %3: the box, &quot;the 6 box&quot;.</extracomment>
        <translation>%1 marque %2 dans %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>keeps no dice</source>
        <extracomment>One throw&apos;s part of a computer&apos;s whole turn told in one sentence.</extracomment>
        <translation>ne garde aucun dé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>keeps %1</source>
        <translation>garde %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2, and scores %3 in %4.</source>
        <extracomment>A computer&apos;s whole turn in one sentence: %1 the player, %2 what it kept at each throw (&quot;keeps 6 and 6, then keeps 6, 6 and 6&quot;), %3 the points, %4 the box.</extracomment>
        <translation>%1 %2, et marque %3 dans %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, then </source>
        <translation>, puis </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins with %2 points.</source>
        <translation>%1 gagne avec %2 points.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 share the win with %2 points.</source>
        <extracomment>Equal totals at the top: %1 the players, &quot;Anne, Bruno and Zoé&quot;; %2 their total.</extracomment>
        <translation>%1 gagnent ex æquo avec %2 points.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%ner</numerusform>
            <numerusform>%ne</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Expected final</source>
        <translation>Final espéré</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The points on the sheet and what each one can still expect, a computer as it plays and a human playing perfectly from here: who is really ahead.</source>
        <translation>Les points de la feuille et ce que chacun peut encore en attendre, un ordinateur tel qu&apos;il joue et un humain jouant parfaitement à partir d&apos;ici&#xa0;: qui mène vraiment.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>The scoreboard&apos;s row of each player&apos;s chance of winning, in per cent: short.</extracomment>
        <translation>Victoire en&#xa0;%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each player&apos;s chance of winning: a computer&apos;s as it plays, a human&apos;s if they play perfectly from here.</source>
        <translation>La chance de gagner de chaque joueur&#xa0;: celle d&apos;un ordinateur tel qu&apos;il joue, celle d&apos;un humain s&apos;il joue parfaitement à partir d&apos;ici.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1%</source>
        <extracomment>A share in per cent, %1 its figure with one decimal.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins %2 of the time, and shares first place %3 of the time.</source>
        <extracomment>%2 the chance of winning, %3 of ending first with another or several.</extracomment>
        <translation>%1 gagne dans %2 des cas et partage la première place dans %3 des cas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game n°%1 — %2&apos;s turn</source>
        <extracomment>The scoreboard&apos;s heading: %1 the game&apos;s number, %2 the player in play.</extracomment>
        <translation>Partie n°%1 — %2 joue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game n°%1 — over</source>
        <translation>Partie n°%1 — finie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working…</source>
        <extracomment>In a cell of the scoreboard while perfect play is worked out: short.</extracomment>
        <translation>calcul…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scoreboard could not be printed.</source>
        <translation>Le tableau des scores n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>daxo::CoachGuide</name>
    <message>
        <location filename="../coach/coach_guide.cpp" line="+22"/>
        <source>The coach</source>
        <translation>L&apos;entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.</source>
        <translation>Daxo connaît exactement le jeu parfait&#xa0;: depuis n&apos;importe quelle position, les points que le meilleur jeu possible marquerait en moyenne d&apos;ici la fin de la partie. Il en tire ce que coûte chaque choix.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint (Ctrl+H)</source>
        <translation>Conseil (Ctrl+H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help &amp;gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.</source>
        <translation>Aide &amp;gt; Conseil marque la meilleure action sur le plateau&#xa0;: le bouton Go, les dés à garder ou la case à marquer. Il ne fait que montrer&#xa0;; les cases à cocher restent comme vous les avez laissées.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach window</source>
        <translation>La fenêtre de l&apos;entraîneur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Expected final score&lt;/b&gt;: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.</source>
        <translation>&lt;b&gt;Score final attendu&lt;/b&gt;&#xa0;: ce que le jeu parfait marquerait en moyenne à la fin de la partie en partant d&apos;où en est votre partie, les points déjà sur votre feuille compris.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Best actions&lt;/b&gt;: what can be done now, best first, each with the expected final score it leads to and its &lt;b&gt;loss&lt;/b&gt;: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.</source>
        <translation>&lt;b&gt;Meilleures actions&lt;/b&gt;&#xa0;: ce qui peut se faire maintenant, la meilleure d&apos;abord, chacune avec le score final attendu auquel elle mène et sa &lt;b&gt;perte&lt;/b&gt;&#xa0;: ce qu&apos;elle coûte par rapport à la meilleure action, en score final attendu. Une perte de 0 est un choix parfait.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Last choice&lt;/b&gt;: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.</source>
        <translation>&lt;b&gt;Dernier choix&lt;/b&gt;&#xa0;: ce qu&apos;a coûté votre dernière décision. Un choix qui a coûté 0,2 point ou plus est signalé, avec le meilleur à côté.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every decision of a game with what it cost: which dice to keep and which box to score (a turn&apos;s first throw is no choice). The &lt;b&gt;total loss&lt;/b&gt; is what your game cost against perfect play; the loss &lt;b&gt;per decision&lt;/b&gt; is its mean; the &lt;b&gt;perfect decisions&lt;/b&gt; are the share of decisions that lost nothing. The chart follows the expected final score after each decision.</source>
        <translation>Chaque décision d&apos;une partie avec ce qu&apos;elle a coûté&#xa0;: les dés à garder et la case à marquer (le premier jet d&apos;un tour n&apos;est pas un choix). La &lt;b&gt;perte totale&lt;/b&gt; est ce que votre partie a coûté par rapport au jeu parfait&#xa0;; la perte &lt;b&gt;par décision&lt;/b&gt; en est la moyenne&#xa0;; les &lt;b&gt;décisions parfaites&lt;/b&gt; sont la part des décisions qui n&apos;ont rien perdu. Le graphique suit le score final attendu après chaque décision.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <translation>Partie assistée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an &lt;b&gt;assisted game&lt;/b&gt;: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.</source>
        <translation>Une partie où vous avez demandé un conseil, où la fenêtre de l&apos;entraîneur vous a montré ses meilleures actions, ou où vous avez repris une case est une &lt;b&gt;partie assistée&lt;/b&gt;&#xa0;: elle est gardée dans l&apos;historique et comptée dans les statistiques, mais n&apos;entre pas au tableau des meilleurs scores, qui est pour les parties que personne n&apos;a aidées.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat mode</source>
        <translation>Triche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a game touched by the cheat mode the coach judges nothing.</source>
        <translation>Dans une partie touchée par la triche, l&apos;entraîneur ne juge rien.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../shell/accessible_names.cpp" line="+9"/>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw the dice</source>
        <translation>Lancia i dadi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Box %1</source>
        <extracomment>A box&apos;s button or score cell: %1 is the box&apos;s caption on the board.</extracomment>
        <translation>Casella %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sub Total</source>
        <translation>Subtotale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold die %1</source>
        <translation>Tieni il dado %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daxo icon</source>
        <translation>Icona di Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: throw the dice</source>
        <translation>Suggerimento: lancia i dadi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: keep this die</source>
        <translation>Suggerimento: tieni questo dado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: score this box</source>
        <translation>Suggerimento: segna questa casella</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, no face</source>
        <translation>%1, nessuna faccia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, face %2</source>
        <extracomment>%1: the die, &quot;Die 2&quot;; %2: the face it shows.</extracomment>
        <translation>%1, faccia %2</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <location filename="../widgets/box_names.cpp" line="+34"/>
        <source>the %1 box</source>
        <extracomment>A box of the score sheet as a sentence speaks of it; %1 is the box&apos;s caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.</extracomment>
        <translation>casella %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <location filename="../i18n/caption_table.cpp" line="+12"/>
        <source>THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 parts.</source>
        <comment>Règle Label1</comment>
        <translation>LO SCOPO: totalizzare il punteggio più alto realizzando combinazioni con 5 dadi. La partita si gioca in 12 turni.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 combinations. At each throw, the player chooses its combination and register the result by clicking the corresponding box. If he doesn&apos;t reach the expected combination, never mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination</source>
        <comment>Règle Label2</comment>
        <translation>IL GIOCO: a ogni turno, con al massimo 3 lanci dei dadi, il giocatore cerca il risultato migliore per una delle 12 combinazioni. Dopo ogni lancio sceglie la sua combinazione, nell&apos;ordine che preferisce, e ne segna il risultato facendo clic sulla casella corrispondente. Se non ottiene nulla che lo soddisfi, fa clic su una casella a sua scelta e vi segna 0 punti.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points</source>
        <comment>Règle Label3</comment>
        <translation>LE COMBINAZIONI: nelle prime 6 si tratta di fare il maggior numero possibile di assi, 2, 3, 4, 5 o 6, che valgono 1, 2, 3, 4, 5 e 6 punti. Per ottenere il bonus di 30 punti servono almeno 60 punti in queste 6 caselle. Il Meno deve essere inferiore al Più e il Più superiore al Meno; entrambi valgono la somma dei 5 dadi. Il Full (tre e due dadi uguali, per es. 5, 5, 5, 2, 2) vale 20 punti, la Scala (1, 2, 3, 4, 5 o 2, 3, 4, 5, 6) 30 punti, il Poker (4 dadi uguali) 40 punti e il Daxo (5 dadi uguali) 50 punti.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Quit</source>
        <comment>Daxo Command14</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Files</source>
        <comment>Daxo Fichier</comment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New game</source>
        <comment>Daxo Nouveau</comment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Daxo Imprimer</comment>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <comment>Daxo prop</comment>
        <translation>&amp;Imposta stampante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <comment>Daxo quit</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Option</source>
        <comment>Daxo Option</comment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language</source>
        <comment>Daxo langues</comment>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pictures</source>
        <comment>Daxo Image12</comment>
        <translation>&amp;Immagini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <comment>Daxo Aide</comment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <comment>Daxo regle</comment>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <comment>Daxo site</comment>
        <translation>Siti &amp;web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <comment>Daxo apropos</comment>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <comment>Daxo Frame3</comment>
        <translation>Punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sub Total</source>
        <comment>Daxo Label8</comment>
        <translation>Subtotale</translation>
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
        <translation>Scala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <comment>Daxo Command10</comment>
        <translation>Poker</translation>
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
        <translation>Totale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dice</source>
        <comment>Daxo Frame1</comment>
        <translation>Dadi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 1</source>
        <comment>Daxo Check1</comment>
        <translation>Dado 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 2</source>
        <comment>Daxo Check2</comment>
        <translation>Dado 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 3</source>
        <comment>Daxo Check3</comment>
        <translation>Dado 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 4</source>
        <comment>Daxo Check4</comment>
        <translation>Dado 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 5</source>
        <comment>Daxo Check5</comment>
        <translation>Dado 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Frame4</comment>
        <translation>Imbrogli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Option1</comment>
        <translation>Imbroglia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uncheat</source>
        <comment>Daxo Option2</comment>
        <translation>Non imbrogliare</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pictures</source>
        <comment>Pictures (title)</comment>
        <translation>Immagini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Pictures Command1</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 1</source>
        <comment>Pictures Option1</comment>
        <translation>Stile 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 2</source>
        <comment>Pictures Option2</comment>
        <translation>Stile 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 3</source>
        <comment>Pictures Option3</comment>
        <translation>Stile 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 4</source>
        <comment>Pictures Option4</comment>
        <translation>Stile 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 5</source>
        <comment>Pictures Option5</comment>
        <translation>Stile 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <comment>Printer1 (title)</comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What will you print ?</source>
        <comment>Printer1 Label1</comment>
        <translation>Che cosa vuoi stampare?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet of points blanc</source>
        <comment>Printer1 Check1</comment>
        <translation>Foglio dei punti vuoto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rules</source>
        <comment>Printer1 Check2</comment>
        <translation>Regole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Points</source>
        <comment>Printer1 Check3</comment>
        <translation>I tuoi punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Printer1 Command1</comment>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <comment>Printer1 Command2</comment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <comment>Langue (title)</comment>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Langue Command1</comment>
        <translation>&amp;Chiudi</translation>
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
        <translation>English</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <comment>Apropos (title)</comment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <comment>Daxo annuler</comment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <comment>Daxo retablir</comment>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pl&amp;ayers…</source>
        <comment>Daxo joueurs</comment>
        <translation>&amp;Giocatori…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score&amp;board</source>
        <comment>Daxo marque</comment>
        <translation>Ta&amp;bellone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;High scores</source>
        <comment>Daxo meilleurs</comment>
        <translation>Migliori &amp;punteggi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistics</source>
        <comment>Daxo statistiques</comment>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <comment>Daxo conseil</comment>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coach</source>
        <comment>Daxo entraineur</comment>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach &amp;guide</source>
        <comment>Daxo guide</comment>
        <translation>&amp;Guida dell&apos;allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Entraîneur (title)</comment>
        <translation>Allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <comment>Entraîneur Assistee</comment>
        <translation>Partita assistita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best actions:</source>
        <comment>Entraîneur Titre1</comment>
        <translation>Azioni migliori:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game analysis</source>
        <comment>Entraîneur Analyser</comment>
        <translation>&amp;Analisi della partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Entraîneur Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <comment>Analyse (title)</comment>
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Analyse Imprimer</comment>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Analyse Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Calcul (title)</comment>
        <translation>Allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach is working out perfect play…</source>
        <comment>Calcul Label1</comment>
        <translation>L&apos;allenatore sta calcolando il gioco perfetto…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Fin (title)</comment>
        <translation>Allenatore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over. Would you like to see its analysis?</source>
        <comment>Fin Label1</comment>
        <translation>La partita è finita. Vuoi vederne l&apos;analisi?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show the analysis</source>
        <comment>Fin Voir</comment>
        <translation>&amp;Mostra l&apos;analisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Fin Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach guide</source>
        <comment>Guide (title)</comment>
        <translation>Guida dell&apos;allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Guide Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Meilleurs (title)</comment>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Meilleurs Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Bravo (title)</comment>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your &amp;name:</source>
        <comment>Bravo Label2</comment>
        <translation>Il tuo &amp;nome:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics</source>
        <comment>Statistiques (title)</comment>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Statistiques Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Players</source>
        <comment>Joueurs (title)</comment>
        <translation>Giocatori</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of players:</source>
        <comment>Joueurs Label1</comment>
        <translation>&amp;Numero di giocatori:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computers&apos; pac&amp;e:</source>
        <comment>Joueurs Label2</comment>
        <translation>&amp;Ritmo dei computer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Play</source>
        <comment>Joueurs Jouer</comment>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Joueurs Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scoreboard</source>
        <comment>Marque (title)</comment>
        <translation>Tabellone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Marque Imprimer</comment>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Marque Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ranking</source>
        <comment>Classement (title)</comment>
        <translation>Classifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Classement Fermer</comment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Règle du Daxo</source>
        <comment>Règle (title)</comment>
        <extracomment>The rules window&apos;s title, &quot;The rules of Daxo&quot;, French in English too.</extracomment>
        <translation>Regole del Daxo</translation>
    </message>
</context>
<context>
    <name>CoachTexts</name>
    <message>
        <location filename="../coach/coach_texts.cpp" line="+48"/>
        <source>Throw the dice</source>
        <translation>Lancia i dadi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1</source>
        <extracomment>%1: the box as a sentence speaks of it, &quot;the Four box&quot;.</extracomment>
        <translation>Segna la %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Throw all five again</source>
        <translation>Rilancia tutti e cinque</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Tieni il %1</numerusform>
            <numerusform>Tieni i %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>before</source>
        <extracomment>A decision made before the turn&apos;s first throw, in the column of the throws.</extracomment>
        <translation>prima</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The coach is working out perfect play: %1%</source>
        <extracomment>%1: how much of perfect play is worked out, in per cent.</extracomment>
        <translation>L&apos;allenatore sta calcolando il gioco perfetto: %1%</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%p%</source>
        <extracomment>How a progress bar writes its share done: %p is the number of per cent.</extracomment>
        <translation>%p%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cheat mode touched this game: the coach cannot judge it.</source>
        <translation>La modalità imbroglio ha toccato questa partita: l&apos;allenatore non può giudicarla.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expected final score: %1</source>
        <translation>Punteggio finale atteso: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Game over: %1 points</source>
        <translation>Partita finita: %1 punti</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game analysis shows what each of your decisions cost.</source>
        <translation>L&apos;analisi della partita mostra quanto è costata ciascuna delle tue decisioni.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No choice to judge yet.</source>
        <translation>Ancora nessuna decisione da giudicare.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing to analyse yet: the game has not begun.</source>
        <translation>Ancora niente da analizzare: la partita non è cominciata.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last choice: %1, perfect.</source>
        <translation>Ultima decisione: %1, perfetta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>⚠ Last choice: %1, a loss of %2; the best was: %3.</source>
        <translation>⚠ Ultima decisione: %1, una perdita di %2; la migliore era: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last choice: %1, a loss of %2.</source>
        <translation>Ultima decisione: %1, una perdita di %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Score: %1 points (perfect play: %2 expected). Total loss: %3; per decision: %4; perfect decisions: %5%.</source>
        <extracomment>%1: the score so far; %2: perfect play&apos;s expected score; %3 and %4: the total loss and the loss per decision; %5: the share of perfect decisions, in per cent.</extracomment>
        <translation>Punteggio: %1 punti (gioco perfetto: %2 attesi). Perdita totale: %3; per decisione: %4; decisioni perfette: %5%.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+32"/>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Throw</source>
        <translation>Lancio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choice</source>
        <translation>Decisione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best choice</source>
        <translation>Decisione migliore</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Loss</source>
        <translation>Perdita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+31"/>
        <source>Expected final score</source>
        <translation>Punteggio finale atteso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chance of winning after each turn</source>
        <translation>Probabilità di vittoria dopo ogni turno</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>As the scoreboard&apos;s row of the chances of winning reads.</extracomment>
        <translation>Vittoria (%)</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1%</source>
        <extracomment>A share in per cent, %1 its figure with one decimal.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To win: %1, %2 of winning. For the best score: %3, %4.</source>
        <extracomment>%1 the action with the best chance of winning, %2 that chance; %3 the action of the best expected score, %4 its chance.</extracomment>
        <translation>Per vincere: %1, %2 di vittoria. Per il punteggio migliore: %3, %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Expected final score after each decision</source>
        <translation>Punteggio finale atteso dopo ogni decisione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Final score</source>
        <translation>Punteggio finale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score so far</source>
        <translation>Punteggio finora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hart:</source>
        <translation>&amp;Grafico:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game was won at turn %1, %2&apos;s: %3&apos;s chance of winning rose from %4 to %5.</source>
        <extracomment>%1 the turn&apos;s number, %2 whose turn it was, %3 the winner, %4 and %5 the winner&apos;s chance before and after.</extracomment>
        <translation>La partita è stata vinta al turno %1, quello di %2: la probabilità di vittoria di %3 è salita da %4 a %5.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analysis could not be printed.</source>
        <translation>Non è stato possibile stampare l&apos;analisi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What perfect play would score on average by the end of the game from here: the points already scored, plus those it can still expect.</source>
        <translation>Quanto il gioco perfetto farebbe in media da qui alla fine della partita: i punti già segnati più quelli che può ancora attendersi.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect choice.</source>
        <translation>Quanto costa una decisione in punteggio finale atteso rispetto alla migliore. Una perdita di 0 è una decisione perfetta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A game played with a hint, the coach window, an undo or the cheat mode does not enter the high scores.</source>
        <translation>Una partita giocata con un suggerimento, la finestra dell&apos;allenatore, un annullamento o la modalità imbroglio non entra nei migliori punteggi.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your chance of winning after the action, playing perfectly from there, against the others as they play.</source>
        <translation>La tua probabilità di vincere dopo l&apos;azione, giocando in modo perfetto da lì, contro gli altri come giocano.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The perfect decisions are the share of decisions that lost nothing.</source>
        <translation>Le decisioni perfette sono la quota di decisioni che non hanno perso nulla.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game of:</source>
        <translation>Partita &amp;di:</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../game/game_texts.cpp" line="+33"/>
        <source>Game n°</source>
        <extracomment>The first panel of the status bar, followed at once by the game&apos;s number (&quot;Game n°3&quot;), in 67 pixels.</extracomment>
        <translation>Partita n. </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sub Total : </source>
        <extracomment>A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Subtotale: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Points remaining for Bonus : </source>
        <extracomment>A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.</extracomment>
        <translation>Mancano al bonus: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus : </source>
        <extracomment>A panel of the status bar, followed by the bonus, 0 or 30. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Bonus: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total : </source>
        <extracomment>A panel of the status bar, followed by the sheet&apos;s total. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Totale: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dice&apos;s total : </source>
        <extracomment>A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Somma dadi: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Full</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Full is the box&apos;s caption on the board.</extracomment>
        <translation>Non hai il Full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Sequence</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Sequence is the box&apos;s caption on the board.</extracomment>
        <translation>Non hai la Scala</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Four</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Four is the box&apos;s caption on the board.</extracomment>
        <translation>Non hai il Poker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Daxo</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Daxo is the box&apos;s caption on the board.</extracomment>
        <translation>Non hai il Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure to click?</source>
        <extracomment>The same message box&apos;s question: score the box for 0 points anyway?</extracomment>
        <translation>Vuoi davvero segnare questa casella?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning !</source>
        <extracomment>The same message box&apos;s title.</extracomment>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are </source>
        <extracomment>The end of a game&apos;s message: this text, the total, then the text that follows (&quot;You are 144 ! Play again ?&quot;). Keep the space at its end.</extracomment>
        <translation>Hai fatto </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ! Play again ?</source>
        <extracomment>The end of a game&apos;s message, after the total: it asks whether to play a new game. Keep the space at its start.</extracomment>
        <translation> punti! Un&apos;altra partita?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>The end of a game&apos;s message box: its title.</extracomment>
        <translation>Fine della partita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit ? </source>
        <extracomment>The question asked when the player quits during a game.</extracomment>
        <translation>Vuoi uscire? </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <extracomment>The title of the question asked when the player quits.</extracomment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <location filename="../widgets/level_names.cpp" line="+8"/>
        <source>beginner</source>
        <translation>principiante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>regular</source>
        <translation>normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strong</source>
        <translation>forte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>perfect</source>
        <translation>perfetto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>competitive</source>
        <translation>competitivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beginner computer</source>
        <translation>Computer principiante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Regular computer</source>
        <translation>Computer normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Strong computer</source>
        <translation>Computer forte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perfect computer</source>
        <translation>Computer perfetto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Competitive computer</source>
        <translation>Computer competitivo</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <location filename="../print/print_texts.cpp" line="+15"/>
        <source>The sheet &quot;%1&quot; could not be printed.</source>
        <extracomment>A message box; %1 is the sheet&apos;s name: &quot;Blank score sheet&quot;, &quot;Rules&quot; or &quot;Your points&quot;.</extracomment>
        <translation>Non è stato possibile stampare il foglio «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blank score sheet</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Foglio dei punti vuoto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Regole</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your points</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title: the player&apos;s score sheet.</extracomment>
        <translation>I tuoi punti</translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message>
        <location filename="../scores/scores_texts.cpp" line="+20"/>
        <source>Another program holds the history of games: this game is not kept in it yet. Daxo will keep it as soon as the history is free. The game goes on.</source>
        <translation>Un altro programma tiene aperto lo storico delle partite: questa partita non vi è ancora salvata. Daxo la salverà appena lo storico sarà libero. Il gioco continua.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games cannot be written (a read-only file or folder): this game is not kept in it. The game goes on.</source>
        <translation>Lo storico delle partite non può essere scritto (un file o una cartella di sola lettura): questa partita non vi viene salvata. Il gioco continua.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as there is room. The game goes on.</source>
        <translation>Il disco è pieno: questa partita non è ancora salvata nello storico. Daxo la salverà appena ci sarà spazio. Il gioco continua.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file of the history of games was damaged. It has been set aside, whole, as %1, and a new history begins.</source>
        <translation>Il file dello storico delle partite era danneggiato. È stato messo da parte, intero, come %1, e comincia un nuovo storico.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The history of games could not be written (%1). The game goes on.</source>
        <translation>Non è stato possibile scrivere lo storico delle partite (%1). Il gioco continua.</translation>
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
        <translation>Punteggio</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your mean</source>
        <translation>La tua media</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+125"/>
        <source>Perfect play</source>
        <translation>Gioco perfetto</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+127"/>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mean margin</source>
        <translation>Scarto medio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your games against the computers, level by level</source>
        <translation>Le tue partite contro i computer, livello per livello</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each box&apos;s mean, yours and perfect play&apos;s</source>
        <translation>La media di ogni casella, la tua e quella del gioco perfetto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bonus: %1% of the games.</source>
        <extracomment>The end of the statistics&apos; summary: %1, the share of games with the bonus, in per cent.</extracomment>
        <translation>Bonus: %1% delle partite.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One game finished, of %1 points. </source>
        <extracomment>The statistics&apos; summary of a single game: %1, its score. Keep the space at its end.</extracomment>
        <translation>Una partita finita, di %1 punti. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Games finished: %1. Mean: %2, best: %3, standard deviation: %4. </source>
        <extracomment>The statistics&apos; summary: %1 the count of games, %2 the mean score, %3 the best, %4 the standard deviation. Keep the space at its end.</extracomment>
        <translation>Partite finite: %1. Media: %2, migliore: %3, deviazione standard: %4. </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game finished yet: the statistics come with the first one.</source>
        <translation>Ancora nessuna partita finita: le statistiche arriveranno con la prima.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another program holds it</source>
        <translation>un altro programma lo tiene aperto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it cannot be opened</source>
        <translation>non può essere aperto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was damaged</source>
        <translation>era danneggiato</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file does not answer</source>
        <translation>il file non risponde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games could not be read (%1): nothing to show for now.</source>
        <translation>Non è stato possibile leggere lo storico delle partite (%1): per ora non c&apos;è niente da mostrare.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No score yet. The ten best finished games played without help (no hint, no coach window, no undo, no cheat mode) come here.</source>
        <translation>Ancora nessun punteggio. Qui compariranno le dieci migliori partite finite senza aiuto (nessun suggerimento, nessuna finestra dell&apos;allenatore, nessun annullamento, nessun imbroglio).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Perfect play is being worked out…</source>
        <translation>Il gioco perfetto è in calcolo…</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%nº</numerusform>
            <numerusform>%nº</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your %1-point game takes %2 place in the high scores.</source>
        <extracomment>%1: the game&apos;s score; %2: its place, as ordinal() writes it (&quot;2nd&quot;).</extracomment>
        <translation>La tua partita di %1 punti si piazza al %2 posto dei migliori punteggi.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game was over: taking back one of its boxes makes it an assisted game, which does not enter the high scores. It stays finished in the history.</source>
        <translation>Questa partita era finita: riprenderne una casella la rende una partita assistita, che non entra nei migliori punteggi. Nello storico resta finita.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Final scores</source>
        <translation>Punteggi finali</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mean loss per decision, game after game</source>
        <translation>Perdita media per decisione, partita dopo partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your games</source>
        <translation>Le tue partite</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loss</source>
        <translation>Perdita</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <location filename="../shell/shell_texts.cpp" line="+15"/>
        <source>The address %1 could not be opened in the browser.</source>
        <extracomment>A message box; %1 is a web address.</extracomment>
        <translation>Non è stato possibile aprire l&apos;indirizzo %1 nel browser.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../players/table_texts.cpp" line="+46"/>
        <source> — plays to win, about %1 points a game</source>
        <extracomment>Follows the name of the level that plays to win rather than to score, in the players window: %1, the points it scores on average against perfect play.</extracomment>
        <translation> — gioca per vincere, circa %1 punti a partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> — about %1 points a game</source>
        <extracomment>Follows a level&apos;s name in the players window: %1, the points it scores on average.</extracomment>
        <translation> — circa %1 punti a partita</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Istantaneo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1: human or computer</source>
        <translation>Giocatore %1: umano o computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s name</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s level</source>
        <translation>Livello del giocatore %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Daxo — %1&apos;s turn</source>
        <extracomment>The board&apos;s title at a table; %1: the player whose turn it is.</extracomment>
        <translation>Daxo — tocca a %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A game is in progress. Leave it for a new game with these players?</source>
        <translation>C&apos;è una partita in corso. Lasciarla per una nuova partita con questi giocatori?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s turn.</source>
        <translation>Tocca a %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and </source>
        <extracomment>Joins the last two of a list: &quot;3, 3 and 6&quot;, &quot;Anne and Zoé&quot;.</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 throws: %2.</source>
        <extracomment>%1: the player; %2: the five faces thrown, &quot;3, 3, 5, 6, 1&quot;.</extracomment>
        <translation>%1 lancia: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 keeps no dice.</source>
        <translation>%1 non tiene nessun dado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 keeps %2.</source>
        <extracomment>%1: the player; %2: the faces kept, &quot;3, 3 and 6&quot;.</extracomment>
        <translation>%1 tiene %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 scores %2 in %3.</source>
        <extracomment>%1: the player; %2: the points, &quot;24 points&quot;; %3: the box, &quot;the 6 box&quot;.</extracomment>
        <translation>%1 segna %2 nella %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>keeps no dice</source>
        <extracomment>One throw&apos;s part of a computer&apos;s whole turn told in one sentence.</extracomment>
        <translation>non tiene nessun dado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>keeps %1</source>
        <translation>tiene %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2, and scores %3 in %4.</source>
        <extracomment>A computer&apos;s whole turn in one sentence: %1 the player, %2 what it kept at each throw (&quot;keeps 6 and 6, then keeps 6, 6 and 6&quot;), %3 the points, %4 the box.</extracomment>
        <translation>%1 %2 e segna %3 nella %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, then </source>
        <translation>, poi </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins with %2 points.</source>
        <translation>%1 vince con %2 punti.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 share the win with %2 points.</source>
        <extracomment>Equal totals at the top: %1 the players, &quot;Anne, Bruno and Zoé&quot;; %2 their total.</extracomment>
        <translation>%1 si dividono la vittoria con %2 punti.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%nº</numerusform>
            <numerusform>%nº</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Expected final</source>
        <translation>Finale atteso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The points on the sheet and what each one can still expect, a computer as it plays and a human playing perfectly from here: who is really ahead.</source>
        <translation>I punti sul foglio e quanto ognuno può ancora aspettarsi, un computer come gioca e un umano che gioca perfettamente da qui: chi è davvero in testa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>The scoreboard&apos;s row of each player&apos;s chance of winning, in per cent: short.</extracomment>
        <translation>Vittoria (%)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each player&apos;s chance of winning: a computer&apos;s as it plays, a human&apos;s if they play perfectly from here.</source>
        <translation>La probabilità di vittoria di ogni giocatore: quella di un computer come gioca, quella di un umano se gioca perfettamente da qui.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1%</source>
        <extracomment>A share in per cent, %1 its figure with one decimal.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins %2 of the time, and shares first place %3 of the time.</source>
        <extracomment>%2 the chance of winning, %3 of ending first with another or several.</extracomment>
        <translation>%1 vince il %2 delle volte e condivide il primo posto il %3 delle volte.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game n°%1 — %2&apos;s turn</source>
        <extracomment>The scoreboard&apos;s heading: %1 the game&apos;s number, %2 the player in play.</extracomment>
        <translation>Partita n. %1 — tocca a %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game n°%1 — over</source>
        <translation>Partita n. %1 — finita</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working…</source>
        <extracomment>In a cell of the scoreboard while perfect play is worked out: short.</extracomment>
        <translation>calcolo…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scoreboard could not be printed.</source>
        <translation>Non è stato possibile stampare il tabellone.</translation>
    </message>
</context>
<context>
    <name>daxo::CoachGuide</name>
    <message>
        <location filename="../coach/coach_guide.cpp" line="+22"/>
        <source>The coach</source>
        <translation>L&apos;allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.</source>
        <translation>Daxo conosce esattamente il gioco perfetto: da ogni posizione, i punti che il miglior gioco possibile farebbe in media fino alla fine della partita. Da qui dice quanto costa ogni decisione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint (Ctrl+H)</source>
        <translation>Suggerimento (Ctrl+H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help &amp;gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.</source>
        <translation>Aiuto &amp;gt; Suggerimento segna sul tavolo l&apos;azione migliore: il pulsante Go, i dadi da tenere o la casella da segnare. Indica soltanto; le caselle per tenere i dadi restano come le hai lasciate.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach window</source>
        <translation>La finestra dell&apos;allenatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Expected final score&lt;/b&gt;: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.</source>
        <translation>&lt;b&gt;Punteggio finale atteso&lt;/b&gt;: quanto il gioco perfetto farebbe in media fino alla fine della partita dal punto in cui si trova la tua, compresi i punti già segnati sul foglio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Best actions&lt;/b&gt;: what can be done now, best first, each with the expected final score it leads to and its &lt;b&gt;loss&lt;/b&gt;: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.</source>
        <translation>&lt;b&gt;Azioni migliori&lt;/b&gt;: ciò che si può fare ora, dalla migliore, ciascuna con il punteggio finale atteso a cui porta e la sua &lt;b&gt;perdita&lt;/b&gt;: quanto costa rispetto all&apos;azione migliore, in punteggio finale atteso. Una perdita di 0 è una decisione perfetta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Last choice&lt;/b&gt;: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.</source>
        <translation>&lt;b&gt;Ultima decisione&lt;/b&gt;: quanto è costata la tua ultima decisione. Una decisione costata 0,2 punti o più viene segnalata, con accanto la migliore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every decision of a game with what it cost: which dice to keep and which box to score (a turn&apos;s first throw is no choice). The &lt;b&gt;total loss&lt;/b&gt; is what your game cost against perfect play; the loss &lt;b&gt;per decision&lt;/b&gt; is its mean; the &lt;b&gt;perfect decisions&lt;/b&gt; are the share of decisions that lost nothing. The chart follows the expected final score after each decision.</source>
        <translation>Ogni decisione di una partita con il suo costo: quali dadi tenere e quale casella segnare (il primo lancio di un turno non è una scelta). La &lt;b&gt;perdita totale&lt;/b&gt; è quanto la tua partita è costata rispetto al gioco perfetto; la perdita &lt;b&gt;per decisione&lt;/b&gt; ne è la media; le &lt;b&gt;decisioni perfette&lt;/b&gt; sono la quota di decisioni che non hanno perso nulla. Il grafico segue il punteggio finale atteso dopo ogni decisione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <translation>Partita assistita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an &lt;b&gt;assisted game&lt;/b&gt;: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.</source>
        <translation>Una partita in cui hai chiesto un suggerimento, ti sei fatto mostrare dalla finestra dell&apos;allenatore le azioni migliori o hai ripreso una casella è una &lt;b&gt;partita assistita&lt;/b&gt;: resta nello storico e conta nelle statistiche, ma non entra nei migliori punteggi, riservati alle partite giocate senza alcun aiuto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat mode</source>
        <translation>Modalità imbroglio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a game touched by the cheat mode the coach judges nothing.</source>
        <translation>In una partita toccata dalla modalità imbroglio l&apos;allenatore non giudica nulla.</translation>
    </message>
</context>
</TS>

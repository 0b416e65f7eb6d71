<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../shell/accessible_names.cpp" line="+9"/>
        <source>Die %1</source>
        <translation>Steen %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw the dice</source>
        <translation>Gooi de stenen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Box %1</source>
        <extracomment>A box&apos;s button or score cell: %1 is the box&apos;s caption on the board.</extracomment>
        <translation>Vak %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sub Total</source>
        <translation>Subtotaal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold die %1</source>
        <translation>Steen %1 vasthouden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daxo icon</source>
        <translation>Daxo-pictogram</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: throw the dice</source>
        <translation>Tip: gooi de stenen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: keep this die</source>
        <translation>Tip: houd deze steen vast</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: score this box</source>
        <translation>Tip: vul dit vak in</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, no face</source>
        <translation>%1, geen ogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, face %2</source>
        <extracomment>%1: the die, &quot;Die 2&quot;; %2: the face it shows.</extracomment>
        <translation>%1, toont %2</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <location filename="../widgets/box_names.cpp" line="+34"/>
        <source>the %1 box</source>
        <extracomment>A box of the score sheet as a sentence speaks of it; %1 is the box&apos;s caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.</extracomment>
        <translation>het vak %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <location filename="../i18n/caption_table.cpp" line="+12"/>
        <source>THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 parts.</source>
        <comment>Règle Label1</comment>
        <translation>HET DOEL: met 5 dobbelstenen combinaties maken en zo de hoogste score halen. Een spel telt 12 beurten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 combinations. At each throw, the player chooses its combination and register the result by clicking the corresponding box. If he doesn&apos;t reach the expected combination, never mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination</source>
        <comment>Règle Label2</comment>
        <translation>HET SPEL: in elke beurt zoekt de speler met hoogstens 3 worpen het beste resultaat voor een van de 12 combinaties. Na elke worp kiest hij in willekeurige volgorde zijn combinatie en noteert het resultaat door op het bijbehorende vak te klikken. Haalt hij niets wat hem bevalt, dan klikt hij op een vak naar keuze en krijgt daar 0 punten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points</source>
        <comment>Règle Label3</comment>
        <translation>DE COMBINATIES: bij de eerste 6 gaat het erom zoveel mogelijk enen, tweeën, drieën, vieren, vijven of zessen te gooien, die 1, 2, 3, 4, 5 en 6 punten waard zijn. Wie in deze 6 vakken samen minstens 60 punten haalt, krijgt de bonus van 30 punten. Min moet lager zijn dan Plus en Plus hoger dan Min; beide zijn de som van de 5 stenen. De Full house (drie en twee gelijke stenen, bv. 5, 5, 5, 2, 2) is 20 punten waard, de Straat (1, 2, 3, 4, 5 of 2, 3, 4, 5, 6) 30 punten, het Carré (4 gelijke stenen) 40 punten en de Daxo (5 gelijke stenen) 50 punten.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Quit</source>
        <comment>Daxo Command14</comment>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Files</source>
        <comment>Daxo Fichier</comment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New game</source>
        <comment>Daxo Nouveau</comment>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Daxo Imprimer</comment>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <comment>Daxo prop</comment>
        <translation>&amp;Printerinstellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <comment>Daxo quit</comment>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Option</source>
        <comment>Daxo Option</comment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language</source>
        <comment>Daxo langues</comment>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pictures</source>
        <comment>Daxo Image12</comment>
        <translation>&amp;Afbeeldingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <comment>Daxo Aide</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <comment>Daxo regle</comment>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <comment>Daxo site</comment>
        <translation>&amp;Websites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <comment>Daxo apropos</comment>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <comment>Daxo Frame3</comment>
        <translation>Punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sub Total</source>
        <comment>Daxo Label8</comment>
        <translation>Subtotaal</translation>
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
        <translation>Full house</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <comment>Daxo Command9</comment>
        <translation>Straat</translation>
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
        <translation>Totaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dice</source>
        <comment>Daxo Frame1</comment>
        <translation>Stenen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 1</source>
        <comment>Daxo Check1</comment>
        <translation>Steen&#x2009;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 2</source>
        <comment>Daxo Check2</comment>
        <translation>Steen&#x2009;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 3</source>
        <comment>Daxo Check3</comment>
        <translation>Steen&#x2009;3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 4</source>
        <comment>Daxo Check4</comment>
        <translation>Steen&#x2009;4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 5</source>
        <comment>Daxo Check5</comment>
        <translation>Steen&#x2009;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Frame4</comment>
        <translation>Valsspelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Option1</comment>
        <translation>Vals</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uncheat</source>
        <comment>Daxo Option2</comment>
        <translation>Niet vals</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pictures</source>
        <comment>Pictures (title)</comment>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Pictures Command1</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 1</source>
        <comment>Pictures Option1</comment>
        <translation>Stijl 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 2</source>
        <comment>Pictures Option2</comment>
        <translation>Stijl 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 3</source>
        <comment>Pictures Option3</comment>
        <translation>Stijl 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 4</source>
        <comment>Pictures Option4</comment>
        <translation>Stijl 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 5</source>
        <comment>Pictures Option5</comment>
        <translation>Stijl 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <comment>Printer1 (title)</comment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What will you print ?</source>
        <comment>Printer1 Label1</comment>
        <translation>Wat wilt u afdrukken?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet of points blanc</source>
        <comment>Printer1 Check1</comment>
        <translation>Leeg scoreblad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rules</source>
        <comment>Printer1 Check2</comment>
        <translation>Regels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Points</source>
        <comment>Printer1 Check3</comment>
        <translation>Uw punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Printer1 Command1</comment>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <comment>Printer1 Command2</comment>
        <translation>A&amp;nnuleren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <comment>Langue (title)</comment>
        <translation>Taal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Langue Command1</comment>
        <translation>&amp;Sluiten</translation>
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
        <translation>Over</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <comment>Daxo annuler</comment>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <comment>Daxo retablir</comment>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pl&amp;ayers…</source>
        <comment>Daxo joueurs</comment>
        <translation>&amp;Spelers…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score&amp;board</source>
        <comment>Daxo marque</comment>
        <translation>Score&amp;bord</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;High scores</source>
        <comment>Daxo meilleurs</comment>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistics</source>
        <comment>Daxo statistiques</comment>
        <translation>Stat&amp;istieken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <comment>Daxo conseil</comment>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coach</source>
        <comment>Daxo entraineur</comment>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach &amp;guide</source>
        <comment>Daxo guide</comment>
        <translation>Coach&amp;gids</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Entraîneur (title)</comment>
        <translation>Coach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <comment>Entraîneur Assistee</comment>
        <translation>Geholpen spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best actions:</source>
        <comment>Entraîneur Titre1</comment>
        <translation>Beste zetten:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game analysis</source>
        <comment>Entraîneur Analyser</comment>
        <translation>Spel&amp;analyse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Entraîneur Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <comment>Analyse (title)</comment>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Analyse Imprimer</comment>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Analyse Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Calcul (title)</comment>
        <translation>Coach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach is working out perfect play…</source>
        <comment>Calcul Label1</comment>
        <translation>De coach berekent het perfecte spel…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Fin (title)</comment>
        <translation>Coach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over. Would you like to see its analysis?</source>
        <comment>Fin Label1</comment>
        <translation>Het spel is afgelopen. Wilt u de analyse ervan zien?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show the analysis</source>
        <comment>Fin Voir</comment>
        <translation>Analyse &amp;tonen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Fin Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach guide</source>
        <comment>Guide (title)</comment>
        <translation>Coachgids</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Guide Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Meilleurs (title)</comment>
        <translation>Topscores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Meilleurs Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Bravo (title)</comment>
        <translation>Topscores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your &amp;name:</source>
        <comment>Bravo Label2</comment>
        <translation>Uw &amp;naam:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics</source>
        <comment>Statistiques (title)</comment>
        <translation>Statistieken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Statistiques Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Players</source>
        <comment>Joueurs (title)</comment>
        <translation>Spelers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of players:</source>
        <comment>Joueurs Label1</comment>
        <translation>&amp;Aantal spelers:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computers&apos; pac&amp;e:</source>
        <comment>Joueurs Label2</comment>
        <translation>&amp;Tempo van de computers:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Play</source>
        <comment>Joueurs Jouer</comment>
        <translation>S&amp;pelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Joueurs Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scoreboard</source>
        <comment>Marque (title)</comment>
        <translation>Scorebord</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Marque Imprimer</comment>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Marque Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ranking</source>
        <comment>Classement (title)</comment>
        <translation>Ranglijst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Classement Fermer</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Règle du Daxo</source>
        <comment>Règle (title)</comment>
        <extracomment>The rules window&apos;s title, &quot;The rules of Daxo&quot;, French in English too.</extracomment>
        <translation>Regels van Daxo</translation>
    </message>
</context>
<context>
    <name>CoachTexts</name>
    <message>
        <location filename="../coach/coach_texts.cpp" line="+48"/>
        <source>Throw the dice</source>
        <translation>Gooi de stenen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1</source>
        <extracomment>%1: the box as a sentence speaks of it, &quot;the Four box&quot;.</extracomment>
        <translation>Vul %1 in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Throw all five again</source>
        <translation>Gooi alle vijf opnieuw</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Houd de %1 vast</numerusform>
            <numerusform>Houd de %1 vast</numerusform>
        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>before</source>
        <extracomment>A decision made before the turn&apos;s first throw, in the column of the throws.</extracomment>
        <translation>vooraf</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The coach is working out perfect play: %1%</source>
        <extracomment>%1: how much of perfect play is worked out, in per cent.</extracomment>
        <translation>De coach berekent het perfecte spel: %1%</translation>
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
        <translation>Er is in dit spel valsgespeeld: de coach kan het niet beoordelen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expected final score: %1</source>
        <translation>Verwachte eindscore: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Game over: %1 points</source>
        <translation>Spel voorbij: %1 punten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game analysis shows what each of your decisions cost.</source>
        <translation>De spelanalyse laat zien wat elk van uw beslissingen heeft gekost.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No choice to judge yet.</source>
        <translation>Nog geen beslissing om te beoordelen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing to analyse yet: the game has not begun.</source>
        <translation>Nog niets te analyseren: het spel is niet begonnen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last choice: %1, perfect.</source>
        <translation>Laatste beslissing: %1, perfect.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>⚠ Last choice: %1, a loss of %2; the best was: %3.</source>
        <translation>⚠ Laatste beslissing: %1, een verlies van %2; het beste was: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last choice: %1, a loss of %2.</source>
        <translation>Laatste beslissing: %1, een verlies van %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Score: %1 points (perfect play: %2 expected). Total loss: %3; per decision: %4; perfect decisions: %5%.</source>
        <extracomment>%1: the score so far; %2: perfect play&apos;s expected score; %3 and %4: the total loss and the loss per decision; %5: the share of perfect decisions, in per cent.</extracomment>
        <translation>Score: %1 punten (perfect spel: %2 verwacht). Totaal verlies: %3; per beslissing: %4; perfecte beslissingen: %5%.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+32"/>
        <source>Turn</source>
        <translation>Beurt</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Throw</source>
        <translation>Worp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dice</source>
        <translation>Stenen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choice</source>
        <translation>Beslissing</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best choice</source>
        <translation>Beste beslissing</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Loss</source>
        <translation>Verlies</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Zet</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+31"/>
        <source>Expected final score</source>
        <translation>Verwachte eindscore</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chance of winning after each turn</source>
        <translation>Winkans na elke beurt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>As the scoreboard&apos;s row of the chances of winning reads.</extracomment>
        <translation>Winkans (%)</translation>
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
        <translation>Om te winnen: %1, %2 winkans. Voor de beste score: %3, %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Expected final score after each decision</source>
        <translation>Verwachte eindscore na elke beslissing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Final score</source>
        <translation>Eindscore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score so far</source>
        <translation>Score tot nu toe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hart:</source>
        <translation>&amp;Grafiek:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game was won at turn %1, %2&apos;s: %3&apos;s chance of winning rose from %4 to %5.</source>
        <extracomment>%1 the turn&apos;s number, %2 whose turn it was, %3 the winner, %4 and %5 the winner&apos;s chance before and after.</extracomment>
        <translation>Het spel werd gewonnen in beurt %1, die van %2: de winkans van %3 steeg van %4 naar %5.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analysis could not be printed.</source>
        <translation>De analyse kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What perfect play would score on average by the end of the game from here: the points already scored, plus those it can still expect.</source>
        <translation>Wat perfect spel vanaf hier tot het einde van het spel gemiddeld zou halen: de punten die al genoteerd zijn, plus die het nog kan verwachten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect choice.</source>
        <translation>Wat een beslissing kost aan verwachte eindscore, vergeleken met de beste. Een verlies van 0 is een perfecte beslissing.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A game played with a hint, the coach window, an undo or the cheat mode does not enter the high scores.</source>
        <translation>Een spel gespeeld met een tip, het coachvenster, ongedaan maken of valsspelen komt niet in de topscores.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your chance of winning after the action, playing perfectly from there, against the others as they play.</source>
        <translation>Je winkans na de actie, als je vanaf daar perfect speelt, tegen de anderen zoals zij spelen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The perfect decisions are the share of decisions that lost nothing.</source>
        <translation>De perfecte beslissingen zijn het aandeel beslissingen dat niets heeft gekost.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game of:</source>
        <translation>Spel &amp;van:</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../game/game_texts.cpp" line="+33"/>
        <source>Game n°</source>
        <extracomment>The first panel of the status bar, followed at once by the game&apos;s number (&quot;Game n°3&quot;), in 67 pixels.</extracomment>
        <translation>Spel nr. </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sub Total : </source>
        <extracomment>A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Subtotaal: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Points remaining for Bonus : </source>
        <extracomment>A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.</extracomment>
        <translation>Tekort voor bonus: </translation>
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
        <translation>Totaal: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dice&apos;s total : </source>
        <extracomment>A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Som stenen: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Full</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Full is the box&apos;s caption on the board.</extracomment>
        <translation>U hebt geen Full house</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Sequence</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Sequence is the box&apos;s caption on the board.</extracomment>
        <translation>U hebt geen Straat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Four</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Four is the box&apos;s caption on the board.</extracomment>
        <translation>U hebt geen Carré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Daxo</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Daxo is the box&apos;s caption on the board.</extracomment>
        <translation>U hebt geen Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure to click?</source>
        <extracomment>The same message box&apos;s question: score the box for 0 points anyway?</extracomment>
        <translation>Wilt u dit vak echt invullen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning !</source>
        <extracomment>The same message box&apos;s title.</extracomment>
        <translation>Let op!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are </source>
        <extracomment>The end of a game&apos;s message: this text, the total, then the text that follows (&quot;You are 144 ! Play again ?&quot;). Keep the space at its end.</extracomment>
        <translation>U hebt </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ! Play again ?</source>
        <extracomment>The end of a game&apos;s message, after the total: it asks whether to play a new game. Keep the space at its start.</extracomment>
        <translation> punten! Nog een spel?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>The end of a game&apos;s message box: its title.</extracomment>
        <translation>Einde van het spel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit ? </source>
        <extracomment>The question asked when the player quits during a game.</extracomment>
        <translation>Wilt u afsluiten? </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <extracomment>The title of the question asked when the player quits.</extracomment>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <location filename="../widgets/level_names.cpp" line="+8"/>
        <source>beginner</source>
        <translation>beginner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>regular</source>
        <translation>gemiddeld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strong</source>
        <translation>sterk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>perfect</source>
        <translation>perfect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>competitive</source>
        <translation>competitief</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beginner computer</source>
        <translation>Beginnende computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Regular computer</source>
        <translation>Gemiddelde computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Strong computer</source>
        <translation>Sterke computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perfect computer</source>
        <translation>Perfecte computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Competitive computer</source>
        <translation>Competitieve computer</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <location filename="../print/print_texts.cpp" line="+15"/>
        <source>The sheet &quot;%1&quot; could not be printed.</source>
        <extracomment>A message box; %1 is the sheet&apos;s name: &quot;Blank score sheet&quot;, &quot;Rules&quot; or &quot;Your points&quot;.</extracomment>
        <translation>Het blad ‘%1’ kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blank score sheet</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Leeg scoreblad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Regels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your points</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title: the player&apos;s score sheet.</extracomment>
        <translation>Uw punten</translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message>
        <location filename="../scores/scores_texts.cpp" line="+20"/>
        <source>Another program holds the history of games: this game is not kept in it yet. Daxo will keep it as soon as the history is free. The game goes on.</source>
        <translation>Een ander programma houdt de spelgeschiedenis vast: dit spel is daar nog niet in bewaard. Daxo bewaart het zodra de geschiedenis vrij is. Het spel gaat door.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games cannot be written (a read-only file or folder): this game is not kept in it. The game goes on.</source>
        <translation>De spelgeschiedenis kan niet worden geschreven (een alleen-lezen bestand of map): dit spel wordt daar niet in bewaard. Het spel gaat door.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as there is room. The game goes on.</source>
        <translation>De schijf is vol: dit spel is nog niet in de geschiedenis bewaard. Daxo bewaart het zodra er weer ruimte is. Het spel gaat door.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file of the history of games was damaged. It has been set aside, whole, as %1, and a new history begins.</source>
        <translation>Het bestand van de spelgeschiedenis was beschadigd. Het is in zijn geheel opzijgezet als %1, en een nieuwe geschiedenis begint.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The history of games could not be written (%1). The game goes on.</source>
        <translation>De spelgeschiedenis kon niet worden geschreven (%1). Het spel gaat door.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>How the high scores write the day and time of a game, as QDateTime::toString reads it.</extracomment>
        <translation>dd-MM-yyyy HH:mm</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your mean</source>
        <translation>Uw gemiddelde</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+125"/>
        <source>Perfect play</source>
        <translation>Perfect spel</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+127"/>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mean margin</source>
        <translation>Gemiddeld verschil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your games against the computers, level by level</source>
        <translation>Uw spellen tegen de computers, niveau voor niveau</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each box&apos;s mean, yours and perfect play&apos;s</source>
        <translation>Het gemiddelde van elk vak, het uwe en dat van perfect spel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bonus: %1% of the games.</source>
        <extracomment>The end of the statistics&apos; summary: %1, the share of games with the bonus, in per cent.</extracomment>
        <translation>Bonus: %1% van de spellen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One game finished, of %1 points. </source>
        <extracomment>The statistics&apos; summary of a single game: %1, its score. Keep the space at its end.</extracomment>
        <translation>Eén spel uitgespeeld, met %1 punten. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Games finished: %1. Mean: %2, best: %3, standard deviation: %4. </source>
        <extracomment>The statistics&apos; summary: %1 the count of games, %2 the mean score, %3 the best, %4 the standard deviation. Keep the space at its end.</extracomment>
        <translation>Uitgespeelde spellen: %1. Gemiddelde: %2, beste: %3, standaardafwijking: %4. </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game finished yet: the statistics come with the first one.</source>
        <translation>Nog geen spel uitgespeeld: de statistieken komen met het eerste.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another program holds it</source>
        <translation>een ander programma houdt haar vast</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it cannot be opened</source>
        <translation>ze kan niet worden geopend</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was damaged</source>
        <translation>ze was beschadigd</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file does not answer</source>
        <translation>het bestand antwoordt niet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games could not be read (%1): nothing to show for now.</source>
        <translation>De spelgeschiedenis kon niet worden gelezen (%1): voorlopig is er niets te tonen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No score yet. The ten best finished games played without help (no hint, no coach window, no undo, no cheat mode) come here.</source>
        <translation>Nog geen scores. Hier komen de tien beste spellen die zonder hulp zijn uitgespeeld (geen tip, geen coachvenster, geen ongedaan maken, geen valsspelen).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Perfect play is being worked out…</source>
        <translation>Het perfecte spel wordt berekend…</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%ne</numerusform>
            <numerusform>%ne</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your %1-point game takes %2 place in the high scores.</source>
        <extracomment>%1: the game&apos;s score; %2: its place, as ordinal() writes it (&quot;2nd&quot;).</extracomment>
        <translation>Uw spel van %1 punten neemt de %2 plaats in de topscores in.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game was over: taking back one of its boxes makes it an assisted game, which does not enter the high scores. It stays finished in the history.</source>
        <translation>Dit spel was afgelopen: wie er een vak van terugneemt, maakt er een geholpen spel van, dat niet in de topscores komt. In de geschiedenis blijft het uitgespeeld.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Final scores</source>
        <translation>Eindscores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mean loss per decision, game after game</source>
        <translation>Gemiddeld verlies per beslissing, spel na spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your games</source>
        <translation>Uw spellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loss</source>
        <translation>Verlies</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <location filename="../shell/shell_texts.cpp" line="+15"/>
        <source>The address %1 could not be opened in the browser.</source>
        <extracomment>A message box; %1 is a web address.</extracomment>
        <translation>Het adres %1 kon niet in de browser worden geopend.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../players/table_texts.cpp" line="+46"/>
        <source> — plays to win, about %1 points a game</source>
        <extracomment>Follows the name of the level that plays to win rather than to score, in the players window: %1, the points it scores on average against perfect play.</extracomment>
        <translation> — speelt om te winnen, ongeveer %1 punten per spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> — about %1 points a game</source>
        <extracomment>Follows a level&apos;s name in the players window: %1, the points it scores on average.</extracomment>
        <translation> — ongeveer %1 punten per spel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Direct</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Human</source>
        <translation>Mens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1: human or computer</source>
        <translation>Speler %1: mens of computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s name</source>
        <translation>Naam van speler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s level</source>
        <translation>Niveau van speler %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Daxo — %1&apos;s turn</source>
        <extracomment>The board&apos;s title at a table; %1: the player whose turn it is.</extracomment>
        <translation>Daxo — %1 is aan de beurt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A game is in progress. Leave it for a new game with these players?</source>
        <translation>Er is een spel bezig. Dat verlaten voor een nieuw spel met deze spelers?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s turn.</source>
        <translation>%1 is aan de beurt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and </source>
        <extracomment>Joins the last two of a list: &quot;3, 3 and 6&quot;, &quot;Anne and Zoé&quot;.</extracomment>
        <translation> en </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 throws: %2.</source>
        <extracomment>%1: the player; %2: the five faces thrown, &quot;3, 3, 5, 6, 1&quot;.</extracomment>
        <translation>%1 gooit: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 keeps no dice.</source>
        <translation>%1 houdt geen stenen vast.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 keeps %2.</source>
        <extracomment>%1: the player; %2: the faces kept, &quot;3, 3 and 6&quot;.</extracomment>
        <translation>%1 houdt %2 vast.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 scores %2 in %3.</source>
        <extracomment>%1: the player; %2: the points, &quot;24 points&quot;; %3: the box, &quot;the 6 box&quot;.</extracomment>
        <translation>%1 noteert %2 in %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>keeps no dice</source>
        <extracomment>One throw&apos;s part of a computer&apos;s whole turn told in one sentence.</extracomment>
        <translation>houdt geen stenen vast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>keeps %1</source>
        <translation>houdt %1 vast</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2, and scores %3 in %4.</source>
        <extracomment>A computer&apos;s whole turn in one sentence: %1 the player, %2 what it kept at each throw (&quot;keeps 6 and 6, then keeps 6, 6 and 6&quot;), %3 the points, %4 the box.</extracomment>
        <translation>%1 %2 en noteert %3 in %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, then </source>
        <translation>, daarna </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins with %2 points.</source>
        <translation>%1 wint met %2 punten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 share the win with %2 points.</source>
        <extracomment>Equal totals at the top: %1 the players, &quot;Anne, Bruno and Zoé&quot;; %2 their total.</extracomment>
        <translation>%1 delen de overwinning met %2 punten.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%ne</numerusform>
            <numerusform>%ne</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Expected final</source>
        <translation>Verwacht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The points on the sheet and what each one can still expect, a computer as it plays and a human playing perfectly from here: who is really ahead.</source>
        <translation>De punten op het blad en wat ieder nog kan verwachten, een computer zoals hij speelt en een mens die vanaf hier perfect speelt: wie werkelijk voorstaat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>The scoreboard&apos;s row of each player&apos;s chance of winning, in per cent: short.</extracomment>
        <translation>Winkans (%)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each player&apos;s chance of winning: a computer&apos;s as it plays, a human&apos;s if they play perfectly from here.</source>
        <translation>De winkans van elke speler: van een computer zoals hij speelt, van een mens als hij vanaf hier perfect speelt.</translation>
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
        <translation>%1 wint in %2 van de gevallen en deelt de eerste plaats in %3 van de gevallen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game n°%1 — %2&apos;s turn</source>
        <extracomment>The scoreboard&apos;s heading: %1 the game&apos;s number, %2 the player in play.</extracomment>
        <translation>Spel nr. %1 — %2 is aan de beurt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game n°%1 — over</source>
        <translation>Spel nr. %1 — afgelopen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working…</source>
        <extracomment>In a cell of the scoreboard while perfect play is worked out: short.</extracomment>
        <translation>rekent…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scoreboard could not be printed.</source>
        <translation>Het scorebord kon niet worden afgedrukt.</translation>
    </message>
</context>
<context>
    <name>daxo::CoachGuide</name>
    <message>
        <location filename="../coach/coach_guide.cpp" line="+22"/>
        <source>The coach</source>
        <translation>De coach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.</source>
        <translation>Daxo kent het perfecte spel precies: vanuit elke stand de punten die het best mogelijke spel tot het einde van het spel gemiddeld zou halen. Daaruit leidt het af wat elke beslissing kost.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint (Ctrl+H)</source>
        <translation>Tip (Ctrl+H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help &amp;gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.</source>
        <translation>Help &amp;gt; Tip markeert de beste zet op het speelveld: de knop Go, de stenen om vast te houden of het vak om in te vullen. Het wijst alleen aan; de vakjes om vast te houden blijven zoals u ze liet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach window</source>
        <translation>Het coachvenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Expected final score&lt;/b&gt;: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.</source>
        <translation>&lt;b&gt;Verwachte eindscore&lt;/b&gt;: wat perfect spel vanaf uw stand tot het einde van het spel gemiddeld zou halen, de punten op uw blad inbegrepen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Best actions&lt;/b&gt;: what can be done now, best first, each with the expected final score it leads to and its &lt;b&gt;loss&lt;/b&gt;: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.</source>
        <translation>&lt;b&gt;Beste zetten&lt;/b&gt;: wat nu kan, de beste eerst, elk met de verwachte eindscore waartoe het leidt en zijn &lt;b&gt;verlies&lt;/b&gt;: wat het kost vergeleken met de beste zet, in verwachte eindscore. Een verlies van 0 is een perfecte beslissing.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Last choice&lt;/b&gt;: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.</source>
        <translation>&lt;b&gt;Laatste beslissing&lt;/b&gt;: wat uw laatste beslissing heeft gekost. Een beslissing die 0,2 punten of meer kostte, wordt aangewezen, met de beste ernaast.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every decision of a game with what it cost: which dice to keep and which box to score (a turn&apos;s first throw is no choice). The &lt;b&gt;total loss&lt;/b&gt; is what your game cost against perfect play; the loss &lt;b&gt;per decision&lt;/b&gt; is its mean; the &lt;b&gt;perfect decisions&lt;/b&gt; are the share of decisions that lost nothing. The chart follows the expected final score after each decision.</source>
        <translation>Elke beslissing van een spel met wat ze kostte: welke stenen vast te houden en welk vak in te vullen (de eerste worp van een beurt is geen keuze). Het &lt;b&gt;totale verlies&lt;/b&gt; is wat uw spel kostte vergeleken met perfect spel; het verlies &lt;b&gt;per beslissing&lt;/b&gt; is daarvan het gemiddelde; de &lt;b&gt;perfecte beslissingen&lt;/b&gt; zijn het aandeel beslissingen dat niets kostte. De grafiek volgt de verwachte eindscore na elke beslissing.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <translation>Geholpen spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an &lt;b&gt;assisted game&lt;/b&gt;: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.</source>
        <translation>Een spel waarin u om een tip vroeg, het coachvenster zijn beste zetten liet tonen of een vak terugnam, is een &lt;b&gt;geholpen spel&lt;/b&gt;: het blijft in de geschiedenis en telt mee in de statistieken, maar komt niet in de topscores, die voor spellen zonder enige hulp zijn.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat mode</source>
        <translation>Valsspelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a game touched by the cheat mode the coach judges nothing.</source>
        <translation>In een spel waarin is valsgespeeld, beoordeelt de coach niets.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../shell/accessible_names.cpp" line="+9"/>
        <source>Die %1</source>
        <translation>Tärning %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw the dice</source>
        <translation>Kasta tärningarna</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Box %1</source>
        <extracomment>A box&apos;s button or score cell: %1 is the box&apos;s caption on the board.</extracomment>
        <translation>Ruta %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sub Total</source>
        <translation>Delsumma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Summa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold die %1</source>
        <translation>Spara tärning %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daxo icon</source>
        <translation>Daxos ikon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: throw the dice</source>
        <translation>Tips: kasta tärningarna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: keep this die</source>
        <translation>Tips: spara den här tärningen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: score this box</source>
        <translation>Tips: fyll i den här rutan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, no face</source>
        <translation>%1, ingen sida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, face %2</source>
        <extracomment>%1: the die, &quot;Die 2&quot;; %2: the face it shows.</extracomment>
        <translation>%1, visar %2</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <location filename="../widgets/box_names.cpp" line="+34"/>
        <source>the %1 box</source>
        <extracomment>A box of the score sheet as a sentence speaks of it; %1 is the box&apos;s caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.</extracomment>
        <translation>rutan %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <location filename="../i18n/caption_table.cpp" line="+12"/>
        <source>THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 parts.</source>
        <comment>Règle Label1</comment>
        <translation>MÅLET: att få så många poäng som möjligt genom att slå kombinationer med 5 tärningar. Ett parti har 12 omgångar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 combinations. At each throw, the player chooses its combination and register the result by clicking the corresponding box. If he doesn&apos;t reach the expected combination, never mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination</source>
        <comment>Règle Label2</comment>
        <translation>SPELET: i varje omgång har spelaren högst 3 kast på sig att få det bästa resultatet för en av de 12 kombinationerna. Efter varje kast väljer han i valfri ordning sin kombination och fyller i resultatet genom att klicka på motsvarande ruta. Får han inget som passar, klickar han på valfri ruta och får 0 poäng där.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points</source>
        <comment>Règle Label3</comment>
        <translation>KOMBINATIONERNA: i de 6 första gäller det att slå så många ettor, tvåor, treor, fyror, femmor eller sexor som möjligt; de är värda 1, 2, 3, 4, 5 och 6 poäng. Den som får minst 60 poäng sammanlagt i dessa 6 rutor får bonusen på 30 poäng. Minus måste vara lägre än Plus och Plus högre än Minus; båda är summan av de 5 tärningarna. Kåken (tre och två lika, t.ex. 5, 5, 5, 2, 2) är värd 20 poäng, Stegen (1, 2, 3, 4, 5 eller 2, 3, 4, 5, 6) 30 poäng, Fyrtalet (4 lika) 40 poäng och Daxon (5 lika) 50 poäng.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Quit</source>
        <comment>Daxo Command14</comment>
        <translation>Av&amp;sluta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Files</source>
        <comment>Daxo Fichier</comment>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New game</source>
        <comment>Daxo Nouveau</comment>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Daxo Imprimer</comment>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <comment>Daxo prop</comment>
        <translation>Skrivar&amp;inställningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <comment>Daxo quit</comment>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Option</source>
        <comment>Daxo Option</comment>
        <translation>A&amp;lternativ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language</source>
        <comment>Daxo langues</comment>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pictures</source>
        <comment>Daxo Image12</comment>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <comment>Daxo Aide</comment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <comment>Daxo regle</comment>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <comment>Daxo site</comment>
        <translation>&amp;Webbplatser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <comment>Daxo apropos</comment>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <comment>Daxo Frame3</comment>
        <translation>Poäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sub Total</source>
        <comment>Daxo Label8</comment>
        <translation>Delsumma</translation>
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
        <translation>Kåk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <comment>Daxo Command9</comment>
        <translation>Stege</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <comment>Daxo Command10</comment>
        <translation>Fyrtal</translation>
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
        <translation>Totalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dice</source>
        <comment>Daxo Frame1</comment>
        <translation>Tärningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 1</source>
        <comment>Daxo Check1</comment>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 2</source>
        <comment>Daxo Check2</comment>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 3</source>
        <comment>Daxo Check3</comment>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 4</source>
        <comment>Daxo Check4</comment>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 5</source>
        <comment>Daxo Check5</comment>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Frame4</comment>
        <translation>Fusk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Option1</comment>
        <translation>Fuska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uncheat</source>
        <comment>Daxo Option2</comment>
        <translation>Fuska inte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pictures</source>
        <comment>Pictures (title)</comment>
        <translation>Bilder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Pictures Command1</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 1</source>
        <comment>Pictures Option1</comment>
        <translation>Bild 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 2</source>
        <comment>Pictures Option2</comment>
        <translation>Bild 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 3</source>
        <comment>Pictures Option3</comment>
        <translation>Bild 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 4</source>
        <comment>Pictures Option4</comment>
        <translation>Bild 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 5</source>
        <comment>Pictures Option5</comment>
        <translation>Bild 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <comment>Printer1 (title)</comment>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What will you print ?</source>
        <comment>Printer1 Label1</comment>
        <translation>Vad vill du skriva ut?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet of points blanc</source>
        <comment>Printer1 Check1</comment>
        <translation>Tomt poängblad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rules</source>
        <comment>Printer1 Check2</comment>
        <translation>Regler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Points</source>
        <comment>Printer1 Check3</comment>
        <translation>Dina poäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Printer1 Command1</comment>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <comment>Printer1 Command2</comment>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <comment>Langue (title)</comment>
        <translation>Språk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Langue Command1</comment>
        <translation>&amp;Stäng</translation>
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
        <translation>Om</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <comment>Daxo annuler</comment>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <comment>Daxo retablir</comment>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pl&amp;ayers…</source>
        <comment>Daxo joueurs</comment>
        <translation>&amp;Spelare…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score&amp;board</source>
        <comment>Daxo marque</comment>
        <translation>&amp;Poängtavla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;High scores</source>
        <comment>Daxo meilleurs</comment>
        <translation>&amp;Topplista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistics</source>
        <comment>Daxo statistiques</comment>
        <translation>Statisti&amp;k</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <comment>Daxo conseil</comment>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coach</source>
        <comment>Daxo entraineur</comment>
        <translation>Trä&amp;nare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach &amp;guide</source>
        <comment>Daxo guide</comment>
        <translation>Tränar&amp;guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Entraîneur (title)</comment>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <comment>Entraîneur Assistee</comment>
        <translation>Spel med hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best actions:</source>
        <comment>Entraîneur Titre1</comment>
        <translation>Bästa dragen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game analysis</source>
        <comment>Entraîneur Analyser</comment>
        <translation>&amp;Analys av spelet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Entraîneur Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <comment>Analyse (title)</comment>
        <translation>Analys av spelet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Analyse Imprimer</comment>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Analyse Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Calcul (title)</comment>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach is working out perfect play…</source>
        <comment>Calcul Label1</comment>
        <translation>Tränaren räknar ut det perfekta spelet…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Fin (title)</comment>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over. Would you like to see its analysis?</source>
        <comment>Fin Label1</comment>
        <translation>Spelet är slut. Vill du se analysen av det?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show the analysis</source>
        <comment>Fin Voir</comment>
        <translation>&amp;Visa analysen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Fin Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach guide</source>
        <comment>Guide (title)</comment>
        <translation>Tränarguide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Guide Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Meilleurs (title)</comment>
        <translation>Topplista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Meilleurs Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Bravo (title)</comment>
        <translation>Topplista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your &amp;name:</source>
        <comment>Bravo Label2</comment>
        <translation>Ditt &amp;namn:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics</source>
        <comment>Statistiques (title)</comment>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Statistiques Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Players</source>
        <comment>Joueurs (title)</comment>
        <translation>Spelare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of players:</source>
        <comment>Joueurs Label1</comment>
        <translation>&amp;Antal spelare:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computers&apos; pac&amp;e:</source>
        <comment>Joueurs Label2</comment>
        <translation>&amp;Datorernas tempo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Play</source>
        <comment>Joueurs Jouer</comment>
        <translation>S&amp;pela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Joueurs Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scoreboard</source>
        <comment>Marque (title)</comment>
        <translation>Poängtavla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Marque Imprimer</comment>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Marque Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ranking</source>
        <comment>Classement (title)</comment>
        <translation>Placering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Classement Fermer</comment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Règle du Daxo</source>
        <comment>Règle (title)</comment>
        <extracomment>The rules window&apos;s title, &quot;The rules of Daxo&quot;, French in English too.</extracomment>
        <translation>Regler för Daxo</translation>
    </message>
</context>
<context>
    <name>CoachTexts</name>
    <message>
        <location filename="../coach/coach_texts.cpp" line="+48"/>
        <source>Throw the dice</source>
        <translation>Kasta tärningarna</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1</source>
        <extracomment>%1: the box as a sentence speaks of it, &quot;the Four box&quot;.</extracomment>
        <translation>Fyll i %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Throw all five again</source>
        <translation>Kasta om alla fem</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Spara %1</numerusform>
            <numerusform>Spara %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and</source>
        <translation>och</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>before</source>
        <extracomment>A decision made before the turn&apos;s first throw, in the column of the throws.</extracomment>
        <translation>före</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The coach is working out perfect play: %1%</source>
        <extracomment>%1: how much of perfect play is worked out, in per cent.</extracomment>
        <translation>Tränaren räknar ut det perfekta spelet: %1&#xa0;%</translation>
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
        <translation>Fusket har rört det här spelet: tränaren kan inte bedöma det.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expected final score: %1</source>
        <translation>Väntad slutpoäng: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Game over: %1 points</source>
        <translation>Spelet slut: %1 poäng</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game analysis shows what each of your decisions cost.</source>
        <translation>Analysen av spelet visar vad vart och ett av dina beslut kostade.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No choice to judge yet.</source>
        <translation>Inget beslut att bedöma än.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing to analyse yet: the game has not begun.</source>
        <translation>Inget att analysera än: spelet har inte börjat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last choice: %1, perfect.</source>
        <translation>Senaste beslutet: %1, perfekt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>⚠ Last choice: %1, a loss of %2; the best was: %3.</source>
        <translation>⚠ Senaste beslutet: %1, en förlust på %2; bäst var: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last choice: %1, a loss of %2.</source>
        <translation>Senaste beslutet: %1, en förlust på %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Score: %1 points (perfect play: %2 expected). Total loss: %3; per decision: %4; perfect decisions: %5%.</source>
        <extracomment>%1: the score so far; %2: perfect play&apos;s expected score; %3 and %4: the total loss and the loss per decision; %5: the share of perfect decisions, in per cent.</extracomment>
        <translation>Poäng: %1 (perfekt spel: %2 väntat). Total förlust: %3; per beslut: %4; perfekta beslut: %5&#xa0;%.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+32"/>
        <source>Turn</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Throw</source>
        <translation>Kast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dice</source>
        <translation>Tärningar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choice</source>
        <translation>Beslut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best choice</source>
        <translation>Bästa beslut</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Loss</source>
        <translation>Förlust</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Drag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+31"/>
        <source>Expected final score</source>
        <translation>Väntad slutpoäng</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chance of winning after each turn</source>
        <translation>Vinstchans efter varje omgång</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>As the scoreboard&apos;s row of the chances of winning reads.</extracomment>
        <translation>Vinst (%)</translation>
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
        <translation>För att vinna: %1, %2 vinstchans. För bästa poäng: %3, %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Expected final score after each decision</source>
        <translation>Väntad slutpoäng efter varje beslut</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Final score</source>
        <translation>Slutpoäng</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score so far</source>
        <translation>Poäng hittills</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hart:</source>
        <translation>&amp;Diagram:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game was won at turn %1, %2&apos;s: %3&apos;s chance of winning rose from %4 to %5.</source>
        <extracomment>%1 the turn&apos;s number, %2 whose turn it was, %3 the winner, %4 and %5 the winner&apos;s chance before and after.</extracomment>
        <translation>Spelet vanns i omgång %1, den för %2: vinstchansen för %3 steg från %4 till %5.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analysis could not be printed.</source>
        <translation>Analysen kunde inte skrivas ut.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What perfect play would score on average by the end of the game from here: the points already scored, plus those it can still expect.</source>
        <translation>Vad perfekt spel i genomsnitt skulle få härifrån till spelets slut: poängen som redan är ifyllda plus dem det ännu kan vänta sig.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect choice.</source>
        <translation>Vad ett beslut kostar i väntad slutpoäng jämfört med det bästa. En förlust på 0 är ett perfekt beslut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A game played with a hint, the coach window, an undo or the cheat mode does not enter the high scores.</source>
        <translation>Ett spel med tips, tränarfönstret, ångra eller fusk kommer inte in på topplistan.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your chance of winning after the action, playing perfectly from there, against the others as they play.</source>
        <translation>Chansen att vinna efter draget, med perfekt spel därifrån, mot de andra så som de spelar.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The perfect decisions are the share of decisions that lost nothing.</source>
        <translation>De perfekta besluten är andelen beslut som inte förlorade något.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game of:</source>
        <translation>Spel &amp;av:</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../game/game_texts.cpp" line="+33"/>
        <source>Game n°</source>
        <extracomment>The first panel of the status bar, followed at once by the game&apos;s number (&quot;Game n°3&quot;), in 67 pixels.</extracomment>
        <translation>Spel nr </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sub Total : </source>
        <extracomment>A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Delsumma: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Points remaining for Bonus : </source>
        <extracomment>A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.</extracomment>
        <translation>Kvar till bonus: </translation>
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
        <translation>Summa: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dice&apos;s total : </source>
        <extracomment>A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Tärningssumma: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Full</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Full is the box&apos;s caption on the board.</extracomment>
        <translation>Du har ingen Kåk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Sequence</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Sequence is the box&apos;s caption on the board.</extracomment>
        <translation>Du har ingen Stege</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Four</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Four is the box&apos;s caption on the board.</extracomment>
        <translation>Du har inget Fyrtal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Daxo</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Daxo is the box&apos;s caption on the board.</extracomment>
        <translation>Du har ingen Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure to click?</source>
        <extracomment>The same message box&apos;s question: score the box for 0 points anyway?</extracomment>
        <translation>Vill du verkligen fylla i den här rutan?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning !</source>
        <extracomment>The same message box&apos;s title.</extracomment>
        <translation>Varning!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are </source>
        <extracomment>The end of a game&apos;s message: this text, the total, then the text that follows (&quot;You are 144 ! Play again ?&quot;). Keep the space at its end.</extracomment>
        <translation>Du fick </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ! Play again ?</source>
        <extracomment>The end of a game&apos;s message, after the total: it asks whether to play a new game. Keep the space at its start.</extracomment>
        <translation> poäng! Spela igen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>The end of a game&apos;s message box: its title.</extracomment>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit ? </source>
        <extracomment>The question asked when the player quits during a game.</extracomment>
        <translation>Vill du avsluta? </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <extracomment>The title of the question asked when the player quits.</extracomment>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <location filename="../widgets/level_names.cpp" line="+8"/>
        <source>beginner</source>
        <translation>nybörjare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>regular</source>
        <translation>medel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strong</source>
        <translation>stark</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>perfect</source>
        <translation>perfekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>competitive</source>
        <translation>tävlingsinriktad</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beginner computer</source>
        <translation>Nybörjardator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Regular computer</source>
        <translation>Medeldator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Strong computer</source>
        <translation>Stark dator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perfect computer</source>
        <translation>Perfekt dator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Competitive computer</source>
        <translation>Tävlingsinriktad dator</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <location filename="../print/print_texts.cpp" line="+15"/>
        <source>The sheet &quot;%1&quot; could not be printed.</source>
        <extracomment>A message box; %1 is the sheet&apos;s name: &quot;Blank score sheet&quot;, &quot;Rules&quot; or &quot;Your points&quot;.</extracomment>
        <translation>Bladet ”%1” kunde inte skrivas ut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blank score sheet</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Tomt poängblad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Regler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your points</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title: the player&apos;s score sheet.</extracomment>
        <translation>Dina poäng</translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message>
        <location filename="../scores/scores_texts.cpp" line="+20"/>
        <source>Another program holds the history of games: this game is not kept in it yet. Daxo will keep it as soon as the history is free. The game goes on.</source>
        <translation>Ett annat program håller spelhistoriken: det här spelet är inte sparat i den än. Daxo sparar det så snart historiken är ledig. Spelet fortsätter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games cannot be written (a read-only file or folder): this game is not kept in it. The game goes on.</source>
        <translation>Spelhistoriken kan inte skrivas (en skrivskyddad fil eller mapp): det här spelet sparas inte i den. Spelet fortsätter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as there is room. The game goes on.</source>
        <translation>Disken är full: det här spelet är inte sparat i historiken än. Daxo sparar det så snart det finns plats. Spelet fortsätter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file of the history of games was damaged. It has been set aside, whole, as %1, and a new history begins.</source>
        <translation>Spelhistorikens fil var skadad. Den har lagts undan, hel, som %1, och en ny historik börjar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The history of games could not be written (%1). The game goes on.</source>
        <translation>Spelhistoriken kunde inte skrivas (%1). Spelet fortsätter.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>How the high scores write the day and time of a game, as QDateTime::toString reads it.</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+129"/>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your mean</source>
        <translation>Ditt medel</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+125"/>
        <source>Perfect play</source>
        <translation>Perfekt spel</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+127"/>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Won</source>
        <translation>Vunna</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lost</source>
        <translation>Förlorade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mean margin</source>
        <translation>Medelmarginal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your games against the computers, level by level</source>
        <translation>Dina spel mot datorerna, nivå för nivå</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each box&apos;s mean, yours and perfect play&apos;s</source>
        <translation>Medelvärdet för varje ruta, ditt och det perfekta spelets</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bonus: %1% of the games.</source>
        <extracomment>The end of the statistics&apos; summary: %1, the share of games with the bonus, in per cent.</extracomment>
        <translation>Bonus: %1&#xa0;% av spelen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One game finished, of %1 points. </source>
        <extracomment>The statistics&apos; summary of a single game: %1, its score. Keep the space at its end.</extracomment>
        <translation>Ett spel färdigt, med %1 poäng. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Games finished: %1. Mean: %2, best: %3, standard deviation: %4. </source>
        <extracomment>The statistics&apos; summary: %1 the count of games, %2 the mean score, %3 the best, %4 the standard deviation. Keep the space at its end.</extracomment>
        <translation>Färdiga spel: %1. Medel: %2, bästa: %3, standardavvikelse: %4. </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game finished yet: the statistics come with the first one.</source>
        <translation>Inget spel färdigt än: statistiken kommer med det första.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another program holds it</source>
        <translation>ett annat program håller den</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it cannot be opened</source>
        <translation>den kan inte öppnas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was damaged</source>
        <translation>den var skadad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file does not answer</source>
        <translation>filen svarar inte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games could not be read (%1): nothing to show for now.</source>
        <translation>Spelhistoriken kunde inte läsas (%1): inget att visa just nu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No score yet. The ten best finished games played without help (no hint, no coach window, no undo, no cheat mode) come here.</source>
        <translation>Inga poäng än. Här hamnar de tio bästa spelen som spelats färdigt utan hjälp (inga tips, inget tränarfönster, ingen ångra, inget fusk).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Perfect play is being worked out…</source>
        <translation>Det perfekta spelet räknas ut…</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your %1-point game takes %2 place in the high scores.</source>
        <extracomment>%1: the game&apos;s score; %2: its place, as ordinal() writes it (&quot;2nd&quot;).</extracomment>
        <translation>Ditt spel på %1 poäng tar plats %2 på topplistan.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game was over: taking back one of its boxes makes it an assisted game, which does not enter the high scores. It stays finished in the history.</source>
        <translation>Det här spelet var slut: att ta tillbaka en av dess rutor gör det till ett spel med hjälp, som inte kommer in på topplistan. I historiken förblir det färdigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Final scores</source>
        <translation>Slutpoäng</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mean loss per decision, game after game</source>
        <translation>Medelförlust per beslut, spel efter spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your games</source>
        <translation>Dina spel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loss</source>
        <translation>Förlust</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <location filename="../shell/shell_texts.cpp" line="+15"/>
        <source>The address %1 could not be opened in the browser.</source>
        <extracomment>A message box; %1 is a web address.</extracomment>
        <translation>Adressen %1 kunde inte öppnas i webbläsaren.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../players/table_texts.cpp" line="+46"/>
        <source> — plays to win, about %1 points a game</source>
        <extracomment>Follows the name of the level that plays to win rather than to score, in the players window: %1, the points it scores on average against perfect play.</extracomment>
        <translation> — spelar för att vinna, omkring %1 poäng per spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> — about %1 points a game</source>
        <extracomment>Follows a level&apos;s name in the players window: %1, the points it scores on average.</extracomment>
        <translation> — omkring %1 poäng per spel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Omedelbar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Human</source>
        <translation>Människa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1</source>
        <translation>Spelare %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1: human or computer</source>
        <translation>Spelare %1: människa eller dator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s name</source>
        <translation>Namn på spelare %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s level</source>
        <translation>Nivå för spelare %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Daxo — %1&apos;s turn</source>
        <extracomment>The board&apos;s title at a table; %1: the player whose turn it is.</extracomment>
        <translation>Daxo — %1 spelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A game is in progress. Leave it for a new game with these players?</source>
        <translation>Ett spel pågår. Lämna det för ett nytt spel med de här spelarna?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s turn.</source>
        <translation>Nu spelar %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and </source>
        <extracomment>Joins the last two of a list: &quot;3, 3 and 6&quot;, &quot;Anne and Zoé&quot;.</extracomment>
        <translation> och </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 throws: %2.</source>
        <extracomment>%1: the player; %2: the five faces thrown, &quot;3, 3, 5, 6, 1&quot;.</extracomment>
        <translation>%1 kastar: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 keeps no dice.</source>
        <translation>%1 sparar inga tärningar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 keeps %2.</source>
        <extracomment>%1: the player; %2: the faces kept, &quot;3, 3 and 6&quot;.</extracomment>
        <translation>%1 sparar %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 scores %2 in %3.</source>
        <extracomment>%1: the player; %2: the points, &quot;24 points&quot;; %3: the box, &quot;the 6 box&quot;.</extracomment>
        <translation>%1 fyller i %2 i %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>keeps no dice</source>
        <extracomment>One throw&apos;s part of a computer&apos;s whole turn told in one sentence.</extracomment>
        <translation>sparar inga tärningar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>keeps %1</source>
        <translation>sparar %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2, and scores %3 in %4.</source>
        <extracomment>A computer&apos;s whole turn in one sentence: %1 the player, %2 what it kept at each throw (&quot;keeps 6 and 6, then keeps 6, 6 and 6&quot;), %3 the points, %4 the box.</extracomment>
        <translation>%1 %2 och fyller i %3 i %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, then </source>
        <translation>, sedan </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins with %2 points.</source>
        <translation>%1 vinner med %2 poäng.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 share the win with %2 points.</source>
        <extracomment>Equal totals at the top: %1 the players, &quot;Anne, Bruno and Zoé&quot;; %2 their total.</extracomment>
        <translation>%1 delar segern med %2 poäng.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Summa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Expected final</source>
        <translation>Väntat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The points on the sheet and what each one can still expect, a computer as it plays and a human playing perfectly from here: who is really ahead.</source>
        <translation>Poängen på bladet och vad var och en ännu kan vänta sig, en dator som den spelar och en människa som spelar perfekt härifrån: vem som verkligen leder.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>The scoreboard&apos;s row of each player&apos;s chance of winning, in per cent: short.</extracomment>
        <translation>Vinst (%)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each player&apos;s chance of winning: a computer&apos;s as it plays, a human&apos;s if they play perfectly from here.</source>
        <translation>Varje spelares chans att vinna: en dators som den spelar, en människas om den spelar perfekt härifrån.</translation>
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
        <translation>%1 vinner i %2 av fallen och delar förstaplatsen i %3 av fallen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game n°%1 — %2&apos;s turn</source>
        <extracomment>The scoreboard&apos;s heading: %1 the game&apos;s number, %2 the player in play.</extracomment>
        <translation>Spel nr %1 — %2 spelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game n°%1 — over</source>
        <translation>Spel nr %1 — slut</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working…</source>
        <extracomment>In a cell of the scoreboard while perfect play is worked out: short.</extracomment>
        <translation>räknar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scoreboard could not be printed.</source>
        <translation>Poängtavlan kunde inte skrivas ut.</translation>
    </message>
</context>
<context>
    <name>daxo::CoachGuide</name>
    <message>
        <location filename="../coach/coach_guide.cpp" line="+22"/>
        <source>The coach</source>
        <translation>Tränaren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.</source>
        <translation>Daxo känner det perfekta spelet exakt: från varje ställning de poäng som bästa möjliga spel i genomsnitt skulle få till spelets slut. Utifrån det säger det vad varje beslut kostar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint (Ctrl+H)</source>
        <translation>Tips (Ctrl+H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help &amp;gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.</source>
        <translation>Hjälp &amp;gt; Tips markerar det bästa draget på spelplanen: knappen Go, tärningarna att spara eller rutan att fylla i. Det pekar bara; spara-rutorna förblir som du lämnade dem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach window</source>
        <translation>Tränarfönstret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Expected final score&lt;/b&gt;: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.</source>
        <translation>&lt;b&gt;Väntad slutpoäng&lt;/b&gt;: vad perfekt spel i genomsnitt skulle få till spelets slut från där ditt spel står, poängen som redan är ifyllda på bladet inräknade.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Best actions&lt;/b&gt;: what can be done now, best first, each with the expected final score it leads to and its &lt;b&gt;loss&lt;/b&gt;: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.</source>
        <translation>&lt;b&gt;Bästa dragen&lt;/b&gt;: vad som kan göras nu, det bästa först, vart och ett med den väntade slutpoäng det leder till och sin &lt;b&gt;förlust&lt;/b&gt;: vad det kostar jämfört med det bästa draget, i väntad slutpoäng. En förlust på 0 är ett perfekt beslut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Last choice&lt;/b&gt;: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.</source>
        <translation>&lt;b&gt;Senaste beslutet&lt;/b&gt;: vad ditt senaste beslut kostade. Ett beslut som kostade 0,2 poäng eller mer pekas ut, med det bästa bredvid.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <translation>Analys av spelet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every decision of a game with what it cost: which dice to keep and which box to score (a turn&apos;s first throw is no choice). The &lt;b&gt;total loss&lt;/b&gt; is what your game cost against perfect play; the loss &lt;b&gt;per decision&lt;/b&gt; is its mean; the &lt;b&gt;perfect decisions&lt;/b&gt; are the share of decisions that lost nothing. The chart follows the expected final score after each decision.</source>
        <translation>Varje beslut i ett spel med vad det kostade: vilka tärningar som ska sparas och vilken ruta som ska fyllas i (omgångens första kast är inget val). Den &lt;b&gt;totala förlusten&lt;/b&gt; är vad ditt spel kostade jämfört med perfekt spel; förlusten &lt;b&gt;per beslut&lt;/b&gt; är dess medelvärde; de &lt;b&gt;perfekta besluten&lt;/b&gt; är andelen beslut som inte förlorade något. Diagrammet följer den väntade slutpoängen efter varje beslut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <translation>Spel med hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an &lt;b&gt;assisted game&lt;/b&gt;: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.</source>
        <translation>Ett spel där du bad om ett tips, lät tränarfönstret visa dess bästa drag eller tog tillbaka en ruta är ett &lt;b&gt;spel med hjälp&lt;/b&gt;: det sparas i historiken och räknas i statistiken, men det kommer inte in på topplistan, som är till för spel som ingen hjälpte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat mode</source>
        <translation>Fusk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a game touched by the cheat mode the coach judges nothing.</source>
        <translation>I ett spel som fusket har rört bedömer tränaren ingenting.</translation>
    </message>
</context>
</TS>

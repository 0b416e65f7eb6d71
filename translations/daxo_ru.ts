<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../shell/accessible_names.cpp" line="+9"/>
        <source>Die %1</source>
        <translation>Кубик %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw the dice</source>
        <translation>Бросить кубики</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Box %1</source>
        <extracomment>A box&apos;s button or score cell: %1 is the box&apos;s caption on the board.</extracomment>
        <translation>Клетка %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sub Total</source>
        <translation>Подытог</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold die %1</source>
        <translation>Оставить кубик %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daxo icon</source>
        <translation>Значок Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: throw the dice</source>
        <translation>Подсказка: бросить кубики</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: keep this die</source>
        <translation>Подсказка: оставить этот кубик</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: score this box</source>
        <translation>Подсказка: записать эту клетку</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, no face</source>
        <translation>%1, без грани</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, face %2</source>
        <extracomment>%1: the die, &quot;Die 2&quot;; %2: the face it shows.</extracomment>
        <translation>%1, грань %2</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <location filename="../widgets/box_names.cpp" line="+34"/>
        <source>the %1 box</source>
        <extracomment>A box of the score sheet as a sentence speaks of it; %1 is the box&apos;s caption on the board: 1 to 6, Full, Sequence, Four, Daxo, + or -.</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <location filename="../i18n/caption_table.cpp" line="+12"/>
        <source>THE GOAL : to achieve the highest score by carrying out combinations with 5 dice. The game consists in 12 parts.</source>
        <comment>Règle Label1</comment>
        <translation>ЦЕЛЬ: набрать как можно больше очков, составляя комбинации из 5 кубиков. Партия состоит из 12 ходов.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PLAYING : for each part, with a maximum of 3 casts of the dice, to obtain the best result to complete the 12 combinations. At each throw, the player chooses its combination and register the result by clicking the corresponding box. If he doesn&apos;t reach the expected combination, never mind,he clicks on any box (i.e. daxo box). He will then marks 0 points for this combination</source>
        <comment>Règle Label2</comment>
        <translation>ИГРА: в каждом ходе игрок делает не больше 3 бросков, чтобы получить лучший результат для одной из 12 комбинаций. После каждого броска он в любом порядке выбирает комбинацию и записывает результат, щёлкнув по нужной клетке. Если ничего подходящего не выпало, он щёлкает по любой клетке и получает в ней 0 очков.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COMBINATIONS: The 6 first one : you have to obtain as much as possible of Ace, 2, 3, 4, 5, or 6 with respective value of 1, 2, 3, 4, 5 and 6 points.To be credited of the bonus (30 points) you have to reach a subtotal of 60 points for these 6 combinations.The Least must be lower than the Most. It is the addition of the 5 dice.The Most must be higher than the Least.  It is the addition of the 5 dice.The Full (three and two dice with same values i.e. 5, 5, 5, 2, 2) is 20 points.The Sequence (Ace, 2, 3, 4, 5 or 2, 3, 4, 5, 6) is 30 points.The Four (4 dice with same value) is 40 points.The Daxo (5 dice with same value) is 50 points</source>
        <comment>Règle Label3</comment>
        <translation>КОМБИНАЦИИ: в первых 6 клетках нужно выбросить как можно больше единиц, двоек, троек, четвёрок, пятёрок или шестёрок; они стоят 1, 2, 3, 4, 5 и 6 очков. Кто наберёт в этих 6 клетках не меньше 60 очков, получает бонус в 30 очков. «Минус» должен быть меньше «Плюса», а «Плюс» больше «Минуса»; оба равны сумме 5 кубиков. Фулл-хаус (три и два одинаковых кубика, например 5, 5, 5, 2, 2) стоит 20 очков, стрит (1, 2, 3, 4, 5 или 2, 3, 4, 5, 6) — 30 очков, каре (4 одинаковых кубика) — 40 очков, Daxo (5 одинаковых кубиков) — 50 очков.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Quit</source>
        <comment>Daxo Command14</comment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Files</source>
        <comment>Daxo Fichier</comment>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New game</source>
        <comment>Daxo Nouveau</comment>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Daxo Imprimer</comment>
        <translation>Пе&amp;чать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <comment>Daxo prop</comment>
        <translation>Настройка п&amp;ринтера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <comment>Daxo quit</comment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Option</source>
        <comment>Daxo Option</comment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language</source>
        <comment>Daxo langues</comment>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pictures</source>
        <comment>Daxo Image12</comment>
        <translation>&amp;Картинки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <comment>Daxo Aide</comment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <comment>Daxo regle</comment>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <comment>Daxo site</comment>
        <translation>&amp;Сайты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <comment>Daxo apropos</comment>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <comment>Daxo Frame3</comment>
        <translation>Очки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sub Total</source>
        <comment>Daxo Label8</comment>
        <translation>Подытог</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonus</source>
        <comment>Daxo Label9</comment>
        <translation>Бонус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Full</source>
        <comment>Daxo Command8</comment>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <comment>Daxo Command9</comment>
        <translation>Стрит</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <comment>Daxo Command10</comment>
        <translation>Каре</translation>
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
        <translation>Итого</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dice</source>
        <comment>Daxo Frame1</comment>
        <translation>Кубики</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 1</source>
        <comment>Daxo Check1</comment>
        <translation>Кубик&#x200a;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 2</source>
        <comment>Daxo Check2</comment>
        <translation>Кубик&#x200a;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 3</source>
        <comment>Daxo Check3</comment>
        <translation>Кубик&#x200a;3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 4</source>
        <comment>Daxo Check4</comment>
        <translation>Кубик&#x200a;4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die 5</source>
        <comment>Daxo Check5</comment>
        <translation>Кубик&#x200a;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Frame4</comment>
        <translation>Читы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat</source>
        <comment>Daxo Option1</comment>
        <translation>Читы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uncheat</source>
        <comment>Daxo Option2</comment>
        <translation>Без читов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pictures</source>
        <comment>Pictures (title)</comment>
        <translation>Картинки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Pictures Command1</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 1</source>
        <comment>Pictures Option1</comment>
        <translation>Вид 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 2</source>
        <comment>Pictures Option2</comment>
        <translation>Вид 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 3</source>
        <comment>Pictures Option3</comment>
        <translation>Вид 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 4</source>
        <comment>Pictures Option4</comment>
        <translation>Вид 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Picture 5</source>
        <comment>Pictures Option5</comment>
        <translation>Вид 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <comment>Printer1 (title)</comment>
        <translation>Печать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What will you print ?</source>
        <comment>Printer1 Label1</comment>
        <translation>Что вы хотите напечатать?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sheet of points blanc</source>
        <comment>Printer1 Check1</comment>
        <translation>Пустой лист очков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rules</source>
        <comment>Printer1 Check2</comment>
        <translation>Правила</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Points</source>
        <comment>Printer1 Check3</comment>
        <translation>Ваши очки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Printer1 Command1</comment>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <comment>Printer1 Command2</comment>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <comment>Langue (title)</comment>
        <translation>Язык</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Langue Command1</comment>
        <translation>&amp;Закрыть</translation>
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
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <comment>Daxo annuler</comment>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <comment>Daxo retablir</comment>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pl&amp;ayers…</source>
        <comment>Daxo joueurs</comment>
        <translation>&amp;Игроки…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score&amp;board</source>
        <comment>Daxo marque</comment>
        <translation>&amp;Таблица очков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;High scores</source>
        <comment>Daxo meilleurs</comment>
        <translation>&amp;Лучшие результаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistics</source>
        <comment>Daxo statistiques</comment>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <comment>Daxo conseil</comment>
        <translation>П&amp;одсказка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Coach</source>
        <comment>Daxo entraineur</comment>
        <translation>&amp;Тренер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach &amp;guide</source>
        <comment>Daxo guide</comment>
        <translation>&amp;Руководство тренера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Entraîneur (title)</comment>
        <translation>Тренер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <comment>Entraîneur Assistee</comment>
        <translation>Игра с помощью</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best actions:</source>
        <comment>Entraîneur Titre1</comment>
        <translation>Лучшие ходы:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game analysis</source>
        <comment>Entraîneur Analyser</comment>
        <translation>&amp;Анализ партии</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Entraîneur Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <comment>Analyse (title)</comment>
        <translation>Анализ партии</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Analyse Imprimer</comment>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Analyse Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Calcul (title)</comment>
        <translation>Тренер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach is working out perfect play…</source>
        <comment>Calcul Label1</comment>
        <translation>Тренер рассчитывает идеальную игру…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach</source>
        <comment>Fin (title)</comment>
        <translation>Тренер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over. Would you like to see its analysis?</source>
        <comment>Fin Label1</comment>
        <translation>Партия окончена. Показать её анализ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show the analysis</source>
        <comment>Fin Voir</comment>
        <translation>&amp;Показать анализ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Fin Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coach guide</source>
        <comment>Guide (title)</comment>
        <translation>Руководство тренера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Guide Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Meilleurs (title)</comment>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Meilleurs Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <comment>Bravo (title)</comment>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your &amp;name:</source>
        <comment>Bravo Label2</comment>
        <translation>Ваше &amp;имя:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics</source>
        <comment>Statistiques (title)</comment>
        <translation>Статистика</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Statistiques Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Players</source>
        <comment>Joueurs (title)</comment>
        <translation>Игроки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number of players:</source>
        <comment>Joueurs Label1</comment>
        <translation>&amp;Число игроков:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computers&apos; pac&amp;e:</source>
        <comment>Joueurs Label2</comment>
        <translation>&amp;Темп компьютеров:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Play</source>
        <comment>Joueurs Jouer</comment>
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Joueurs Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scoreboard</source>
        <comment>Marque (title)</comment>
        <translation>Таблица очков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <comment>Marque Imprimer</comment>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Marque Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ranking</source>
        <comment>Classement (title)</comment>
        <translation>Итоги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <comment>Classement Fermer</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Règle du Daxo</source>
        <comment>Règle (title)</comment>
        <extracomment>The rules window&apos;s title, &quot;The rules of Daxo&quot;, French in English too.</extracomment>
        <translation>Правила Daxo</translation>
    </message>
</context>
<context>
    <name>CoachTexts</name>
    <message>
        <location filename="../coach/coach_texts.cpp" line="+48"/>
        <source>Throw the dice</source>
        <translation>Бросить кубики</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1</source>
        <extracomment>%1: the box as a sentence speaks of it, &quot;the Four box&quot;.</extracomment>
        <translation>Записать в клетку %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Throw all five again</source>
        <translation>Перебросить все пять</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Оставить %1</numerusform>
            <numerusform>Оставить %1</numerusform>
            <numerusform>Оставить %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>before</source>
        <extracomment>A decision made before the turn&apos;s first throw, in the column of the throws.</extracomment>
        <translation>до броска</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The coach is working out perfect play: %1%</source>
        <extracomment>%1: how much of perfect play is worked out, in per cent.</extracomment>
        <translation>Тренер рассчитывает идеальную игру: %1&#xa0;%</translation>
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
        <translation>В этой партии были читы: тренер не может её оценить.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expected final score: %1</source>
        <translation>Ожидаемый итог: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Game over: %1 points</source>
        <translation>Партия окончена, счёт: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game analysis shows what each of your decisions cost.</source>
        <translation>Анализ партии показывает, чего стоило каждое ваше решение.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No choice to judge yet.</source>
        <translation>Пока нечего оценивать.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing to analyse yet: the game has not begun.</source>
        <translation>Пока нечего анализировать: партия не началась.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last choice: %1, perfect.</source>
        <translation>Последнее решение: %1, идеально.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>⚠ Last choice: %1, a loss of %2; the best was: %3.</source>
        <translation>⚠ Последнее решение: %1, потеря %2; лучше было: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last choice: %1, a loss of %2.</source>
        <translation>Последнее решение: %1, потеря %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Score: %1 points (perfect play: %2 expected). Total loss: %3; per decision: %4; perfect decisions: %5%.</source>
        <extracomment>%1: the score so far; %2: perfect play&apos;s expected score; %3 and %4: the total loss and the loss per decision; %5: the share of perfect decisions, in per cent.</extracomment>
        <translation>Счёт: %1 (идеальная игра: ожидается %2). Общая потеря: %3; на решение: %4; идеальных решений: %5&#xa0;%.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+32"/>
        <source>Turn</source>
        <translation>Ход</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Throw</source>
        <translation>Бросок</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choice</source>
        <translation>Решение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best choice</source>
        <translation>Лучшее решение</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Loss</source>
        <translation>Потеря</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+31"/>
        <source>Expected final score</source>
        <translation>Ожидаемый итог</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chance of winning after each turn</source>
        <translation>Шанс победы после каждого хода</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>As the scoreboard&apos;s row of the chances of winning reads.</extracomment>
        <translation>Победа (%)</translation>
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
        <translation>Чтобы победить: %1, шанс победы %2. Для лучшего счёта: %3, %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Expected final score after each decision</source>
        <translation>Ожидаемый итог после каждого решения</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Final score</source>
        <translation>Итоговый счёт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score so far</source>
        <translation>Счёт на сейчас</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hart:</source>
        <translation>&amp;График:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The game was won at turn %1, %2&apos;s: %3&apos;s chance of winning rose from %4 to %5.</source>
        <extracomment>%1 the turn&apos;s number, %2 whose turn it was, %3 the winner, %4 and %5 the winner&apos;s chance before and after.</extracomment>
        <translation>Партия решилась на ходу %1 игрока %2: шанс победы игрока %3 вырос с %4 до %5.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analysis could not be printed.</source>
        <translation>Не удалось напечатать анализ.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What perfect play would score on average by the end of the game from here: the points already scored, plus those it can still expect.</source>
        <translation>Сколько идеальная игра в среднем набрала бы отсюда до конца партии: уже записанные очки плюс те, которых она ещё может ожидать.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect choice.</source>
        <translation>Во что решение обходится в ожидаемом итоге по сравнению с лучшим. Потеря 0 — идеальное решение.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A game played with a hint, the coach window, an undo or the cheat mode does not enter the high scores.</source>
        <translation>Партия, сыгранная с подсказкой, окном тренера, отменой хода или читами, не попадает в лучшие результаты.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your chance of winning after the action, playing perfectly from there, against the others as they play.</source>
        <translation>Шанс победы после этого действия при идеальной игре дальше против остальных, как они играют.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The perfect decisions are the share of decisions that lost nothing.</source>
        <translation>Идеальные решения — доля решений, которые ничего не стоили.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game of:</source>
        <translation>Партия &amp;игрока:</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../game/game_texts.cpp" line="+33"/>
        <source>Game n°</source>
        <extracomment>The first panel of the status bar, followed at once by the game&apos;s number (&quot;Game n°3&quot;), in 67 pixels.</extracomment>
        <translation>Партия № </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sub Total : </source>
        <extracomment>A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Подытог: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Points remaining for Bonus : </source>
        <extracomment>A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.</extracomment>
        <translation>До бонуса: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus : </source>
        <extracomment>A panel of the status bar, followed by the bonus, 0 or 30. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Бонус: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total : </source>
        <extracomment>A panel of the status bar, followed by the sheet&apos;s total. Keep the space at its end; the panel is 67 pixels wide.</extracomment>
        <translation>Итого: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dice&apos;s total : </source>
        <extracomment>A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.</extracomment>
        <translation>Сумма кубиков: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Full</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Full is the box&apos;s caption on the board.</extracomment>
        <translation>У вас нет фулл-хауса</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Sequence</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Sequence is the box&apos;s caption on the board.</extracomment>
        <translation>У вас нет стрита</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Four</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Four is the box&apos;s caption on the board.</extracomment>
        <translation>У вас нет каре</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have any Daxo</source>
        <extracomment>A message box&apos;s first line when a box is scored without its combination: Daxo is the box&apos;s caption on the board.</extracomment>
        <translation>У вас нет Daxo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure to click?</source>
        <extracomment>The same message box&apos;s question: score the box for 0 points anyway?</extracomment>
        <translation>Вы уверены, что хотите записать эту клетку?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning !</source>
        <extracomment>The same message box&apos;s title.</extracomment>
        <translation>Внимание!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are </source>
        <extracomment>The end of a game&apos;s message: this text, the total, then the text that follows (&quot;You are 144 ! Play again ?&quot;). Keep the space at its end.</extracomment>
        <translation>Партия окончена со счётом </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ! Play again ?</source>
        <extracomment>The end of a game&apos;s message, after the total: it asks whether to play a new game. Keep the space at its start.</extracomment>
        <translation> — сыграть ещё?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>The end of a game&apos;s message box: its title.</extracomment>
        <translation>Конец партии</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit ? </source>
        <extracomment>The question asked when the player quits during a game.</extracomment>
        <translation>Выйти? </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <extracomment>The title of the question asked when the player quits.</extracomment>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <location filename="../widgets/level_names.cpp" line="+8"/>
        <source>beginner</source>
        <translation>новичок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>regular</source>
        <translation>средний</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strong</source>
        <translation>сильный</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>perfect</source>
        <translation>идеальный</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>competitive</source>
        <translation>азартный</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beginner computer</source>
        <translation>Компьютер-новичок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Regular computer</source>
        <translation>Средний компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Strong computer</source>
        <translation>Сильный компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perfect computer</source>
        <translation>Идеальный компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Competitive computer</source>
        <translation>Азартный компьютер</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <location filename="../print/print_texts.cpp" line="+15"/>
        <source>The sheet &quot;%1&quot; could not be printed.</source>
        <extracomment>A message box; %1 is the sheet&apos;s name: &quot;Blank score sheet&quot;, &quot;Rules&quot; or &quot;Your points&quot;.</extracomment>
        <translation>Не удалось напечатать лист «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blank score sheet</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Пустой лист очков</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title.</extracomment>
        <translation>Правила</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your points</source>
        <extracomment>The name of a printed sheet, the print dialog&apos;s title: the player&apos;s score sheet.</extracomment>
        <translation>Ваши очки</translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message>
        <location filename="../scores/scores_texts.cpp" line="+20"/>
        <source>Another program holds the history of games: this game is not kept in it yet. Daxo will keep it as soon as the history is free. The game goes on.</source>
        <translation>Журнал партий занят другой программой: эта партия в него ещё не записана. Daxo запишет её, как только журнал освободится. Игра продолжается.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games cannot be written (a read-only file or folder): this game is not kept in it. The game goes on.</source>
        <translation>Журнал партий нельзя записать (файл или папка только для чтения): эта партия в него не записывается. Игра продолжается.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as there is room. The game goes on.</source>
        <translation>Диск заполнен: эта партия ещё не записана в журнал. Daxo запишет её, как только появится место. Игра продолжается.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file of the history of games was damaged. It has been set aside, whole, as %1, and a new history begins.</source>
        <translation>Файл журнала партий был повреждён. Он целиком отложен под именем %1, и начинается новый журнал.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The history of games could not be written (%1). The game goes on.</source>
        <translation>Не удалось записать журнал партий (%1). Игра продолжается.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>How the high scores write the day and time of a game, as QDateTime::toString reads it.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+129"/>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your mean</source>
        <translation>Ваше среднее</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+125"/>
        <source>Perfect play</source>
        <translation>Идеальная игра</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+127"/>
        <source>Games</source>
        <translation>Партии</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Won</source>
        <translation>Победы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lost</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mean margin</source>
        <translation>Средний перевес</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your games against the computers, level by level</source>
        <translation>Ваши партии против компьютеров, по уровням</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Each box&apos;s mean, yours and perfect play&apos;s</source>
        <translation>Среднее по каждой клетке, ваше и идеальной игры</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bonus: %1% of the games.</source>
        <extracomment>The end of the statistics&apos; summary: %1, the share of games with the bonus, in per cent.</extracomment>
        <translation>Бонус: в %1&#xa0;% партий.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One game finished, of %1 points. </source>
        <extracomment>The statistics&apos; summary of a single game: %1, its score. Keep the space at its end.</extracomment>
        <translation>Сыграна одна партия, счёт %1. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Games finished: %1. Mean: %2, best: %3, standard deviation: %4. </source>
        <extracomment>The statistics&apos; summary: %1 the count of games, %2 the mean score, %3 the best, %4 the standard deviation. Keep the space at its end.</extracomment>
        <translation>Сыграно партий: %1. Среднее: %2, лучшая: %3, стандартное отклонение: %4. </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game finished yet: the statistics come with the first one.</source>
        <translation>Пока ни одной сыгранной партии: статистика появится с первой.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another program holds it</source>
        <translation>он занят другой программой</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it cannot be opened</source>
        <translation>его нельзя открыть</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was damaged</source>
        <translation>он был повреждён</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file does not answer</source>
        <translation>файл не отвечает</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The history of games could not be read (%1): nothing to show for now.</source>
        <translation>Не удалось прочитать журнал партий (%1): пока показывать нечего.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No score yet. The ten best finished games played without help (no hint, no coach window, no undo, no cheat mode) come here.</source>
        <translation>Пока нет результатов. Здесь будут десять лучших партий, сыгранных до конца без помощи (без подсказок, окна тренера, отмены ходов и читов).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Perfect play is being worked out…</source>
        <translation>Идеальная игра рассчитывается…</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%n-е</numerusform>
            <numerusform>%n-е</numerusform>
            <numerusform>%n-е</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your %1-point game takes %2 place in the high scores.</source>
        <extracomment>%1: the game&apos;s score; %2: its place, as ordinal() writes it (&quot;2nd&quot;).</extracomment>
        <translation>Ваша партия со счётом %1 занимает %2 место в лучших результатах.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game was over: taking back one of its boxes makes it an assisted game, which does not enter the high scores. It stays finished in the history.</source>
        <translation>Эта партия была окончена: если забрать одну из её клеток, она станет игрой с помощью и не попадёт в лучшие результаты. В журнале она остаётся оконченной.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Final scores</source>
        <translation>Итоговый счёт</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mean loss per decision, game after game</source>
        <translation>Средняя потеря на решение, партия за партией</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your games</source>
        <translation>Ваши партии</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loss</source>
        <translation>Потеря</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <location filename="../shell/shell_texts.cpp" line="+15"/>
        <source>The address %1 could not be opened in the browser.</source>
        <extracomment>A message box; %1 is a web address.</extracomment>
        <translation>Не удалось открыть адрес %1 в браузере.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../players/table_texts.cpp" line="+46"/>
        <source> — plays to win, about %1 points a game</source>
        <extracomment>Follows the name of the level that plays to win rather than to score, in the players window: %1, the points it scores on average against perfect play.</extracomment>
        <translation> — играет на победу, в среднем %1 очк. за партию</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> — about %1 points a game</source>
        <extracomment>Follows a level&apos;s name in the players window: %1, the points it scores on average.</extracomment>
        <translation> — в среднем %1 очк. за партию</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Мгновенно</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Human</source>
        <translation>Человек</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1: human or computer</source>
        <translation>Игрок %1: человек или компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s name</source>
        <translation>Имя игрока %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1&apos;s level</source>
        <translation>Уровень игрока %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Daxo — %1&apos;s turn</source>
        <extracomment>The board&apos;s title at a table; %1: the player whose turn it is.</extracomment>
        <translation>Daxo — ходит %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A game is in progress. Leave it for a new game with these players?</source>
        <translation>Идёт партия. Оставить её ради новой партии с этими игроками?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s turn.</source>
        <translation>Ходит %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and </source>
        <extracomment>Joins the last two of a list: &quot;3, 3 and 6&quot;, &quot;Anne and Zoé&quot;.</extracomment>
        <translation> и </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 throws: %2.</source>
        <extracomment>%1: the player; %2: the five faces thrown, &quot;3, 3, 5, 6, 1&quot;.</extracomment>
        <translation>%1 бросает: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 keeps no dice.</source>
        <translation>%1 не оставляет ни одного кубика.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 keeps %2.</source>
        <extracomment>%1: the player; %2: the faces kept, &quot;3, 3 and 6&quot;.</extracomment>
        <translation>%1 оставляет %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 scores %2 in %3.</source>
        <extracomment>%1: the player; %2: the points, &quot;24 points&quot;; %3: the box, &quot;the 6 box&quot;.</extracomment>
        <translation>%1 записывает %2 в клетку %3.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>keeps no dice</source>
        <extracomment>One throw&apos;s part of a computer&apos;s whole turn told in one sentence.</extracomment>
        <translation>не оставляет ни одного кубика</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>keeps %1</source>
        <translation>оставляет %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2, and scores %3 in %4.</source>
        <extracomment>A computer&apos;s whole turn in one sentence: %1 the player, %2 what it kept at each throw (&quot;keeps 6 and 6, then keeps 6, 6 and 6&quot;), %3 the points, %4 the box.</extracomment>
        <translation>%1 %2 и записывает %3 в клетку %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, then </source>
        <translation>, затем </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 wins with %2 points.</source>
        <translation>%1 побеждает со счётом %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 share the win with %2 points.</source>
        <extracomment>Equal totals at the top: %1 the players, &quot;Anne, Bruno and Zoé&quot;; %2 their total.</extracomment>
        <translation>%1 делят победу со счётом %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%n-е</numerusform>
            <numerusform>%n-е</numerusform>
            <numerusform>%n-е</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Expected final</source>
        <translation>Ожидается</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The points on the sheet and what each one can still expect, a computer as it plays and a human playing perfectly from here: who is really ahead.</source>
        <translation>Очки на листе и то, чего ещё может ожидать каждый — компьютер, играя как играет, и человек, играя безупречно с этого момента: кто на самом деле впереди.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winning (%)</source>
        <extracomment>The scoreboard&apos;s row of each player&apos;s chance of winning, in per cent: short.</extracomment>
        <translation>Победа (%)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each player&apos;s chance of winning: a computer&apos;s as it plays, a human&apos;s if they play perfectly from here.</source>
        <translation>Шанс на победу каждого игрока: компьютера — как он играет, человека — если он будет играть безупречно с этого момента.</translation>
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
        <translation>%1 побеждает в %2 случаев и делит первое место в %3 случаев.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game n°%1 — %2&apos;s turn</source>
        <extracomment>The scoreboard&apos;s heading: %1 the game&apos;s number, %2 the player in play.</extracomment>
        <translation>Партия № %1 — ходит %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game n°%1 — over</source>
        <translation>Партия № %1 — окончена</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>working…</source>
        <extracomment>In a cell of the scoreboard while perfect play is worked out: short.</extracomment>
        <translation>расчёт…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scoreboard could not be printed.</source>
        <translation>Не удалось напечатать таблицу очков.</translation>
    </message>
</context>
<context>
    <name>daxo::CoachGuide</name>
    <message>
        <location filename="../coach/coach_guide.cpp" line="+22"/>
        <source>The coach</source>
        <translation>Тренер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.</source>
        <translation>Daxo точно знает идеальную игру: из любой позиции — сколько очков наилучшая игра в среднем наберёт до конца партии. Отсюда он говорит, чего стоит каждое решение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint (Ctrl+H)</source>
        <translation>Подсказка (Ctrl+H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help &amp;gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.</source>
        <translation>Справка &amp;gt; Подсказка отмечает на поле лучшее действие: кнопку Go, кубики, которые стоит оставить, или клетку, которую стоит записать. Она только указывает; флажки кубиков остаются такими, какими вы их оставили.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The coach window</source>
        <translation>Окно тренера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Expected final score&lt;/b&gt;: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.</source>
        <translation>&lt;b&gt;Ожидаемый итог&lt;/b&gt;: сколько идеальная игра в среднем набрала бы до конца партии из того положения, в котором ваша партия, включая очки, уже записанные на листе.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Best actions&lt;/b&gt;: what can be done now, best first, each with the expected final score it leads to and its &lt;b&gt;loss&lt;/b&gt;: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.</source>
        <translation>&lt;b&gt;Лучшие ходы&lt;/b&gt;: что можно сделать сейчас, от лучшего, каждый с ожидаемым итогом, к которому он ведёт, и его &lt;b&gt;потерей&lt;/b&gt;: во что он обходится по сравнению с лучшим ходом, в ожидаемом итоге. Потеря 0 — идеальное решение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Last choice&lt;/b&gt;: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.</source>
        <translation>&lt;b&gt;Последнее решение&lt;/b&gt;: чего стоило ваше последнее решение. Решение, стоившее 0,2 очка или больше, отмечается, и рядом показывается лучшее.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game analysis</source>
        <translation>Анализ партии</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every decision of a game with what it cost: which dice to keep and which box to score (a turn&apos;s first throw is no choice). The &lt;b&gt;total loss&lt;/b&gt; is what your game cost against perfect play; the loss &lt;b&gt;per decision&lt;/b&gt; is its mean; the &lt;b&gt;perfect decisions&lt;/b&gt; are the share of decisions that lost nothing. The chart follows the expected final score after each decision.</source>
        <translation>Каждое решение партии с его ценой: какие кубики оставить и какую клетку записать (первый бросок хода — не выбор). &lt;b&gt;Общая потеря&lt;/b&gt; — во что ваша партия обошлась по сравнению с идеальной игрой; потеря &lt;b&gt;на решение&lt;/b&gt; — её среднее; &lt;b&gt;идеальные решения&lt;/b&gt; — доля решений, которые ничего не стоили. График следует за ожидаемым итогом после каждого решения.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assisted game</source>
        <translation>Игра с помощью</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an &lt;b&gt;assisted game&lt;/b&gt;: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.</source>
        <translation>Партия, в которой вы попросили подсказку, дали окну тренера показать лучшие ходы или забрали клетку, — это &lt;b&gt;игра с помощью&lt;/b&gt;: она сохраняется в журнале и учитывается в статистике, но не попадает в лучшие результаты, которые — для партий, где никто не помогал.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cheat mode</source>
        <translation>Читы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In a game touched by the cheat mode the coach judges nothing.</source>
        <translation>В партии, где были читы, тренер ничего не оценивает.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoachTexts</name>
    <message numerus="yes">
        <location filename="../coach/coach_texts.cpp" line="+58"/>
        <source>Keep the %1</source>
        <extracomment>%1: the faces kept, &quot;3, 3 and 6&quot;; the singular for one die.</extracomment>
        <translation>
            <numerusform>Keep the %1</numerusform>
            <numerusform>Keep the %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoresTexts</name>
    <message numerus="yes">
        <location filename="../scores/scores_texts.cpp" line="+146"/>
        <source>%nth</source>
        <extracomment>A place in the high scores, as in &quot;takes the 2nd place&quot;: %n is the place.</extracomment>
        <translation>
            <numerusform>%nth</numerusform>
            <numerusform>%nth</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message numerus="yes">
        <location filename="../players/table_texts.cpp" line="+138"/>
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%nth</source>
        <extracomment>A place in the ranking, heading its row: &quot;1st&quot;, &quot;2nd&quot;.</extracomment>
        <translation>
            <numerusform>%nth</numerusform>
            <numerusform>%nth</numerusform>
        </translation>
    </message>
</context>
</TS>

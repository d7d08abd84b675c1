<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Numora-Spielbrett</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Meine Züge</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Deine Züge</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Mein Tipp</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Dein Tipp</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Antwort geben</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Tipp abgeben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>Diese Zahl hast du schon probiert!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Mein Tipp ist %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Dein Tipp ist %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>Meine Runden</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Deine Runden</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n Plus</numerusform>
            <numerusform>%n Plus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n Minus</numerusform>
            <numerusform>%n Minus</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Spielstärke</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Spielstärke %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1 ab der nächsten Partie</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Ich tippe auf %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>Status, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Mein Tipp, noch keiner</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Dein Tipp, noch nichts eingegeben</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Neue Partie. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Runde %1, dein Tipp %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>Ich habe deine Zahl gefunden, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Meine Zahl war %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>Du bist dran, Runde %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>Deine Antwort, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Schon vier Ziffern</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>%1 ist schon dabei</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>Keine 0 am Anfang</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Erst vier Ziffern eingeben</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Mehr als vier Zeichen, das geht nicht</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 Plus und 1 Minus gibt es nicht</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Erst deinen Tipp eingeben</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Erst meinen Tipp beantworten</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Runde %1, mein Tipp %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Noch keine Zeilen</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>Keine frühere Zeile</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>Keine spätere Zeile</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Dein Ergebnis, %1</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Thinking...</source>
        <translation>Ich denke nach...</translation>
    </message>
    <message>
        <source> You have lost! My number was : </source>
        <translation> Verloren! Meine Zahl war: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>Keine gültige Zahl passt zu deinen Angaben!<byte value="xd"/>
Sei beim nächsten Mal bitte sorgfältiger.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Spielhilfe</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>Der Ziffernblock</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>THE GAME</source>
        <translation>DAS SPIEL</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>Du und der Computer habt je eine geheime Zahl und versucht, die des anderen zu finden. Ihr ratet abwechselnd, und jeder Tipp wird mit Plus- und Minuszeichen beantwortet. Wer zuerst die Zahl des anderen findet, gewinnt.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>Es geht fair zu: Du hast immer den ersten Tipp, und beide bekommen gleich viele Tipps.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>DIE REGELN</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>Die geheime Zahl</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Vier Ziffern, keine doppelt, und die erste ist nicht 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Gültig:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>Ungültig:&amp;nbsp; %1 (beginnt mit 0),&amp;nbsp; %2 und %3 (Ziffer doppelt)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>So wird ein Tipp bewertet</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Jede Ziffer des Tipps, die in der geheimen Zahl an derselben Stelle steht, bringt ein %1. Jede Ziffer, die in der geheimen Zahl an anderer Stelle vorkommt, bringt ein %2. Ein Tipp bekommt also höchstens vier Zeichen, und %3 heißt: Zahl gefunden.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Geheim</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Beispiel: Die 8 steht an ihrer Stelle, %1; die 1 und die 4 stehen woanders, %2; die 2 kommt gar nicht vor. Die Antwort auf %3 ist %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Gib deine Zahl bei eingeschalteter Num-Taste auf dem &lt;span class=&apos;key&apos;&gt;Ziffernblock&lt;/span&gt; ein oder klicke die Zifferntasten an. Die &lt;span class=&apos;key&apos;&gt;Komma-Taste&lt;/span&gt; löscht die letzte Ziffer. Mit &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; gibst du die Zahl ab.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Dann beantwortest du den Tipp des Computers: Jeder Druck auf %1 oder %2 des Ziffernblocks fügt ein Zeichen hinzu, die &lt;span class=&apos;key&apos;&gt;Komma-Taste&lt;/span&gt; setzt die Antwort auf %3 zurück. Oder klicke die Zeichentasten an. Mit &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; bestätigst du die Zeichen.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>Mit der Maus geht alles genauso.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>STRATEGIE</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>Hoffe bei den ersten Tipps nicht auf einen Glückstreffer. Sammle damit Informationen: Ein Tipp, der weniger Zahlen übrig lässt, ist mehr wert als einer, der vielleicht richtig ist.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>Der Computer denkt eine Weile nach, bevor er rät: am längsten in den ersten Zügen, danach mit jedem Zug schneller.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 bis 9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>Tipp eingeben</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>letzte Ziffer löschen oder Antwort zurücksetzen</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>ein Plus- oder Minuszeichen mehr</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>Zahl oder Zeichen bestätigen</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Viel Glück!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab liest die andere Spalte vor, Esc schließt dieses Fenster. Im Spiel arbeitet der Ziffernblock bei eingeschaltetem Num Lock. Seine Ziffern tippen deinen Tipp, seine Komma-Taste nimmt eine Ziffer zurück oder beginnt die Antwort neu, seine Plus- und Minustaste fügen ein Zeichen hinzu, Enter bestätigt. Ohne Ziffernblock tun die Ziffern, Plus, Minus, die Rücktaste und Enter der Haupttastatur dasselbe. Bild auf und Bild ab lesen beide Verläufe Zeile für Zeile; R sagt, wer dran ist und welcher Tipp zu beantworten ist.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>0 bis 9, Tipp eingeben</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>Komma-Taste, letzte Ziffer löschen oder Antwort zurücksetzen</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>Plus und Minus, ein Plus- oder Minuszeichen mehr</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Enter, Zahl oder Zeichen bestätigen</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>dialogs::RecordProblem</name>
    <message>
        <source>Your matches cannot be saved.</source>
        <translation>Deine Partien können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>Der Ordner oder die Datei darf nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>Der Datenträger hat das Schreiben verweigert.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Ein anderes Programm hält die Chronik gesperrt.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>Die Chronik kann weder geöffnet noch beschrieben werden.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>Numora führt die Chronik deiner Partien in %1. %2 Du kannst weiterspielen: Die Partien dieser Sitzung werden aufbewahrt und gespeichert, sobald die Chronik wieder beschrieben werden kann; sie gehen aber verloren, wenn Numora vorher beendet wird.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>Die Chronik deiner Partien konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>Die Datei %1 war beschädigt oder gehört nicht zu Numora. Sie wurde unverändert als %2 aufbewahrt, und eine neue Chronik wurde begonnen.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>Die Chronik deiner Partien stammt von einer neueren Version von Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Diese Version zeigt die Chronik in %1 an, verändert sie aber nicht: Die Partien, die du jetzt spielst, werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Noch keine Partie gewonnen.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Runden %1, gewonnen %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> Unentschieden!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> Nicht schlecht!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> Noch eins?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>Über das Spiel...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>Fahr mit der Maus über das Bild!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>Das habe ich gemacht, bevor ich anfing, unnötige Programme zu schreiben!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Zahlenratespiel.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (die klügere Version)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>vom Numora-Team</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>Das Numora-Team</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
</context>
<context>
    <name>dialogs::frmStatistics</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Niederlage</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Widersprüchliche Antworten</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Runden gewonnener Partien</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Übersicht</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Zahl des Computers</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Deine Zahl</translation>
    </message>
    <message>
        <source>Last matches</source>
        <translation>Letzte Partien</translation>
    </message>
    <message>
        <source>&amp;Last matches</source>
        <translation>&amp;Letzte Partien</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>Chronik l&amp;eeren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Gespielte Partien</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Ended on contradictory answers</source>
        <translation>Wegen widersprüchlicher Antworten beendet</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Runden je Sieg im Schnitt</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Wenigste Runden für einen Sieg</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Spielstärke: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>Die Chronik kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Diese Chronik stammt von einer neueren Version von Numora: Sie wird hier gezeigt, aber die Partien, die du jetzt spielst, kommen nicht hinzu.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Noch nicht gespeicherte Partien dieser Sitzung: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>Alle Partien der Chronik löschen (%1)?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>Die Partien lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Chronik leeren</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>Die Chronik konnte nicht geleert werden: Sie lässt sich nicht beschreiben.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> Verloren!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>Noch ein Spiel?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>Glückwunsch!  Noch ein Spiel?</translation>
    </message>
</context>
</TS>

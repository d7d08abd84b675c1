<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Игровое поле Numora</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Мои ходы</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Ваши ходы</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Мой вариант</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Ваш вариант</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Ответить</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Назвать число</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>Вы уже называли это число!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Мой вариант %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Ваш вариант %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>Мои раунды</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Ваши раунды</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n плюс</numerusform>
            <numerusform>%n плюса</numerusform>
            <numerusform>%n плюсов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n минус</numerusform>
            <numerusform>%n минуса</numerusform>
            <numerusform>%n минусов</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Обычный</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Эксперт</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1: со следующей игры</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Я называю %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>Состояние, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Мой вариант, пока нет</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Ваш вариант, ничего не введено</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Новая партия. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Раунд %1, ваш вариант %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>Я нашёл ваше число, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Моё число было %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>Ваш ход, раунд %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>Ваш ответ, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Уже четыре цифры</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>%1 уже есть</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>Нельзя начинать с 0</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Сначала введите четыре цифры</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Больше четырёх знаков, так не бывает</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 плюса и 1 минус не бывает</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Сначала введите свой вариант</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Сначала ответьте на мой вариант</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Раунд %1, мой вариант %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Строк пока нет</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>Раньше строк нет</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>Дальше строк нет</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Ваш счёт, %1</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Thinking...</source>
        <translation>Думаю...</translation>
    </message>
    <message>
        <source> You have lost! My number was : </source>
        <translation> Вы проиграли! Моё число: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>Ни одно число не подходит под ваши ответы!<byte value="xd"/>
В следующий раз будьте внимательнее.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Справка по игре</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>Цифровая клавиатура</translation>
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
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>У вас и у компьютера есть по тайному числу, и каждый пытается отгадать число другого. Вы называете варианты по очереди, и на каждый вариант отвечают знаками плюс и минус. Кто первым отгадает число соперника, тот и побеждает.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>Всё честно: первый вариант всегда называете вы, и у обоих одинаковое число вариантов.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>ПРАВИЛА</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>Тайное число</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Четыре цифры без повторов, и первая цифра — не 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Можно:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>Нельзя:&amp;nbsp; %1 (начинается&#xa0;с&#xa0;0),&amp;nbsp; %2 и %3 (цифра&#xa0;повторяется)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>Как отвечают на вариант</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Каждая цифра варианта, которая стоит в тайном числе на том же месте, даёт %1. Каждая цифра, которая есть в тайном числе, но на другом месте, даёт %2. Поэтому знаков не больше четырёх, а %3 означает, что число найдено.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Загадано</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Вариант</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Знаки</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Например: 8 стоит на своём месте, %1; 1 и 4 — в другом месте, %2; 2 в числе нет вовсе. Ответ на %3: %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>КАК ИГРАТЬ</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Набирайте вариант на &lt;span class=&apos;key&apos;&gt;цифровой клавиатуре&lt;/span&gt; (Num&#xa0;Lock&#xa0;включён) или нажимайте кнопки с цифрами. &lt;span class=&apos;key&apos;&gt;Десятичная точка&lt;/span&gt; стирает последнюю цифру, &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; подтверждает число.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Затем ответьте на вариант компьютера: каждое нажатие %1 или %2 добавляет знак, а &lt;span class=&apos;key&apos;&gt;десятичная точка&lt;/span&gt; сбрасывает ответ на %3. Можно и кнопками со знаками. &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; подтверждает знаки.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>Мышью можно всё то же, что и клавишами.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>СТРАТЕГИЯ</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>Не надейтесь на удачу в первых ходах: собирайте сведения. Вариант, который оставляет меньше возможных чисел, ценнее того, что может оказаться верным.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>Компьютер думает перед каждым ходом: дольше всего в первых ходах, затем всё быстрее.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0–9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>набрать вариант</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>стереть последнюю цифру или начать знаки заново</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>ещё один плюс или минус</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>подтвердить ввод</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Удачи!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab читает другую колонку, Esc закрывает это окно. В игре цифровая клавиатура работает при включённом Num Lock. Её цифры набирают ваш вариант, десятичная клавиша стирает цифру или начинает ответ заново, клавиши плюс и минус добавляют знак, Enter подтверждает. Без цифровой клавиатуры то же делают цифры, плюс, минус, Backspace и Enter основной клавиатуры. Page Up и Page Down читают обе истории строка за строкой; R говорит, чей ход и на какой вариант нужно ответить.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>от 0 до 9, набрать вариант</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>десятичная клавиша, стереть последнюю цифру или начать знаки заново</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>плюс и минус, ещё один плюс или минус</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Enter, подтвердить ввод</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
</context>
<context>
    <name>dialogs::RecordProblem</name>
    <message>
        <source>Your matches cannot be saved.</source>
        <translation>Ваши партии не удаётся сохранить.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>Папка или файл защищены от записи.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>Диск отказал в записи.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Другая программа заблокировала журнал.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>Журнал не удаётся ни открыть, ни записать.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>Numora ведёт журнал ваших партий в %1. %2 Можно играть дальше: партии этого сеанса сохраняются в памяти и будут записаны, как только журнал снова станет доступен для записи, но пропадут, если Numora закроется раньше.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>Не удалось прочитать журнал ваших партий.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>Файл %1 был повреждён или не принадлежит Numora. Он сохранён без изменений как %2, и начат новый журнал.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>Журнал ваших партий записан более новой версией Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Эта версия показывает журнал из %1, но не изменяет его: партии, которые вы играете сейчас, не сохраняются.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Пока нет выигранных партий.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Ходов %1, выиграно %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> Ничья!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> Неплохо!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> Ещё раз?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>Об игре...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>Наведите мышь на картинку!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>Этим я занимался, пока не начал писать ненужные программы!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Игра в угадывание чисел.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (версия поумнее)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>от команды Numora</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>Команда Numora</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Закрывает это окно</translation>
    </message>
</context>
<context>
    <name>dialogs::frmStatistics</name>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Поражение</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Противоречивые ответы</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Не доиграна</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Ходы в выигранных партиях</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Сводка</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Число компьютера</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Ваше число</translation>
    </message>
    <message>
        <source>Last matches</source>
        <translation>Последние партии</translation>
    </message>
    <message>
        <source>&amp;Last matches</source>
        <translation>&amp;Последние партии</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Хранится в %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>&amp;Очистить журнал...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Сыграно партий</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Проиграно</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Вничью</translation>
    </message>
    <message>
        <source>Ended on contradictory answers</source>
        <translation>Прервано из-за противоречивых ответов</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Брошено</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Доля побед</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Текущая серия побед</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Самая длинная серия побед</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Среднее число ходов до победы</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Наименьшее число ходов до победы</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>пока нет</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найдено</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Уровень: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>Журнал не удаётся прочитать.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Этот журнал записан более новой версией Numora: он показан здесь, но партии, которые вы играете сейчас, в него не добавляются.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Ещё не сохранённых партий этого сеанса: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>Удалить все партии из журнала (%1)?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>Восстановить партии будет невозможно.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>Не удалось очистить журнал: запись в него невозможна.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>С&amp;татистика...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> Вы проиграли!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>Ещё партию?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>Вы победили!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>Поздравляем!  Ещё партию?</translation>
    </message>
</context>
</TS>

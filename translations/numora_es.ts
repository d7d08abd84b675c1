<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Tablero de Numora</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Mis jugadas</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Tus jugadas</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Mi intento</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Tu intento</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Probar número</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>¡Ya has probado ese número!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Mi intento es %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Tu intento es %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>Mis rondas</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Tus rondas</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n signo más</numerusform>
            <numerusform>%n signos más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n signo menos</numerusform>
            <numerusform>%n signos menos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>Ni&amp;vel</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1 a partir de la próxima partida</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Pruebo con %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>Estado, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Mi intento, ninguno todavía</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Tu intento, nada escrito</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Partida nueva. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Ronda %1, tu intento %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>Encontré tu número, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Mi número era %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>Te toca, ronda %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>Tu respuesta, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Ya hay cuatro cifras</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>El %1 ya está</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>El 0 no puede ir primero</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Escribe primero cuatro cifras</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Más de cuatro signos, no es posible</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 signos más y 1 signo menos no es posible</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Escribe primero tu intento</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Responde primero a mi intento</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Ronda %1, mi intento %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Todavía no hay líneas</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>No hay línea anterior</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>No hay línea posterior</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Tu resultado, %1</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Thinking...</source>
        <translation>Pensando...</translation>
    </message>
    <message>
        <source> You have lost! My number was : </source>
        <translation> ¡Has perdido! Mi número era: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>¡Ningún número válido encaja con lo que has indicado!<byte value="xd"/>
Ten más cuidado la próxima vez.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Ayuda del juego</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>El teclado numérico</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>THE GAME</source>
        <translation>EL JUEGO</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>Tú y el ordenador tenéis cada uno un número secreto e intentáis descubrir el del otro. Se adivina por turnos, y cada intento se responde con signos más y menos. Quien descubra antes el número del otro gana la partida.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>Es una partida justa: tú siempre haces el primer intento y los dos tienen el mismo número de intentos.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>LAS REGLAS</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>El número secreto</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Cuatro cifras, ninguna repetida, y la primera no es 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Válidos:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>No válidos:&amp;nbsp; %1 (empieza por 0),&amp;nbsp; %2 y %3 (cifra repetida)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>Cómo se responde a un intento</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Cada cifra del intento que está en la misma posición en el número secreto vale un %1. Cada cifra que está en el número secreto pero en otra posición vale un %2. Así, un intento recibe como mucho cuatro signos, y %3 significa que se ha encontrado el número.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Intento</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signos</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Por ejemplo: el 8 está en su sitio, %1; el 1 y el 4 están en otro sitio, %2; el 2 no está. La respuesta a %3 es %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>CÓMO SE JUEGA</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Escribe tu intento en el &lt;span class=&apos;key&apos;&gt;teclado numérico&lt;/span&gt; (con&#xa0;Bloq&#xa0;Num&#xa0;activado) o haz clic en las cifras. El &lt;span class=&apos;key&apos;&gt;punto decimal&lt;/span&gt; del teclado borra la última cifra. Pulsa &lt;span class=&apos;key&apos;&gt;Intro&lt;/span&gt; para confirmar tu número.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Después responde al intento del ordenador: cada pulsación de la tecla %1 o %2 del teclado añade un signo, y su &lt;span class=&apos;key&apos;&gt;punto decimal&lt;/span&gt; vuelve a dejar la respuesta en %3. O haz clic en los botones de signos. Pulsa &lt;span class=&apos;key&apos;&gt;Intro&lt;/span&gt; para confirmar los signos.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>El ratón hace todo lo que hacen las teclas.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>ESTRATEGIA</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>No esperes acertar por suerte con tus primeros intentos. Úsalos para reunir información: un intento que deja menos números posibles vale más que uno que podría ser el correcto.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>El ordenador piensa un rato antes de adivinar: más en las primeras jugadas y cada vez más rápido después.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 a 9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>escribir tu intento</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>borrar la última cifra o empezar de nuevo los signos</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>añadir un signo más o un signo menos</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>confirmar el número o los signos</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>¡Buena suerte!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab lee la otra columna, Esc cierra esta ventana. En el juego, el teclado numérico funciona con Bloq Num activado. Sus cifras escriben tu intento, su tecla decimal borra una cifra o empieza de nuevo la respuesta, sus teclas más y menos añaden un signo, Intro confirma. Sin teclado numérico, las cifras, más, menos, Retroceso e Intro del teclado principal hacen lo mismo. Re Pág y Av Pág leen los dos historiales línea a línea; R dice a quién le toca y qué intento hay que responder.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>0 a 9, escribir tu intento</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>tecla decimal, borrar la última cifra o empezar de nuevo los signos</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>más y menos, añadir un signo más o un signo menos</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Intro, confirmar el número o los signos</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>dialogs::RecordProblem</name>
    <message>
        <source>Your matches cannot be saved.</source>
        <translation>No se pueden guardar tus partidas.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>La carpeta o el archivo no admiten escritura.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>El disco se negó a escribir.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Otro programa mantiene bloqueado el historial.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>No se puede abrir ni escribir el historial.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>Numora guarda el historial de tus partidas en %1. %2 Puedes seguir jugando: las partidas de esta sesión se conservan y se guardarán en cuanto se pueda volver a escribir en el historial, pero se perderán si Numora se cierra antes.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>No se pudo leer el historial de tus partidas.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>El archivo %1 estaba dañado o no es de Numora. Se ha conservado sin cambios como %2 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>El historial de tus partidas lo escribió una versión más reciente de Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Esta versión muestra el historial de %1 pero no lo modifica: las partidas que juegues ahora no se guardarán.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Aún no has ganado ninguna partida.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Rondas %1, ganadas %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> ¡Empate!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> ¡Nada mal!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> ¿Otra vez?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>Acerca del juego...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>¡Pasa el ratón por la imagen!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>¡Esto es lo que hacía antes de empezar a escribir programas innecesarios!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Juego de adivinar números.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (la versión más lista)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>por el equipo de Numora</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>El equipo de Numora</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
</context>
<context>
    <name>dialogs::frmStatistics</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Respuestas contradictorias</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cifras</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Rondas de las partidas ganadas</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Resumen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Número del ordenador</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Tu número</translation>
    </message>
    <message>
        <source>Last matches</source>
        <translation>Últimas partidas</translation>
    </message>
    <message>
        <source>&amp;Last matches</source>
        <translation>Últimas &amp;partidas</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>&amp;Borrar historial...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empatadas</translation>
    </message>
    <message>
        <source>Ended on contradictory answers</source>
        <translation>Terminadas por respuestas contradictorias</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Racha de victorias actual</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Racha de victorias más larga</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Rondas por victoria (media)</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Menos rondas para ganar</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguna aún</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>No se puede leer el historial.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Este historial lo escribió una versión más reciente de Numora: se muestra aquí, pero las partidas que juegues ahora no se añaden a él.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Partidas de esta sesión aún sin guardar: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>¿Borrar todas las partidas del historial (%1)?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>Las partidas no se podrán recuperar.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>No se pudo borrar el historial: no admite escritura.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> ¡Has perdido!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>¿Otra partida?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>¡Enhorabuena!  ¿Otra partida?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Plancia di gioco di Numora</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Le mie mosse</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Le tue mosse</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Il mio tentativo</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Il tuo tentativo</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Invia numero</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>Hai già provato questo numero!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Il mio tentativo è %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Il tuo tentativo è %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>I miei turni</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>I tuoi turni</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n segno più</numerusform>
            <numerusform>%n segni più</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n segno meno</numerusform>
            <numerusform>%n segni meno</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Esperto</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1 dalla prossima partita</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Provo %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>Stato, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Il mio tentativo, nessuno ancora</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Il tuo tentativo, niente digitato</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Nuova partita. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Turno %1, il tuo %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>Ho trovato il tuo numero, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Il mio numero era %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>Tocca a te, turno %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>La tua risposta, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Già quattro cifre</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>Il %1 c&apos;è già</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>Niente 0 all&apos;inizio</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Prima digita quattro cifre</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Più di quattro segni, non è possibile</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 segni più e 1 segno meno non è possibile</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Prima digita il tuo tentativo</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Prima rispondi al mio tentativo</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Turno %1, il mio %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Ancora nessuna riga</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>Nessuna riga prima</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>Nessuna riga dopo</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Il tuo punteggio, %1</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Thinking...</source>
        <translation>Sto pensando...</translation>
    </message>
    <message>
        <source> You have lost! My number was : </source>
        <translation> Hai perso! Il mio numero era: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>Nessun numero valido corrisponde alle tue risposte!<byte value="xd"/>
La prossima volta fai più attenzione.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Guida del gioco</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>Il tastierino numerico</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>THE GAME</source>
        <translation>IL GIOCO</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>Tu e il computer avete ciascuno un numero segreto e cercate di scoprire quello dell&apos;altro. Provate a indovinare a turno, e a ogni tentativo si risponde con segni più e meno. Chi scopre per primo il numero dell&apos;altro vince la partita.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>È una sfida leale: il primo tentativo è sempre tuo, ed entrambi avete lo stesso numero di tentativi.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>LE REGOLE</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>Il numero segreto</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Quattro cifre, nessuna ripetuta, e la prima non è 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Validi:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>Non validi:&amp;nbsp; %1 (inizia con 0),&amp;nbsp; %2 e %3 (cifra ripetuta)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>Come si risponde a un tentativo</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Ogni cifra del tentativo che si trova nella stessa posizione nel numero segreto vale un %1. Ogni cifra presente nel numero segreto ma in un&apos;altra posizione vale un %2. Un tentativo riceve quindi al massimo quattro segni, e %3 vuol dire che il numero è stato trovato.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Segreto</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Tentativo</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Segni</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Per esempio: l&apos;8 è al suo posto, %1; l&apos;1 e il 4 sono altrove, %2; il 2 non c&apos;è proprio. La risposta a %3 è %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>COME SI GIOCA</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Scrivi il tuo tentativo sul &lt;span class=&apos;key&apos;&gt;tastierino numerico&lt;/span&gt; (con&#xa0;Bloc&#xa0;Num&#xa0;attivo) o fai clic sulle cifre. Il &lt;span class=&apos;key&apos;&gt;punto decimale&lt;/span&gt; del tastierino cancella l&apos;ultima cifra. Premi &lt;span class=&apos;key&apos;&gt;Invio&lt;/span&gt; per confermare il numero.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Poi rispondi al tentativo del computer: ogni pressione del tasto %1 o %2 del tastierino aggiunge un segno, e il suo &lt;span class=&apos;key&apos;&gt;punto decimale&lt;/span&gt; riporta la risposta a %3. Oppure fai clic sui pulsanti dei segni. Premi &lt;span class=&apos;key&apos;&gt;Invio&lt;/span&gt; per confermare i segni.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>Il mouse fa tutto quello che fanno i tasti.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>STRATEGIA</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>Non sperare in un colpo di fortuna con i primi tentativi. Usali per raccogliere informazioni: un tentativo che lascia meno numeri possibili vale più di uno che potrebbe essere giusto.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>Il computer pensa un po&apos; prima di tentare: più a lungo nelle prime mosse, poi sempre più in fretta.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0–9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>scrivi il tentativo</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>cancella l&apos;ultima cifra o ricomincia i segni</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>aggiungi un segno più o meno</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>conferma il numero o i segni</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Buona fortuna!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab legge l&apos;altra colonna, Esc chiude questa finestra. Nel gioco il tastierino numerico funziona con Bloc Num attivo. Le sue cifre scrivono il tuo tentativo, il tasto decimale cancella una cifra o ricomincia la risposta, i tasti più e meno aggiungono un segno, Invio conferma. Senza tastierino, le cifre, più, meno, Backspace e Invio della tastiera principale fanno lo stesso. Pagina su e Pagina giù leggono le due cronologie riga per riga; R dice a chi tocca e a quale tentativo rispondere.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>da 0 a 9, scrivi il tentativo</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>tasto decimale, cancella l&apos;ultima cifra o ricomincia i segni</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>più e meno, aggiungi un segno più o meno</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Invio, conferma il numero o i segni</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
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
        <translation>Le tue partite non possono essere salvate.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>La cartella o il file non sono scrivibili.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>Il disco ha rifiutato la scrittura.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Un altro programma tiene bloccato lo storico.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>Lo storico non può essere aperto né scritto.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>Numora tiene lo storico delle tue partite in %1. %2 Puoi continuare a giocare: le partite di questa sessione vengono conservate e salvate appena lo storico torna scrivibile, ma vanno perse se Numora si chiude prima.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>Non è stato possibile leggere lo storico delle tue partite.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>Il file %1 era danneggiato o non è di Numora. È stato conservato, invariato, come %2, ed è stato iniziato un nuovo storico.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>Lo storico delle tue partite è stato scritto da una versione più recente di Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Questa versione mostra lo storico in %1 ma non lo modifica: le partite che giochi ora non vengono salvate.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Ancora nessuna partita vinta.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Turni %1, vinte %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> Pareggio!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> Niente male!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> Un&apos;altra?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>Informazioni sul gioco...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>Passa il mouse sull&apos;immagine!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>Era quello che facevo prima di mettermi a scrivere programmi inutili!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Gioco per indovinare numeri.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (la versione più furba)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>dal team di Numora</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>Il team di Numora</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Chiude questa finestra</translation>
    </message>
</context>
<context>
    <name>dialogs::frmStatistics</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Risposte contraddittorie</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Non finita</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Turni delle partite vinte</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Riepilogo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Turni</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Numero del computer</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Il tuo numero</translation>
    </message>
    <message>
        <source>Last matches</source>
        <translation>Ultime partite</translation>
    </message>
    <message>
        <source>&amp;Last matches</source>
        <translation>&amp;Ultime partite</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>Ca&amp;ncella storico...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Pareggiate</translation>
    </message>
    <message>
        <source>Ended on contradictory answers</source>
        <translation>Finite per risposte contraddittorie</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abbandonate</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Serie di vittorie attuale</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Serie di vittorie più lunga</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Turni medi per vincere</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Meno turni per vincere</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ancora nessuno</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Livello: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>Lo storico non può essere letto.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Questo storico è stato scritto da una versione più recente di Numora: viene mostrato qui, ma le partite che giochi ora non vi vengono aggiunte.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Partite di questa sessione non ancora salvate: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>Cancellare tutte le partite dello storico (%1)?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>Le partite non potranno essere recuperate.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Cancella storico</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>Non è stato possibile cancellare lo storico: non è scrivibile.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> Hai perso!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>Un&apos;altra partita?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>Complimenti!  Un&apos;altra partita?</translation>
    </message>
</context>
</TS>

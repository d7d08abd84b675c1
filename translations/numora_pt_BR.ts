<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Tabuleiro do Numora</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Meus palpites</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Seus palpites</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Meu palpite</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Seu palpite</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Enviar palpite</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>Você já tentou esse número!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Meu palpite é %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Seu palpite é %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>Minhas rodadas</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Suas rodadas</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n sinal de mais</numerusform>
            <numerusform>%n sinais de mais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n sinal de menos</numerusform>
            <numerusform>%n sinais de menos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>Ní&amp;vel</translation>
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
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1 a partir do próximo jogo</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Eu chuto %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>Status, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Meu palpite, nenhum ainda</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Seu palpite, nada digitado</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Nova partida. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Rodada %1, seu palpite %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>Achei seu número, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Meu número era %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>Sua vez, rodada %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>Sua resposta, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Já são quatro dígitos</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>O %1 já está</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>O 0 não pode vir primeiro</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Digite quatro dígitos primeiro</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Mais de quatro sinais, não é possível</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 sinais de mais e 1 sinal de menos não é possível</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Digite seu palpite primeiro</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Responda meu palpite primeiro</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Rodada %1, meu palpite %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Nenhuma linha ainda</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>Nenhuma linha antes</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>Nenhuma linha depois</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Seu resultado, %1</translation>
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
        <translation> Você perdeu! Meu número era: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>Nenhum número válido combina com as suas respostas!<byte value="xd"/>
Tenha mais cuidado da próxima vez.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Ajuda do jogo</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>O teclado numérico</translation>
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
        <translation>O JOGO</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>Você e o computador têm, cada um, um número secreto e tentam descobrir o do outro. Vocês se revezam nos palpites, e cada palpite é respondido com sinais de mais e de menos. Quem descobrir primeiro o número do outro vence a partida.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>É uma disputa justa: você sempre dá o primeiro palpite, e os dois têm o mesmo número de palpites.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>AS REGRAS</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>O número secreto</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Quatro algarismos, nenhum repetido, e o primeiro não é 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Válidos:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>Inválidos:&amp;nbsp; %1 (começa&#xa0;com&#xa0;0),&amp;nbsp; %2 e %3 (algarismo&#xa0;repetido)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>Como se responde a um palpite</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Cada algarismo do palpite que está na mesma posição no número secreto vale um %1. Cada algarismo que está no número secreto, mas em outra posição, vale um %2. Assim, um palpite recebe no máximo quatro sinais, e %3 significa que o número foi encontrado.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Palpite</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Sinais</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Por exemplo: o 8 está no lugar certo, %1; o 1 e o 4 estão em outro lugar, %2; o 2 não está no número. A resposta a %3 é %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>COMO JOGAR</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Digite seu palpite no &lt;span class=&apos;key&apos;&gt;teclado numérico&lt;/span&gt; (com Num Lock ligado) ou clique nos algarismos. O &lt;span class=&apos;key&apos;&gt;ponto decimal&lt;/span&gt; do teclado apaga o último algarismo. Pressione &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; para confirmar seu número.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Depois responda ao palpite do computador: cada toque na tecla %1 ou %2 do teclado acrescenta um sinal, e o &lt;span class=&apos;key&apos;&gt;ponto decimal&lt;/span&gt; recomeça a resposta em %3. Ou clique nos botões de sinais. Pressione &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; para confirmar os sinais.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>O mouse faz tudo o que as teclas fazem.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>ESTRATÉGIA</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>Não conte com a sorte nos primeiros palpites. Use-os para reunir informações: um palpite que deixa menos números possíveis vale mais do que um que poderia estar certo.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>O computador pensa um pouco antes de dar o palpite: mais nas primeiras jogadas e cada vez mais rápido depois.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 a 9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>digitar o palpite</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>apagar o último algarismo ou recomeçar os sinais</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>acrescentar um sinal de mais ou de menos</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>confirmar o número ou os sinais</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Boa sorte!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab lê a outra coluna, Esc fecha esta janela. No jogo, o teclado numérico funciona com o Num Lock ligado. Seus dígitos digitam seu palpite, a tecla decimal apaga um dígito ou recomeça a resposta, as teclas mais e menos acrescentam um sinal, Enter confirma. Sem teclado numérico, os dígitos, mais, menos, Backspace e Enter do teclado principal fazem o mesmo. Page Up e Page Down leem os dois históricos linha por linha; R diz de quem é a vez e qual palpite responder.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>0 a 9, digitar o palpite</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>tecla decimal, apagar o último algarismo ou recomeçar os sinais</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>mais e menos, acrescentar um sinal de mais ou de menos</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Enter, confirmar o número ou os sinais</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
</context>
<context>
    <name>dialogs::RecordProblem</name>
    <message>
        <source>Your matches cannot be saved.</source>
        <translation>Suas partidas não podem ser salvas.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>A pasta ou o arquivo não permite gravação.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>O disco recusou a gravação.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Outro programa mantém o histórico bloqueado.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>Não é possível abrir nem gravar o histórico.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>O Numora mantém o histórico das suas partidas em %1. %2 Você pode continuar jogando: as partidas desta sessão são guardadas e salvas assim que o histórico puder ser gravado de novo, mas se perdem se o Numora for fechado antes.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>Não foi possível ler o histórico das suas partidas.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>O arquivo %1 estava danificado ou não é do Numora. Ele foi guardado, sem alterações, como %2, e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>O histórico das suas partidas foi gravado por uma versão mais nova do Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Esta versão mostra o histórico em %1, mas não o altera: as partidas que você jogar agora não serão salvas.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Nenhuma partida vencida ainda.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Rodadas %1, vencidas %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> Empate!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> Nada mal!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> De novo?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>Sobre o jogo...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>Passe o mouse sobre a imagem!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>Era isso que eu fazia antes de começar a escrever programas desnecessários!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Jogo de adivinhar números.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (a versão mais esperta)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>pela equipe Numora</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>A equipe Numora</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Fecha esta janela</translation>
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
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Respostas contraditórias</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Não terminada</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Rodadas das partidas vencidas</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Resumo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Número do computador</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Seu número</translation>
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
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>&amp;Limpar histórico...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vencidas</translation>
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
        <translation>Encerradas por respostas contraditórias</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taxa de vitórias</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Sequência de vitórias atual</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Maior sequência de vitórias</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Média de rodadas por vitória</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Menos rodadas para vencer</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nenhuma ainda</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Nível: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>Não é possível ler o histórico.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Este histórico foi gravado por uma versão mais nova do Numora: ele é mostrado aqui, mas as partidas que você jogar agora não são adicionadas a ele.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Partidas desta sessão ainda não salvas: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>Limpar todas as partidas do histórico (%1)?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>As partidas não poderão ser recuperadas.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>Não foi possível limpar o histórico: ele não pode ser gravado.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tatísticas...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> Você perdeu!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>Jogar de novo?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>Parabéns!  Jogar&#xa0;de&#xa0;novo?</translation>
    </message>
</context>
</TS>

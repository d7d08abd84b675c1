<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Numora game board</source>
        <translation>Plateau de jeu Numora</translation>
    </message>
    <message>
        <source>My progress</source>
        <translation>Mes coups</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Vos coups</translation>
    </message>
    <message>
        <source>My guess is</source>
        <translation>Mon essai</translation>
    </message>
    <message>
        <source>Your guess is</source>
        <translation>Votre essai</translation>
    </message>
    <message>
        <source>Confirm Signs</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Confirm Number</source>
        <translation>Proposer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>You have tried that number before!</source>
        <translation>Vous avez déjà essayé ce nombre&#xa0;!</translation>
    </message>
    <message>
        <source>My guess is %1</source>
        <translation>Mon essai, %1</translation>
    </message>
    <message>
        <source>Your guess is %1</source>
        <translation>Votre essai, %1</translation>
    </message>
    <message>
        <source>My rounds</source>
        <translation>Mes tours</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Vos tours</translation>
    </message>
    <message numerus="yes">
        <source>%n plus</source>
        <translation>
            <numerusform>%n plus</numerusform>
            <numerusform>%n plus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minus</source>
        <translation>
            <numerusform>%n moins</numerusform>
            <numerusform>%n moins</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>Ni&amp;veau</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>%1 from the next match on</source>
        <translation>%1 à partir de la prochaine partie</translation>
    </message>
    <message>
        <source>Numora - %1</source>
        <translation>Numora - %1</translation>
    </message>
    <message>
        <source>I guess %1</source>
        <translation>Je propose %1</translation>
    </message>
    <message>
        <source>Status, %1</source>
        <translation>État, %1</translation>
    </message>
    <message>
        <source>My guess, none yet</source>
        <translation>Mon essai, aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>Your guess, nothing typed</source>
        <translation>Votre essai, rien de saisi</translation>
    </message>
    <message>
        <source>New match. %1</source>
        <translation>Nouvelle partie. %1</translation>
    </message>
    <message>
        <source>Round %1, your %2</source>
        <translation>Tour %1, votre essai %2</translation>
    </message>
    <message>
        <source>I found your number, %1</source>
        <translation>J&apos;ai trouvé votre nombre, %1</translation>
    </message>
    <message>
        <source>My number was %1</source>
        <translation>Mon nombre était %1</translation>
    </message>
    <message>
        <source>Your turn, round %1</source>
        <translation>À vous, tour %1</translation>
    </message>
    <message>
        <source>Your answer, %1</source>
        <translation>Votre réponse, %1</translation>
    </message>
    <message>
        <source>Four digits already</source>
        <translation>Déjà quatre chiffres</translation>
    </message>
    <message>
        <source>%1 is in already</source>
        <translation>Le %1 y est déjà</translation>
    </message>
    <message>
        <source>No 0 first</source>
        <translation>Pas de 0 en premier</translation>
    </message>
    <message>
        <source>Type four digits first</source>
        <translation>Saisissez d&apos;abord quatre chiffres</translation>
    </message>
    <message>
        <source>More than four signs, not possible</source>
        <translation>Plus de quatre signes, impossible</translation>
    </message>
    <message>
        <source>3 plus and 1 minus is not possible</source>
        <translation>3 plus et 1 moins, c&apos;est impossible</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Type your guess first</source>
        <translation>Saisissez d&apos;abord votre essai</translation>
    </message>
    <message>
        <source>Answer my guess first</source>
        <translation>Répondez d&apos;abord à mon essai</translation>
    </message>
    <message>
        <source>Round %1, my %2</source>
        <translation>Tour %1, mon essai %2</translation>
    </message>
    <message>
        <source>No lines yet</source>
        <translation>Aucune ligne pour l&apos;instant</translation>
    </message>
    <message>
        <source>No earlier line</source>
        <translation>Pas de ligne avant</translation>
    </message>
    <message>
        <source>No later line</source>
        <translation>Pas de ligne après</translation>
    </message>
    <message>
        <source>Your score, %1</source>
        <translation>Votre score, %1</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Thinking...</source>
        <translation>Voyons...</translation>
    </message>
    <message>
        <source> You have lost! My number was : </source>
        <translation> Perdu&#xa0;! Mon nombre était&#xa0;: </translation>
    </message>
    <message>
        <source>No valid number matches the information you gave!<byte value="xd"/>
Please be more careful next time.</source>
        <translation>Aucun nombre valide ne correspond à vos réponses&#xa0;!<byte value="xd"/>
Faites plus attention la prochaine fois.</translation>
    </message>
</context>
<context>
    <name>dialogs::Form2</name>
    <message>
        <source>Game Help</source>
        <translation>Aide du jeu</translation>
    </message>
    <message>
        <source>The numeric keypad</source>
        <translation>Le pavé numérique</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>THE GAME</source>
        <translation>LE JEU</translation>
    </message>
    <message>
        <source>You and the computer each hold a secret number and try to find the other&apos;s. You take turns to guess, and every guess is answered with plus and minus signs. Whoever finds the other&apos;s number first wins the match.</source>
        <translation>Vous et l&apos;ordinateur avez chacun un nombre secret et cherchez à trouver celui de l&apos;autre. Vous jouez à tour de rôle, et chaque essai reçoit une réponse en signes plus et moins. Le premier qui trouve le nombre de l&apos;autre gagne la partie.</translation>
    </message>
    <message>
        <source>It is a fair fight: you always make the first guess, and both of you get the same number of guesses.</source>
        <translation>La partie est équitable&#xa0;: vous jouez toujours en premier, et chacun a droit au même nombre d&apos;essais.</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>LES RÈGLES</translation>
    </message>
    <message>
        <source>The secret number</source>
        <translation>Le nombre secret</translation>
    </message>
    <message>
        <source>Four digits, no digit twice, and the first digit is not 0.</source>
        <translation>Quatre chiffres, jamais deux fois le même, et le premier n&apos;est pas 0.</translation>
    </message>
    <message>
        <source>Good:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</source>
        <translation>Valides&#xa0;:&amp;nbsp; %1&amp;nbsp;&amp;nbsp; %2&amp;nbsp;&amp;nbsp; %3</translation>
    </message>
    <message>
        <source>Not allowed:&amp;nbsp; %1 (starts with 0),&amp;nbsp; %2 and %3 (a digit twice)</source>
        <translation>Interdits&#xa0;:&amp;nbsp; %1 (commence par 0),&amp;nbsp; %2 et %3 (chiffre répété)</translation>
    </message>
    <message>
        <source>Marking a guess</source>
        <translation>La réponse à un essai</translation>
    </message>
    <message>
        <source>Every digit of the guess that stands at the same place in the secret number earns a %1. Every digit that is in the secret number but at another place earns a %2. So a guess gets at most four signs, and %3 means the number is found.</source>
        <translation>Chaque chiffre de l&apos;essai qui se trouve à la même place dans le nombre secret vaut un %1. Chaque chiffre présent dans le nombre secret, mais à une autre place, vaut un %2. Un essai reçoit donc au plus quatre signes, et %3 signifie que le nombre est trouvé.</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signes</translation>
    </message>
    <message>
        <source>For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; the 2 is not there at all. The answer to %3 is %4</source>
        <translation>Par exemple&#xa0;: le 8 est à sa place, %1&#xa0;; le 1 et le 4 sont ailleurs, %2&#xa0;; le 2 n&apos;y est pas du tout. La réponse à %3 est %4</translation>
    </message>
    <message>
        <source>PLAYING</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>Type your guess on the &lt;span class=&apos;key&apos;&gt;numeric keypad&lt;/span&gt; (with Num Lock on) or click the digit buttons. The keypad&apos;s &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; deletes the last digit. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm your number.</source>
        <translation>Tapez votre essai sur le &lt;span class=&apos;key&apos;&gt;pavé numérique&lt;/span&gt; (Verr Num activé) ou cliquez sur les chiffres. Le &lt;span class=&apos;key&apos;&gt;point décimal&lt;/span&gt; du pavé efface le dernier chiffre. &lt;span class=&apos;key&apos;&gt;Entrée&lt;/span&gt; valide votre nombre.</translation>
    </message>
    <message>
        <source>Then answer the computer&apos;s guess: each press of the keypad&apos;s %1 or %2 key adds one sign, and its &lt;span class=&apos;key&apos;&gt;decimal point&lt;/span&gt; starts the answer again at %3. Or click the sign buttons. Press &lt;span class=&apos;key&apos;&gt;Enter&lt;/span&gt; to confirm the signs.</source>
        <translation>Répondez ensuite à l&apos;essai de l&apos;ordinateur&#xa0;: chaque appui sur la touche %1 ou %2 du pavé ajoute un signe, et son &lt;span class=&apos;key&apos;&gt;point décimal&lt;/span&gt; remet la réponse à %3. Ou cliquez sur les signes. &lt;span class=&apos;key&apos;&gt;Entrée&lt;/span&gt; valide les signes.</translation>
    </message>
    <message>
        <source>The mouse does everything the keys do.</source>
        <translation>La souris fait tout ce que font les touches.</translation>
    </message>
    <message>
        <source>STRATEGY</source>
        <translation>STRATÉGIE</translation>
    </message>
    <message>
        <source>Do not hope for a lucky hit with your first guesses. Use them to gather information: a guess that leaves fewer numbers possible is worth more than one that might be right.</source>
        <translation>N&apos;espérez pas un coup de chance avec vos premiers essais&#xa0;: servez-vous-en pour vous informer. Un essai qui laisse moins de nombres possibles vaut mieux qu&apos;un essai qui pourrait être juste.</translation>
    </message>
    <message>
        <source>The computer thinks for a while before it guesses: longest in the first few moves, and faster with every move after that.</source>
        <translation>L&apos;ordinateur réfléchit un moment avant de proposer&#xa0;: plus longtemps lors des premiers coups, puis de plus en plus vite.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 à 9</translation>
    </message>
    <message>
        <source>type your guess</source>
        <translation>taper votre essai</translation>
    </message>
    <message>
        <source>delete the last digit, or start the signs again</source>
        <translation>effacer le dernier chiffre ou recommencer les signes</translation>
    </message>
    <message>
        <source>one more plus or minus sign</source>
        <translation>ajouter un plus ou un moins</translation>
    </message>
    <message>
        <source>confirm the number or the signs</source>
        <translation>valider le nombre ou les signes</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Bonne chance&#xa0;!</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the numeric keypad&apos;s decimal key</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Tab reads the other column, Esc closes this window. In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard do the same. Page Up and Page Down read both histories line by line; R tells whose turn it is and the guess to answer.</source>
        <translation>Tab lit l&apos;autre colonne, Échap ferme cette fenêtre. Dans le jeu, le pavé numérique fonctionne avec le verrouillage numérique activé. Ses chiffres saisissent votre essai, sa touche décimale efface un chiffre ou recommence la réponse, ses touches plus et moins ajoutent un signe, Entrée valide. Sans pavé numérique, les chiffres, plus, moins, Retour arrière et Entrée du clavier principal font de même. Page précédente et Page suivante lisent les deux historiques ligne par ligne ; R dit à qui c&apos;est le tour et l&apos;essai auquel répondre.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>0 to 9, type your guess</source>
        <translation>0 à 9, taper votre essai</translation>
    </message>
    <message>
        <source>decimal key, delete the last digit, or start the signs again</source>
        <translation>touche décimale, effacer le dernier chiffre ou recommencer les signes</translation>
    </message>
    <message>
        <source>plus and minus, one more plus or minus sign</source>
        <translation>plus et moins, ajouter un plus ou un moins</translation>
    </message>
    <message>
        <source>Enter, confirm the number or the signs</source>
        <translation>Entrée, valider le nombre ou les signes</translation>
    </message>
</context>
<context>
    <name>dialogs::OutcomeDialog</name>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>dialogs::RecordProblem</name>
    <message>
        <source>Your matches cannot be saved.</source>
        <translation>Vos parties ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written.</source>
        <translation>Le dossier ou le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The disk refused to write.</source>
        <translation>Le disque a refusé l&apos;écriture.</translation>
    </message>
    <message>
        <source>Another program keeps the record locked.</source>
        <translation>Un autre programme garde l&apos;historique verrouillé.</translation>
    </message>
    <message>
        <source>The record cannot be opened or written.</source>
        <translation>L&apos;historique ne peut être ni ouvert ni écrit.</translation>
    </message>
    <message>
        <source>Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are kept and saved as soon as the record can be written again, but they are lost if Numora ends before.</source>
        <translation>Numora tient l&apos;historique de vos parties dans %1. %2 Vous pouvez continuer à jouer&#xa0;: les parties de cette session sont gardées et enregistrées dès que l&apos;historique peut de nouveau être écrit, mais elles sont perdues si Numora se ferme avant.</translation>
    </message>
    <message>
        <source>Your record of matches could not be read.</source>
        <translation>L&apos;historique de vos parties n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file %1 was damaged or is not Numora&apos;s. It has been kept, unchanged, as %2, and a new record has been started.</source>
        <translation>Le fichier %1 était endommagé ou n&apos;appartient pas à Numora. Il a été conservé tel quel sous le nom %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>Your record of matches was written by a newer version of Numora.</source>
        <translation>L&apos;historique de vos parties a été écrit par une version plus récente de Numora.</translation>
    </message>
    <message>
        <source>This version shows the record in %1 but does not change it: the matches you play now are not saved.</source>
        <translation>Cette version affiche l&apos;historique de %1 sans le modifier&#xa0;: les parties que vous jouez maintenant ne sont pas enregistrées.</translation>
    </message>
</context>
<context>
    <name>dialogs::RoundsChart</name>
    <message>
        <source>No match won yet.</source>
        <translation>Aucune partie gagnée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Rounds %1, won %2</source>
        <translation>Tours %1, gagnées %2</translation>
    </message>
</context>
<context>
    <name>dialogs::TSdraw</name>
    <message>
        <source> It&apos;s a draw!</source>
        <translation> Match nul&#xa0;!</translation>
    </message>
    <message>
        <source> Not bad at all!</source>
        <translation> Pas mal&#xa0;!</translation>
    </message>
    <message>
        <source> Play again?</source>
        <translation> On rejoue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About the game...</source>
        <translation>À propos du jeu...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Move your mouse on the picture!</source>
        <translation>Passez la souris sur l&apos;image&#xa0;!</translation>
    </message>
    <message>
        <source>That was what I used to do before I began writing unnecessary programs!</source>
        <translation>Voilà ce que je faisais avant de me mettre à écrire des programmes inutiles&#xa0;!</translation>
    </message>
    <message>
        <source>Number Guessing Game.</source>
        <translation>Jeu de devinette de nombres.</translation>
    </message>
    <message>
        <source>TESSARIN 2.0 (the smarter version)</source>
        <translation>TESSARIN 2.0 (la version futée)</translation>
    </message>
    <message>
        <source>by the Numora team</source>
        <translation>par l&apos;équipe Numora</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>The Numora team</source>
        <translation>L&apos;équipe Numora</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
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
        <translation>Expert</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Perdue</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>Contradictory answers</source>
        <translation>Réponses contradictoires</translation>
    </message>
    <message>
        <source>Left unfinished</source>
        <translation>Inachevée</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Rounds of won matches</source>
        <translation>Tours des parties gagnées</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Résumé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Issue</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Computer&apos;s number</source>
        <translation>Nombre de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Votre nombre</translation>
    </message>
    <message>
        <source>Last matches</source>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>&amp;Last matches</source>
        <translation>&amp;Dernières parties</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservé dans %1</translation>
    </message>
    <message>
        <source>Clea&amp;r Record...</source>
        <translation>&amp;Effacer l&apos;historique...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Matches played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>Ended on contradictory answers</source>
        <translation>Terminées sur des réponses contradictoires</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <source>Average rounds to win</source>
        <translation>Tours par victoire en moyenne</translation>
    </message>
    <message>
        <source>Fewest rounds to win</source>
        <translation>Moins de tours pour gagner</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trouvé</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>The record cannot be read.</source>
        <translation>L&apos;historique ne peut pas être lu.</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numora: it is shown here, but the matches you play now are not added to it.</source>
        <translation>Cet historique a été écrit par une version plus récente de Numora&#xa0;: il est affiché ici, mais les parties que vous jouez maintenant n&apos;y sont pas ajoutées.</translation>
    </message>
    <message>
        <source>Matches of this session not saved yet: %1.</source>
        <translation>Parties de cette session pas encore enregistrées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Clear all the matches on record (%1)?</source>
        <translation>Effacer toutes les parties de l&apos;historique (%1)&#xa0;?</translation>
    </message>
    <message>
        <source>The matches cannot be brought back.</source>
        <translation>Les parties ne pourront pas être récupérées.</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>The record could not be cleared: it cannot be written.</source>
        <translation>L&apos;historique n&apos;a pas pu être effacé&#xa0;: il est protégé en écriture.</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUlost</name>
    <message>
        <source> You have lost!</source>
        <translation> Perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Play again?</source>
        <translation>On rejoue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>dialogs::frmUwin</name>
    <message>
        <source>You Won!</source>
        <translation>Gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!  Play again?</source>
        <translation>Bravo&#xa0;!  On&#xa0;rejoue&#xa0;?</translation>
    </message>
</context>
</TS>

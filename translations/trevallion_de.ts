<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CellDescription</name>
    <message>
        <source>up-left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>up-right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>down-left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>down-right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no arms</source>
        <translation>keine Arme</translation>
    </message>
    <message>
        <source>arms %1</source>
        <translation>Arme %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Player %1 king</source>
        <translation>König von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 piece, %2</source>
        <translation>Stein von Spieler %1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>can move here</source>
        <translation>hierhin ziehbar</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>letzter Zug</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>hint: %1 to %2</source>
        <translation>Tipp: %1 nach %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: trevallion [OPTION | [--] FILE]

Starts Trevallion, a two-player strategy game on a 7 x 7 board, in a window of its own. With
FILE, a game kept by Save Game (*.tvx), it starts with that game loaded, as Load Game loads
it; a game record (*.tvr) is imported as Import Record imports it. After --, a name that
starts with - is a file&apos;s too.

  --check-data  print the full paths of the manual, the sound files and the translations the
                game reads, one a line, and exit with status 1 if any of them is missing or
                cannot be read, or a translation is not the one the build made
  --version     print the version and exit
  -h, --help    print this text and exit

Qt&apos;s own options, such as -platform NAME or -style NAME, are taken as well.
</source>
        <translation>Aufruf: trevallion [OPTION | [--] DATEI]

Startet Trevallion, ein Strategiespiel für zwei auf einem Brett von 7 x 7 Feldern, in einem
eigenen Fenster. Mit DATEI, einem mit „Spiel speichern“ gesicherten Spiel (*.tvx), startet es
mit diesem Spiel geladen, wie „Spiel laden“ es lädt; eine Partie (*.tvr) wird importiert, wie
„Partie importieren“ sie importiert. Nach -- ist auch ein Name, der mit - beginnt, der einer
Datei.

  --check-data  die vollen Pfade der Anleitung, der Klangdateien und der Übersetzungen
                ausgeben, die das Spiel liest, einen je Zeile, und mit Status 1 enden, wenn
                eine davon fehlt oder nicht lesbar ist oder eine Übersetzung nicht die ist, die
                der Build gemacht hat
  --version     die Version ausgeben und enden
  -h, --help    diesen Text ausgeben und enden

Auch Qts eigene Optionen wie -platform NAME oder -style NAME werden angenommen.
</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>sie fehlt</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>the program&apos;s own folder, and so its data folder, is unknown</source>
        <translation>der Ordner des Programms und damit sein Datenordner ist unbekannt</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is an option of Qt&apos;s; name the file as %2</source>
        <translation>%1 ist eine Option von Qt; nennen Sie die Datei %2</translation>
    </message>
    <message>
        <source>one saved game at a time, not %1</source>
        <translation>nur ein gespeichertes Spiel auf einmal, nicht %1</translation>
    </message>
    <message>
        <source>one option at a time, not %1</source>
        <translation>nur eine Option auf einmal, nicht %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1; a saved game of that name goes after --</source>
        <translation>unbekannte Option %1; ein gespeichertes Spiel dieses Namens gehört hinter --</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 takes no saved game</source>
        <translation>%1 nimmt kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>Try &apos;trevallion --help&apos; for the options.</source>
        <translation>Die Optionen nennt „trevallion --help“.</translation>
    </message>
    <message>
        <source>it is not a translation this version of the game was made with</source>
        <translation>sie ist keine Übersetzung, mit der diese Version des Spiels gemacht wurde</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
</context>
<context>
    <name>ConfigFolder</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 is not a full path</source>
        <translation>%1 ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8</source>
        <translation>%1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>%1; the settings, the game in play and the statistics are not kept.</source>
        <translation>%1; die Einstellungen, das laufende Spiel und die Statistik werden nicht aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien offen sind.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file.</source>
        <translation>%1 ist eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file.</source>
        <translation>%1 ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file.</source>
        <translation>%1 ist ein Socket, keine Datei.</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Trevallion Game Files (*.tvx)</source>
        <translation>Trevallion-Spieldateien (*.tvx)</translation>
    </message>
    <message>
        <source>Game records (*.tvr)</source>
        <translation>Partieaufzeichnungen (*.tvr)</translation>
    </message>
</context>
<context>
    <name>KeepingFolder</name>
    <message>
        <source>%1; the game in play and the statistics are not kept.</source>
        <translation>%1; das laufende Spiel und die Statistik werden nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Level Complete</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>Player 1 Wins!</source>
        <translation>Spieler 1 gewinnt!</translation>
    </message>
    <message>
        <source>Player 2  Wins!</source>
        <translation>Spieler 2 gewinnt!</translation>
    </message>
    <message>
        <source>Would you like to try
again Player 1?</source>
        <translation>Möchten Sie es noch einmal
versuchen, Spieler 1?</translation>
    </message>
    <message>
        <source>Would you like to try
again Player 2?</source>
        <translation>Möchten Sie es noch einmal
versuchen, Spieler 2?</translation>
    </message>
    <message>
        <source>Player 2 must be
set to Human first.</source>
        <translation>Spieler 2 muss zuerst
auf Mensch stehen.</translation>
    </message>
    <message>
        <source>Player 1 must be
set to Human first.</source>
        <translation>Spieler 1 muss zuerst
auf Mensch stehen.</translation>
    </message>
    <message>
        <source>You must start a game
before saving.</source>
        <translation>Sie müssen ein Spiel beginnen,
bevor Sie speichern.</translation>
    </message>
    <message>
        <source>Cannot open instructions file.</source>
        <translation>Die Anleitung lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Congratulations! You&apos;ve made
it past Level 50.  Thank you
for playing Trevallion.

Our next game is already
in the making; look out for
news of it where you found
this one.</source>
        <translation>Glückwunsch! Sie haben Level 50
hinter sich gelassen.  Danke,
dass Sie Trevallion spielen.

Unser nächstes Spiel entsteht
schon; halten Sie Ausschau nach
Neuigkeiten dort, wo Sie
dieses gefunden haben.</translation>
    </message>
    <message>
        <source>Trevallion was made by

Programming and design:
*  The Trevallion Workshop

Special thanks:
*  The Level Testers&apos; Guild
*  You, for playing</source>
        <translation>Trevallion wurde gemacht von

Programmierung und Gestaltung:
*  The Trevallion Workshop

Besonderer Dank an:
*  The Level Testers&apos; Guild
*  Sie, fürs Spielen</translation>
    </message>
    <message>
        <source>Trevallion Level %1</source>
        <translation>Trevallion Level %1</translation>
    </message>
    <message>
        <source>This saved game was
created with a different
version of Trevallion.</source>
        <translation>Dieses gespeicherte Spiel
stammt aus einer anderen
Version von Trevallion.</translation>
    </message>
    <message>
        <source>This saved game file
is corrupt.</source>
        <translation>Diese Spieldatei
ist beschädigt.</translation>
    </message>
    <message>
        <source>The game kept from the last run was damaged.
It has been set aside as
%1
and cannot be continued.</source>
        <translation>Das vom letzten Mal aufbewahrte Spiel war beschädigt.
Es wurde beiseitegelegt als
%1
und kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>The game in play and the statistics could not be kept for the next start.
%1
The game goes on, and they are kept again as soon as the disk allows.</source>
        <translation>Das laufende Spiel und die Statistik konnten für den nächsten Start nicht aufbewahrt werden.
%1
Das Spiel geht weiter, und sie werden wieder aufbewahrt, sobald der Datenträger es zulässt.</translation>
    </message>
    <message>
        <source>The statistics file was damaged.
It has been set aside as
%1
and the statistics start afresh.</source>
        <translation>Die Statistikdatei war beschädigt.
Sie wurde beiseitegelegt als
%1
und die Statistik beginnt neu.</translation>
    </message>
    <message>
        <source>Forget the results of every level played?</source>
        <translation>Die Ergebnisse aller gespielten Level vergessen?</translation>
    </message>
    <message>
        <source>Won and Lost count for the human against a computer player, and for Player 1 otherwise.</source>
        <translation>Gewonnen und Verloren zählen für den Menschen gegen einen Computerspieler, sonst für Spieler 1.</translation>
    </message>
    <message>
        <source>No level has been played to the end yet.</source>
        <translation>Noch kein Level wurde zu Ende gespielt.</translation>
    </message>
    <message>
        <source>The same position has come up
three times: the level is a draw.</source>
        <translation>Dieselbe Stellung kam zum
dritten Mal vor: Das Level endet unentschieden.</translation>
    </message>
    <message>
        <source>Neither player can move:
the level cannot go on.</source>
        <translation>Keiner der Spieler kann ziehen:
Das Level kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>Would you like to play
the level again?</source>
        <translation>Möchten Sie das Level
noch einmal spielen?</translation>
    </message>
    <message>
        <source>This position has now come up
three times. Restart the level?

Choose No to play on.</source>
        <translation>Diese Stellung kam jetzt zum
dritten Mal vor. Level neu starten?

Wählen Sie Nein, um weiterzuspielen.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>This file is not a Trevallion game record.</source>
        <translation>Diese Datei ist keine Trevallion-Spielaufzeichnung.</translation>
    </message>
    <message>
        <source>This file is too large to be a game record.</source>
        <translation>Diese Datei ist zu groß für eine Spielaufzeichnung.</translation>
    </message>
    <message>
        <source>Line %1: the game is longer than %2 turns.</source>
        <translation>Zeile %1: Das Spiel hat mehr als %2 Züge.</translation>
    </message>
    <message>
        <source>Line %1: this tag cannot be read.</source>
        <translation>Zeile %1: Diese Kopfzeile ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Line %1: the %2 tag is given twice.</source>
        <translation>Zeile %1: Die Kopfzeile %2 kommt zweimal vor.</translation>
    </message>
    <message>
        <source>Line %1: the %2 tag is missing.</source>
        <translation>Zeile %1: Die Kopfzeile %2 fehlt.</translation>
    </message>
    <message>
        <source>Line %1: the %2 tag cannot hold &quot;%3&quot;.</source>
        <translation>Zeile %1: Die Kopfzeile %2 kann nicht „%3“ enthalten.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a move.</source>
        <translation>Zeile %1: „%2“ ist kein Zug.</translation>
    </message>
    <message>
        <source>Line %1: this comment is never closed.</source>
        <translation>Zeile %1: Dieser Kommentar wird nie geschlossen.</translation>
    </message>
    <message>
        <source>Line %1: the move number %2 is out of place.</source>
        <translation>Zeile %1: Die Zugnummer %2 steht an der falschen Stelle.</translation>
    </message>
    <message>
        <source>Line %1: Player %3 may not play %2.</source>
        <translation>Zeile %1: Spieler %3 darf nicht %2 ziehen.</translation>
    </message>
    <message>
        <source>Line %1: Player %3 may not pass while it can move.</source>
        <translation>Zeile %1: Spieler %3 darf nicht passen, solange er ziehen kann.</translation>
    </message>
    <message>
        <source>Line %1: %2 comes after the level was decided.</source>
        <translation>Zeile %1: %2 folgt, obwohl das Level schon entschieden war.</translation>
    </message>
    <message>
        <source>Line %1: %2 must be written %3.</source>
        <translation>Zeile %1: %2 muss %3 geschrieben werden.</translation>
    </message>
    <message>
        <source>Line %1: the moves do not end in the result &quot;%2&quot;.</source>
        <translation>Zeile %1: Die Züge enden nicht mit dem Ergebnis „%2“.</translation>
    </message>
</context>
<context>
    <name>PlayersLanguage</name>
    <message>
        <source>the translation %1 is left out: %2.</source>
        <translation>die Übersetzung %1 bleibt unbenutzt: %2.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1; the settings are not read or stored.</source>
        <translation>%1; die Einstellungen werden weder gelesen noch gespeichert.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; the settings are not read or stored.</source>
        <translation>%1 ist keine gewöhnliche Datei; die Einstellungen werden weder gelesen noch gespeichert.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Human vs AI Easy</source>
        <translation>Mensch gegen KI leicht</translation>
    </message>
    <message>
        <source>Human vs AI Medium</source>
        <translation>Mensch gegen KI mittel</translation>
    </message>
    <message>
        <source>Human vs AI Difficult</source>
        <translation>Mensch gegen KI schwer</translation>
    </message>
    <message>
        <source>Human vs Human</source>
        <translation>Mensch gegen Mensch</translation>
    </message>
    <message>
        <source>AI vs AI</source>
        <translation>KI gegen KI</translation>
    </message>
    <message>
        <source>Human vs AI Expert</source>
        <translation>Mensch gegen KI Experte</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>AI Easy</source>
        <translation>KI leicht</translation>
    </message>
    <message>
        <source>AI Medium</source>
        <translation>KI mittel</translation>
    </message>
    <message>
        <source>AI Difficult</source>
        <translation>KI schwer</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Player %1 wins</source>
        <translation>Spieler %1 gewinnt</translation>
    </message>
    <message>
        <source>No legal move for Player %1</source>
        <translation>Kein möglicher Zug für Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 to move</source>
        <translation>Spieler %1 ist am Zug</translation>
    </message>
    <message>
        <source>Player %1 (%2) is thinking…</source>
        <translation>Spieler %1 (%2) denkt nach…</translation>
    </message>
    <message>
        <source>AI Expert</source>
        <translation>KI Experte</translation>
    </message>
    <message>
        <source>Neither player can move</source>
        <translation>Keiner der Spieler kann ziehen</translation>
    </message>
    <message>
        <source>Drawn by repetition</source>
        <translation>Unentschieden durch Wiederholung</translation>
    </message>
    <message>
        <source>No legal move for Player %1: the turn passes</source>
        <translation>Kein möglicher Zug für Spieler %1: Er setzt aus</translation>
    </message>
    <message>
        <source>Player %1 to move; this position has come up %2 times</source>
        <translation>Spieler %1 ist am Zug; diese Stellung kam %2-mal vor</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>the window cannot be opened on the platform %1</source>
        <translation>das Fenster kann auf der Plattform %1 nicht geöffnet werden</translation>
    </message>
    <message>
        <source>there is no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>es gibt keinen Bildschirm für das Fenster: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>the window cannot be opened: the display %1 does not answer</source>
        <translation>das Fenster kann nicht geöffnet werden: der Bildschirm %1 antwortet nicht</translation>
    </message>
    <message>
        <source>this Wayland desktop has no X server, and Qt&apos;s Wayland support is not installed (the package qt6-wayland); no window can open.</source>
        <translation>dieser Wayland-Desktop hat keinen X-Server, und Qts Wayland-Unterstützung ist nicht installiert (das Paket qt6-wayland); es kann sich kein Fenster öffnen.</translation>
    </message>
</context>
<context>
    <name>trevallion::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Released August 7, 1998</source>
        <translation>Erschienen am 7. August 1998</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Thank you for playing intelligent games!</source>
        <translation>Danke, dass Sie kluge Spiele spielen!</translation>
    </message>
</context>
<context>
    <name>trevallion::ChooseLevelDialog</name>
    <message>
        <source>Choose Level</source>
        <translation>Level auswählen</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>Level %1 at its start</source>
        <translation>Level %1 zu Beginn</translation>
    </message>
    <message>
        <source>There is no level %1: the levels are 1 to %2.</source>
        <translation>Level %1 gibt es nicht: Die Level reichen von 1 bis %2.</translation>
    </message>
</context>
<context>
    <name>trevallion::EvaluationGraph</name>
    <message>
        <source>Who stood better</source>
        <translation>Wer besser stand</translation>
    </message>
</context>
<context>
    <name>trevallion::GameNarrator</name>
    <message>
        <source>%1 menu</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>%1 selected, it cannot move</source>
        <translation>%1 ausgewählt, kann nicht ziehen</translation>
    </message>
    <message>
        <source>%1 selected, can move to %2</source>
        <translation>%1 ausgewählt, kann ziehen nach %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Player %1 moves from %2 to %3</source>
        <translation>Spieler %1 zieht von %2 nach %3</translation>
    </message>
    <message>
        <source>Player %1 moves from %2 to %3 and takes %4</source>
        <translation>Spieler %1 zieht von %2 nach %3 und schlägt %4</translation>
    </message>
</context>
<context>
    <name>trevallion::InstructionsDialog</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Introduction</source>
        <extracomment>The heading of the manual&apos;s first section, exactly as the translated manual has it.</extracomment>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>INTRODUCTION</source>
        <translation>EINFÜHRUNG</translation>
    </message>
    <message>
        <source>Interface</source>
        <extracomment>A heading of the translated manual, exactly as it stands there.</extracomment>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>INTERFACE</source>
        <translation>BEDIENUNG</translation>
    </message>
    <message>
        <source>Game Play</source>
        <extracomment>A heading of the translated manual, exactly as it stands there.</extracomment>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>GAME PLAY</source>
        <translation>SPIELABLAUF</translation>
    </message>
    <message>
        <source>More Information</source>
        <extracomment>A heading of the translated manual, exactly as it stands there.</extracomment>
        <translation>Weitere Infos</translation>
    </message>
    <message>
        <source>ADDITIONAL INFORMATION</source>
        <translation>WEITERE INFORMATIONEN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>trevallion::MainWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Zug &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo Move</source>
        <translation>Zug &amp;wiederholen</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Level &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;5</source>
        <translation>Level &amp;5</translation>
    </message>
    <message>
        <source>Level 1&amp;0</source>
        <translation>Level 1&amp;0</translation>
    </message>
    <message>
        <source>Level &amp;20</source>
        <translation>Level &amp;20</translation>
    </message>
    <message>
        <source>Level &amp;40</source>
        <translation>Level &amp;40</translation>
    </message>
    <message>
        <source>&amp;Choose Level…</source>
        <translation>Level &amp;auswählen…</translation>
    </message>
    <message>
        <source>Res&amp;tart Level</source>
        <translation>Level &amp;neu starten</translation>
    </message>
    <message>
        <source>Life &amp;Doodle</source>
        <translation>Life-&amp;Doodle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Spieler &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Mensch</translation>
    </message>
    <message>
        <source>AI &amp;Easy</source>
        <translation>KI &amp;leicht</translation>
    </message>
    <message>
        <source>AI &amp;Medium</source>
        <translation>KI mi&amp;ttel</translation>
    </message>
    <message>
        <source>AI &amp;Difficult</source>
        <translation>KI &amp;schwer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound O&amp;N</source>
        <translation>Ton &amp;an</translation>
    </message>
    <message>
        <source>Sound O&amp;FF</source>
        <translation>Ton a&amp;us</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <translation>&amp;Züge zeigen</translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation>Züge a&amp;nimieren</translation>
    </message>
    <message>
        <source>S&amp;tatus Line</source>
        <translation>&amp;Statuszeile</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About Trevallion</source>
        <translation>Ü&amp;ber Trevallion</translation>
    </message>
    <message>
        <source>Co&amp;ntinue Game</source>
        <translation>Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Board Colours</source>
        <translation>&amp;Brettfarben</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;As the Desktop</source>
        <translation>&amp;Wie der Desktop</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>AI E&amp;xpert</source>
        <translation>KI &amp;Experte</translation>
    </message>
    <message>
        <source>Draw by &amp;Repetition</source>
        <translation>&amp;Remis bei Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Export Record…</source>
        <translation>Partie e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Record…</source>
        <translation>Partie &amp;importieren…</translation>
    </message>
    <message>
        <source>Move &amp;List</source>
        <translation>Zug&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>Partie &amp;prüfen</translation>
    </message>
</context>
<context>
    <name>trevallion::MoveListPanel</name>
    <message>
        <source>gave away a win</source>
        <translation>verschenkte einen Sieg</translation>
    </message>
    <message>
        <source>let the level be lost</source>
        <translation>ließ das Level verloren gehen</translation>
    </message>
    <message>
        <source>lost material</source>
        <translation>verlor Material</translation>
    </message>
    <message>
        <source>%1 Player %2 (%3): %4</source>
        <translation>%1 Spieler %2 (%3): %4</translation>
    </message>
    <message>
        <source>%1; better %2</source>
        <translation>%1; besser %2</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Level start</source>
        <translation>Levelbeginn</translation>
    </message>
</context>
<context>
    <name>trevallion::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Partie prüfen</translation>
    </message>
    <message>
        <source>AI Expert looks at every position of the level…</source>
        <translation>KI Experte prüft jede Stellung des Levels…</translation>
    </message>
    <message>
        <source>Positions reviewed</source>
        <translation>Geprüfte Stellungen</translation>
    </message>
</context>
<context>
    <name>trevallion::StatisticsDialog</name>
    <message>
        <source>Results of the levels played</source>
        <translation>Ergebnisse der gespielten Level</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
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
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
</context>
<context>
    <name>trevallion::WinnerBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

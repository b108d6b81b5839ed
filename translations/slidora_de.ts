<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>zerschneidet das Bild in Teile, die an ihren Platz zurückzuschieben sind</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>setzt das gespeicherte Spiel fort</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>zeigt diesen Text und beendet das Programm</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>zeigt die Version und beendet das Programm</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>beendet die Optionen: ein Dateiname danach darf mit &quot;-&quot; beginnen</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>Das Schiebepuzzle mit Bildern; ohne Datei beginnt es mit dem Zahlenpuzzle.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>Qts eigene Optionen wie -style NAME, -platform NAME und -reverse werden ebenfalls angenommen.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>F&amp;arbe...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>Die Musikdatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 ist keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Der Musiksynthesizer kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Die Instrumente für die Musik (%1) können nicht geladen werden.</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Es gibt keinen Audiotreiber %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Für die Musik konnte kein Audiogerät geöffnet werden.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Die Musikdatei %1 kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Das Musikmodul %1 kann nicht geladen werden.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>Kein Bild, das das Spiel lesen kann.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Beschädigte Datei.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Zu groß.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Über Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Diese Software beruht teilweise auf der Arbeit der Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Steintextur, Programmsymbol und Schaltflächenbilder für das Spiel gezeichnet von</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>Die fünf Musikstücke für das Spiel komponiert von</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Dieses Programm ist freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Lizenz anzeigen</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · mindestens noch %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Es wurde kein Weg gefunden, das Puzzle zu lösen.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 Teile)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Möchten Sie das Spiel speichern?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Glückwunsch! Sie haben das Puzzle gelöst.
Mit Hilfe gelöst: Es wird keine Bestzeit gespeichert.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Sie haben die Bestzeit erreicht. Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Die Bestzeit kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Glückwunsch! Sie haben das Puzzle gelöst.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Möchten Sie das Puzzle mischen?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Alle Bilder (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG-Bilddatei (*.jpg)|*.jpg|JPEG-Bilddatei (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG-Bilddatei (*.png)|*.png|WebP-Bilddatei (*.webp)|*.webp|GIF-Bilddatei (*.gif)|*.gif|TIFF-Bilddatei (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Slidora-Spieldateien (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - 3 x 3 Teile</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - 4 x 3 Teile</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - 5 x 3 Teile</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - 3 x 4 Teile</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - 4 x 4 Teile</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - 5 x 4 Teile</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - 3 x 5 Teile</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - 4 x 5 Teile</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - 5 x 5 Teile</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>&amp;Bild öffnen...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>Zahlen&amp;puzzle (ohne Bild)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>Spiel l&amp;aden...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Erneut ö&amp;ffnen</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>Spiel &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>Best&amp;zeiten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>St&amp;ufe</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Fortgeschritten</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Teile</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>Ben&amp;utzerdefiniert...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>&amp;Vorschaubild zeigen</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Zahlenpuzzle einrichten...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>&amp;Hintergrundfarbe wählen...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>&amp;Musik wählen...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Musik &amp;an</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Töne an</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Vantrel-&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>&amp;Slidora-Homepage</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>&amp;Kostenlose Bilder</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Zahlenpuzzle</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Benutzerdefinierte Teile</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Vorschaubild zeigen</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Musik wählen</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Ein unerwarteter Fehler hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>Das Bild %1 ist zu klein, um in %2 x %3 Teile zerlegt zu werden.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>Die Datei %1 ist keine Slidora-5.0-Datei.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Diese Datei ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>In %1 kann nicht gespeichert werden: Der Name des Bildes ist länger als %2 Byte.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>In %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>In %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>In die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Das Spiel fortsetzen, das beim Schließen von Slidora lief?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Die Einstellungen können nicht aus %1 gelesen werden.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>%1 kann nicht geöffnet werden: Es konnte kein Webbrowser gestartet werden.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Lösen beendet: Das Puzzle ist gelöst</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Lösen angehalten</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Das Puzzle wird gelöst</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Spielfeld, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>Teil %1, aus Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>Teil aus Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, am Platz</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 nach links geschoben</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 nach rechts geschoben</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 nach oben geschoben</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 nach unten geschoben</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>&amp;Nummern zeigen</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Spielfeld, kein Bild geöffnet</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Musik wählen</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Musikliste</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>MIDI-Dateien (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Möchten Sie die Liste wirklich leeren?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Musikdateien</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Optionen des Zahlenpuzzles</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Schriftart wählen</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Hintergrundfarbe 1 wählen</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Hintergrundfarbe 2 wählen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Benutzerdefinierte Teile</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Anzahl der Zeilen:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 Teile)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Dateiname: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Slidora-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Slidora-Hilfe&lt;/h2&gt;&lt;p&gt;Die Hilfedatei %1 wurde nicht gefunden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation>Vorschaubild</translation>
    </message>
</context>
</TS>

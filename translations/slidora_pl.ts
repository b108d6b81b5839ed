<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>tnie obraz na elementy do przesunięcia z powrotem na miejsce</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>wznawia zapisaną grę</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>pokazuje ten tekst i kończy działanie</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>pokazuje wersję i kończy działanie</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>kończy opcje: nazwa pliku po nim może zaczynać się od „-”</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>Przesuwana układanka obrazkowa; bez pliku zaczyna od układanki liczbowej.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>Przyjmowane są też własne opcje Qt, takie jak -style NAZWA, -platform NAZWA i -reverse.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>Pogru&amp;bienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podkreślenie</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>P&amp;rzekreślenie</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>K&amp;olor...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Czcionka:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ro&amp;zmiar:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>Nie znaleziono pliku muzycznego %1.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 nie jest plikiem MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Nie można uruchomić syntezatora muzyki.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Nie można wczytać instrumentów muzyki (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Nie ma sterownika dźwięku %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Nie udało się otworzyć żadnego urządzenia dźwiękowego dla muzyki.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Nie można odtworzyć pliku muzycznego %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Nie można wczytać modułu muzyki %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>Nie znaleziono pliku.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>To nie jest obraz, który gra potrafi odczytać.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Uszkodzony plik.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Za duży.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pikseli</translation>
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
        <translation>O programie Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>To oprogramowanie jest częściowo oparte na pracy Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Tekstura kamienia, ikona i piktogramy narysowane dla gry przez</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>Pięć utworów muzycznych skomponowanych dla gry przez</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Ten program jest wolnym oprogramowaniem na licencji GNU General Public License w wersji 3 lub późniejszej.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Pokaż licencję</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Ruchy: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · zostało co najmniej %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Nie znaleziono sposobu ułożenia układanki.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (elementów: %3)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Czas gry: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Czy zapisać grę?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Gratulacje! Układanka ułożona.
Ułożona z pomocą: najlepszy czas nie zostanie zapisany.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Masz najlepszy czas. Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Nie można zapisać najlepszego czasu w %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Gratulacje! Układanka ułożona.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Czy wymieszać układankę?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Wszystkie obrazy (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|Plik obrazu JPEG (*.jpg)|*.jpg|Plik obrazu JPEG (*.jpeg)|*.jpeg|Mapy bitowe (*.bmp)|*.bmp|Plik obrazu PNG (*.png)|*.png|Plik obrazu WebP (*.webp)|*.webp|Plik obrazu GIF (*.gif)|*.gif|Plik obrazu TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Gry Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - siatka 3 x 3</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - siatka 4 x 3</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - siatka 5 x 3</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - siatka 3 x 4</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - siatka 4 x 4</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - siatka 5 x 4</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - siatka 3 x 5</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - siatka 4 x 5</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - siatka 5 x 5</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Wymieszaj</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Rozwiąż</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>&amp;Otwórz obraz...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>&amp;Układanka liczbowa (bez obrazu)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>Wczyt&amp;aj grę...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Ostatnio o&amp;twierane</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>&amp;Zapisz grę...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>Najlepsze cza&amp;sy...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Początkujący</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Zaawansowany</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Elementy</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Własna siatka...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Pokaż &amp;miniaturę</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Konfiguruj układankę liczbową...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Kolor &amp;tła...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>Wybierz m&amp;uzykę...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Muzyka &amp;włączona</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Dźwięki włączone</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Spis treści pomocy</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Strona &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Strona S&amp;lidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>&amp;Darmowe obrazy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Układanka liczbowa</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Własna siatka</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Pokaż miniaturę</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Wybierz muzykę</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Wybierz kolor tła</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Nieoczekiwany błąd zakończył grę.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>Nie można otworzyć %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>Obraz %1 jest za mały, by podzielić go na siatkę %2 x %3.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>Plik %1 nie jest plikiem Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Ten plik może być uszkodzony.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>Nie można zapisać w %1: nazwa obrazu jest dłuższa niż %2 bajtów.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>Nie można zapisać w %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Nie można pisać do %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>Nie można pisać do pliku.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Kontynuować grę, która trwała w chwili zamknięcia Slidora?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Nie można odczytać ustawień z %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Nie można zapisać ustawień w %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>Nie można otworzyć %1: nie udało się uruchomić przeglądarki.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Upływający czas</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Rozwiązywanie zakończone: układanka jest ułożona</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Rozwiązywanie przerwane</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Układanie układanki</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Plansza, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>kamień</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>element %1, z wiersza %2, kolumny %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>element z wiersza %1, kolumny %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, na miejscu</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 w lewo</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 w prawo</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 w górę</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 w dół</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Pokaż &amp;numery</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Plansza, nie otwarto obrazu</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Wybierz muzykę</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Lista utworów</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>Pliki MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Czy na pewno wyczyścić listę?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Pliki muzyczne</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Opcje układanki liczbowej</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Wybierz czcionkę</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Kolor tła 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Kolor tła 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Własna siatka</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Liczba wierszy:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Liczba kolumn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (elementów: %3)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Plik: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Czasy</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Pomoc programu Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pomoc programu Slidora&lt;/h2&gt;&lt;p&gt;Nie znaleziono pliku pomocy %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
</context>
</TS>

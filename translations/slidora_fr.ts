<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

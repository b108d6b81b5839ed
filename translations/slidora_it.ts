<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>taglia l&apos;immagine in pezzi da far scorrere al loro posto</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>riprende la partita salvata</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>mostra questo testo ed esce</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>termina le opzioni: un nome di file che segue può iniziare con &quot;-&quot;</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>Il puzzle scorrevole di immagini; senza un file inizia con il puzzle numerico.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>Sono accettate anche le opzioni proprie di Qt, come -style NOME, -platform NOME e -reverse.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barrato</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>Co&amp;lore...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>C&amp;arattere:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>Impossibile trovare il file musicale %1.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 non è un file MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Impossibile avviare il sintetizzatore musicale.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Impossibile caricare gli strumenti per la musica (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Il driver audio %1 non esiste.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Impossibile aprire un dispositivo audio per la musica.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Impossibile riprodurre il file musicale %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Impossibile caricare il modulo musicale %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>File non trovato.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>Non è un&apos;immagine che il gioco sa leggere.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>File danneggiato.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Troppo grande.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
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
        <translation>Informazioni su Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Questo software si basa in parte sul lavoro dell&apos;Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Texture di pietra, icona e pittogrammi disegnati per il gioco da</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>I cinque brani musicali composti per il gioco da</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Questo programma è software libero sotto la GNU General Public License, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Mostra la licenza</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · ne restano almeno %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Non è stato trovato alcun modo per risolvere il puzzle.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 pezzi)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Tempo trascorso: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Vuoi salvare la partita?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Complimenti! Hai risolto il puzzle.
Risolto con aiuto: nessun tempo migliore viene registrato.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Hai ottenuto il tempo migliore. Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Impossibile salvare il tempo migliore in %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Complimenti! Hai risolto il puzzle.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Vuoi mescolare il puzzle?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Tutte le immagini (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|File immagine JPEG (*.jpg)|*.jpg|File immagine JPEG (*.jpeg)|*.jpeg|Bitmap (*.bmp)|*.bmp|File immagine PNG (*.png)|*.png|File immagine WebP (*.webp)|*.webp|File immagine GIF (*.gif)|*.gif|File immagine TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Partite di Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - 3 x 3 pezzi</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - 4 x 3 pezzi</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - 5 x 3 pezzi</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - 3 x 4 pezzi</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - 4 x 4 pezzi</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - 5 x 4 pezzi</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - 3 x 5 pezzi</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - 4 x 5 pezzi</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - 5 x 5 pezzi</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Mescola</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Ris&amp;olvi</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>Apri &amp;immagine...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>Puzzle n&amp;umerico (senza immagine)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>&amp;Carica partita...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Ria&amp;pri</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>Sal&amp;va partita...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>Migliori &amp;tempi...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avanzato</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Pezzi</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Personalizzato...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Mostra &amp;miniatura</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Configura puzzle numerico...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Colore di &amp;sfondo...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>Scegli m&amp;usica...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Musica &amp;attiva</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Effetti sonori attivi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Sommario della guida</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Sito web di &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Sito web di S&amp;lidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>Immagini &amp;gratuite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Puzzle numerico</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Pezzi personalizzati</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Mostra miniatura</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Scegli musica</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Scegli colore di sfondo</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Un errore imprevisto ha chiuso il gioco.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>L&apos;immagine %1 è troppo piccola per essere divisa in %2 x %3 pezzi.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>Il file %1 non è un file di Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Questo file potrebbe essere danneggiato.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>Impossibile salvare in %1: il nome dell&apos;immagine supera i %2 byte.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>Impossibile salvare in %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>Impossibile scrivere nel file.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Continuare la partita in corso alla chiusura di Slidora?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Impossibile leggere le impostazioni da %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Impossibile salvare le impostazioni in %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>Impossibile aprire %1: non è stato possibile avviare un browser web.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pezzi</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Risoluzione terminata: il puzzle è risolto</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Risoluzione interrotta</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Risoluzione del puzzle</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Tabellone, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>pietra</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>pezzo %1, dalla riga %2, colonna %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>pezzo dalla riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, al suo posto</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 spostato a sinistra</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 spostato a destra</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 spostato in alto</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 spostato in basso</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Mostra &amp;numeri</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Tabellone, nessuna immagine aperta</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Scegli musica</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Elenco dei brani</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>File MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Vuoi davvero svuotare l&apos;elenco?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>File musicali</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Opzioni del puzzle numerico</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Scegli carattere</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Colore di sfondo 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Colore di sfondo 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Pezzi personalizzati</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Numero di righe:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Numero di colonne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 pezzi)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Nome del file: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pezzi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempi</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Guida di Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Guida di Slidora&lt;/h2&gt;&lt;p&gt;Impossibile trovare il file della guida %1.&lt;/p&gt;</translation>
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

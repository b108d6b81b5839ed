<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>corta la imagen en piezas que hay que deslizar de vuelta a su sitio</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>reanuda la partida guardada</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>muestra este texto y sale</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>termina las opciones: un nombre de archivo posterior puede empezar por &quot;-&quot;</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>El puzzle deslizante de imágenes; sin archivo, empieza con el puzzle numérico.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>También se aceptan las opciones propias de Qt, como -style NOMBRE, -platform NOMBRE y -reverse.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>C&amp;olor...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;maño:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>No se encuentra el archivo de música %1.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 no es un archivo MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>No se puede iniciar el sintetizador de música.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>No se pueden cargar los instrumentos de la música (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>No existe el controlador de audio %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>No se pudo abrir ningún dispositivo de audio para la música.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>No se puede reproducir el archivo de música %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>No se puede cargar el módulo de música %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>No es una imagen que el juego pueda leer.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Archivo dañado.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Demasiado grande.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
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
        <translation>Acerca de Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Este software se basa en parte en el trabajo del Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Textura de piedra, icono y pictogramas dibujados para el juego por</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>Las cinco piezas musicales compuestas para el juego por</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Este programa es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Mostrar la licencia</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · quedan al menos %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>No se encontró ninguna forma de resolver el puzzle.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 piezas)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>¿Desea guardar la partida?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>¡Enhorabuena! Ha resuelto el puzzle.
Resuelto con ayuda: no se guarda ningún mejor tiempo.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Ha conseguido el mejor tiempo. Escriba su nombre:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>No se puede guardar el mejor tiempo en %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>¡Enhorabuena! Ha resuelto el puzzle.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>¿Desea mezclar el puzzle?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Todas las imágenes (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|Archivo de imagen JPEG (*.jpg)|*.jpg|Archivo de imagen JPEG (*.jpeg)|*.jpeg|Mapas de bits (*.bmp)|*.bmp|Archivo de imagen PNG (*.png)|*.png|Archivo de imagen WebP (*.webp)|*.webp|Archivo de imagen GIF (*.gif)|*.gif|Archivo de imagen TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Partidas de Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - 3 x 3 piezas</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - 4 x 3 piezas</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - 5 x 3 piezas</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - 3 x 4 piezas</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - 4 x 4 piezas</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - 5 x 4 piezas</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - 3 x 5 piezas</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - 4 x 5 piezas</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - 5 x 5 piezas</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Re&amp;solver</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>&amp;Abrir imagen...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>Puzzle n&amp;umérico (sin imagen)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>&amp;Cargar partida...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Volver a abrir</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>&amp;Guardar partida...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>Mejores &amp;tiempos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
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
        <translation>&amp;Avanzado</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Piezas</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Mostrar &amp;miniatura</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Configurar puzzle numérico...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Color de &amp;fondo...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>&amp;Elegir música...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Música acti&amp;vada</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Sonido activado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Página web de &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Página web de &amp;Slidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>Imágenes &amp;gratuitas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Puzzle numérico</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Piezas personalizadas</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Mostrar miniatura</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Elegir música</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Elegir color de fondo</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Un error inesperado ha cerrado el juego.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>La imagen %1 es demasiado pequeña para cortarla en %2 x %3 piezas.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>El archivo %1 no es un archivo de Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Puede que este archivo esté dañado.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>No se puede guardar en %1: el nombre de la imagen ocupa más de %2 bytes.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>No se puede guardar en %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>No se puede escribir en el archivo.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>¿Continuar la partida que estaba en curso al cerrar Slidora?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>No se puede leer la configuración de %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>No se puede guardar la configuración en %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>No se puede abrir %1: no se pudo iniciar ningún navegador web.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Resolución terminada: el puzzle está resuelto</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Resolución detenida</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Resolviendo el puzzle</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Tablero, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>piedra</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>pieza %1, de la fila %2, columna %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>pieza de la fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, en su sitio</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 se movió a la izquierda</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 se movió a la derecha</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 se movió hacia arriba</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 se movió hacia abajo</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Mostrar &amp;números</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Tablero, ninguna imagen abierta</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Elegir música</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Lista de música</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>Archivos MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>¿Seguro que desea vaciar la lista?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Archivos de música</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Opciones del puzzle numérico</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Color de fondo 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Color de fondo 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Piezas personalizadas</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Número de filas:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Número de columnas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 piezas)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Ayuda de Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ayuda de Slidora&lt;/h2&gt;&lt;p&gt;No se encuentra el archivo de ayuda %1.&lt;/p&gt;</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>corta a imagem em peças para deslizar de volta ao lugar</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>retoma o jogo salvo</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>mostra este texto e sai</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>encerra as opções: um nome de arquivo depois dele pode começar com &quot;-&quot;</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>O quebra-cabeça deslizante de imagens; sem um arquivo, começa com o quebra-cabeça numérico.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>As opções próprias do Qt, como -style NOME, -platform NOME e -reverse, também são aceitas.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>T&amp;amanho:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>O arquivo de música %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 não é um arquivo MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Não foi possível iniciar o sintetizador de música.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Não foi possível carregar os instrumentos da música (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Não existe o driver de áudio %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Nenhum dispositivo de áudio pôde ser aberto para a música.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Não foi possível tocar o arquivo de música %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Não foi possível carregar o módulo de música %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>Arquivo não encontrado.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>Não é uma imagem que o jogo consiga ler.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Arquivo danificado.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Grande demais.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
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
        <translation>Sobre o Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Este software baseia-se em parte no trabalho do Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Textura de pedra, ícone e pictogramas desenhados para o jogo por</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>As cinco músicas compostas para o jogo por</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Este programa é software livre sob a Licença Pública Geral GNU, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Mostrar a licença</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Movimentos: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · faltam no mínimo %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Não foi encontrada nenhuma forma de resolver o quebra-cabeça.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 peças)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Tempo decorrido: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Deseja salvar o jogo?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Parabéns! Você resolveu o quebra-cabeça.
Resolvido com ajuda: nenhum melhor tempo é registrado.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Você fez o melhor tempo. Digite seu nome:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Não foi possível salvar o melhor tempo em %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Parabéns! Você resolveu o quebra-cabeça.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Deseja embaralhar o quebra-cabeça?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Todas as imagens (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|Arquivo de imagem JPEG (*.jpg)|*.jpg|Arquivo de imagem JPEG (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|Arquivo de imagem PNG (*.png)|*.png|Arquivo de imagem WebP (*.webp)|*.webp|Arquivo de imagem GIF (*.gif)|*.gif|Arquivo de imagem TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Jogos do Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - 3 x 3 peças</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - 4 x 3 peças</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - 5 x 3 peças</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - 3 x 4 peças</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - 4 x 4 peças</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - 5 x 4 peças</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - 3 x 5 peças</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - 4 x 5 peças</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - 5 x 5 peças</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Embaralhar</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>Des&amp;fazer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Resol&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>&amp;Abrir imagem...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>Quebra-cabeça n&amp;umérico (sem imagem)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>&amp;Carregar jogo...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Rea&amp;brir</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>&amp;Salvar jogo...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>&amp;Melhores tempos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Iniciante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>I&amp;ntermediário</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avançado</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Peças</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Mostrar &amp;miniatura</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Configurar quebra-cabeça numérico...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Cor de &amp;fundo...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>&amp;Escolher música...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Música &amp;ligada</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Sons ligados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Conteúdo da ajuda</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Site da &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Site do &amp;Slidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>Imagens &amp;grátis</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre o Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Quebra-cabeça numérico</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Peças personalizadas</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Mostrar miniatura</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Escolher música</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Escolher cor de fundo</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Um erro inesperado encerrou o jogo.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>A imagem %1 é pequena demais para ser dividida em %2 x %3 peças.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>O arquivo %1 não é um arquivo do Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Este arquivo pode estar corrompido.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>Não foi possível salvar em %1: o nome da imagem tem mais de %2 bytes.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>Não foi possível salvar em %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Não foi possível gravar em %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>Não foi possível gravar no arquivo.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Continuar o jogo que estava em andamento quando o Slidora foi fechado?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Não foi possível ler as configurações de %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Não foi possível salvar as configurações em %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>Não foi possível abrir %1: nenhum navegador pôde ser iniciado.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Peças</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimentos</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Resolução concluída: o quebra-cabeça está resolvido</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Resolução interrompida</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Resolvendo o quebra-cabeça</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Tabuleiro, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>pedra</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>peça %1, da linha %2, coluna %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>peça da linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, no lugar</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 deslizou para a esquerda</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 deslizou para a direita</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 deslizou para cima</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 deslizou para baixo</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Mostrar &amp;números</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Tabuleiro, nenhuma imagem aberta</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Escolher música</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Lista de músicas</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Arquivos MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Deseja mesmo limpar a lista?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Arquivos de música</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Opções do quebra-cabeça numérico</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Escolher fonte</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Cor de fundo 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Cor de fundo 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Peças personalizadas</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Número de linhas:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Número de colunas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%1 x %2 (%3 peças)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Arquivo: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Peças</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Ajuda do Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ajuda do Slidora&lt;/h2&gt;&lt;p&gt;O arquivo de ajuda %1 não foi encontrado.&lt;/p&gt;</translation>
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

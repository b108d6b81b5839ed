<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>découpe l&apos;image en pièces à remettre en place en les faisant glisser</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>reprend la partie enregistrée</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>affiche ce texte et quitte</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>termine les options&#xa0;: un nom de fichier qui suit peut commencer par «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>Le taquin en images&#xa0;; sans fichier, il commence par le puzzle numérique.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>Les options propres à Qt, comme -style NOM, -platform NOM et -reverse, sont acceptées aussi.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>Le fichier musical %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 n&apos;est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Le synthétiseur musical ne peut pas être démarré.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Les instruments de la musique (%1) ne peuvent pas être chargés.</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Il n&apos;existe pas de pilote audio %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Aucun périphérique audio n&apos;a pu être ouvert pour la musique.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Le fichier musical %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Le module de musique %1 ne peut pas être chargé.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>Ce n&apos;est pas une image que le jeu sait lire.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Fichier endommagé.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Image trop grande.</translation>
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
        <translation>À propos de Slidora</translation>
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
        <translation>Ce logiciel repose en partie sur les travaux de l&apos;Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Texture de pierre, icône et pictogrammes dessinés pour le jeu par</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>Les cinq morceaux de musique composés pour le jeu par</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Ce programme est un logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Afficher la licence</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · encore %1 au moins</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Aucune façon de résoudre le puzzle n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 pièces)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Temps écoulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Voulez-vous enregistrer la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Félicitations&#xa0;! Vous avez résolu le puzzle.
Résolu avec de l&apos;aide&#xa0;: aucun meilleur temps n&apos;est conservé.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>Vous avez le meilleur temps. Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Impossible d&apos;enregistrer le meilleur temps dans %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Félicitations&#xa0;! Vous avez résolu le puzzle.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Voulez-vous mélanger le puzzle&#xa0;?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Toutes les images (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|Fichier image JPEG (*.jpg)|*.jpg|Fichier image JPEG (*.jpeg)|*.jpeg|Images bitmap (*.bmp)|*.bmp|Fichier image PNG (*.png)|*.png|Fichier image WebP (*.webp)|*.webp|Fichier image GIF (*.gif)|*.gif|Fichier image TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Parties Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - 3 x 3 pièces</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - 4 x 3 pièces</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - 5 x 3 pièces</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - 3 x 4 pièces</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - 4 x 4 pièces</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - 5 x 4 pièces</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - 3 x 5 pièces</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - 4 x 5 pièces</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - 5 x 5 pièces</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Rés&amp;oudre</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>Ouvrir une ima&amp;ge...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>Puzzle n&amp;umérique (sans image)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>&amp;Charger une partie...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Rou&amp;vrir</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>&amp;Enregistrer la partie...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>Meilleurs &amp;temps...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avancé</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Pièces</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Afficher la &amp;miniature</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Configurer le puzzle numérique...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Couleur de &amp;fond...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>Choisir la m&amp;usique...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Musique &amp;activée</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>&amp;Sons activés</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Site web de &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Site web de S&amp;lidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>Images &amp;gratuites</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Puzzle numérique</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Pièces personnalisées</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Afficher la miniature</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Choisir la musique</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Choisir la couleur de fond</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Une erreur inattendue a mis fin au jeu.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>L&apos;image %1 est trop petite pour être découpée en %2 x %3 pièces.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Ce fichier est peut-être endommagé.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>Impossible d&apos;enregistrer dans %1&#xa0;: le nom de l&apos;image dépasse %2 octets.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>Impossible d&apos;enregistrer dans %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>Impossible d&apos;écrire dans le fichier.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Reprendre la partie en cours à la fermeture de Slidora&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Impossible de lire les réglages depuis %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: aucun navigateur web n&apos;a pu être lancé.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Résolution terminée : le puzzle est résolu</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Résolution arrêtée</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Résolution du puzzle</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Plateau, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>pierre</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>pièce %1, de la ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>pièce de la ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, à sa place</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 glisse vers la gauche</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 glisse vers la droite</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 glisse vers le haut</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 glisse vers le bas</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Afficher les &amp;numéros</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Plateau, aucune image ouverte</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Choisir la musique</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Liste des musiques</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>Fichiers MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Voulez-vous vraiment vider la liste&#xa0;?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Fichiers de musique</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Options du puzzle numérique</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Couleur de fond 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Couleur de fond 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Pièces personnalisées</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Nombre de lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Nombre de colonnes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (%3 pièces)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Nom du fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Aide de Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide de Slidora&lt;/h2&gt;&lt;p&gt;Le fichier d&apos;aide %1 est introuvable.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
</context>
</TS>

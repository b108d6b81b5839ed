<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>разрезает картинку на фрагменты, которые нужно вернуть на место</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>продолжает сохранённую игру</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>показывает этот текст и завершает работу</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>показывает версию и завершает работу</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>завершает список параметров: имя файла после него может начинаться с «-»</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>Пятнашки с картинками; без файла игра начинается с числовой головоломки.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>Принимаются и собственные параметры Qt, например -style ИМЯ, -platform ИМЯ и -reverse.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчёркнутый</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Зачёркнутый</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Цвет...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Шрифт:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Размер:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>Музыкальный файл %1 не найден.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 не является файлом MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>Не удаётся запустить музыкальный синтезатор.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>Не удаётся загрузить инструменты для музыки (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>Звуковой драйвер %1 отсутствует.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>Не удалось открыть ни одно звуковое устройство для музыки.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>Не удаётся воспроизвести музыкальный файл %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>Не удаётся загрузить музыкальный модуль %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>Файл не найден.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>Это не изображение, которое игра умеет читать.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>Файл повреждён.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>Слишком большое изображение.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 пикс.</translation>
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
        <translation>О программе Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Эта программа частично основана на работе Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>Текстура камня, значок и пиктограммы нарисованы для игры:</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>Пять музыкальных пьес сочинены для игры:</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Эта программа — свободное программное обеспечение под лицензией GNU General Public License версии 3 или более поздней.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>Показать лицензию</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>Ходы: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · осталось не меньше %1</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>Не удалось найти способ собрать головоломку.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (фрагментов: %3)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Сохранить игру?</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>Поздравляем! Головоломка собрана.
Собрана с подсказками: лучшее время не записывается.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>У вас лучшее время. Введите своё имя:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>Не удаётся сохранить лучшее время в %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>Поздравляем! Головоломка собрана.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>Перемешать головоломку?</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>Все изображения (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|Файл изображения JPEG (*.jpg)|*.jpg|Файл изображения JPEG (*.jpeg)|*.jpeg|Точечные рисунки (*.bmp)|*.bmp|Файл изображения PNG (*.png)|*.png|Файл изображения WebP (*.webp)|*.webp|Файл изображения GIF (*.gif)|*.gif|Файл изображения TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>Игры Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - сетка 3 x 3</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - сетка 4 x 3</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - сетка 5 x 3</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - сетка 3 x 4</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - сетка 4 x 4</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - сетка 5 x 4</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - сетка 3 x 5</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - сетка 4 x 5</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - сетка 5 x 5</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Перемешать</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Под&amp;сказка</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Решить</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>Открыть &amp;изображение...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>&amp;Числовая головоломка (без изображения)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>&amp;Загрузить игру...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Не&amp;давние</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>Сохр&amp;анить игру...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>&amp;Лучшее время...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Новичок</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Любитель</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Профессионал</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>&amp;Фрагменты</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>&amp;Своя сетка...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>Показывать &amp;миниатюру</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>&amp;Настроить числовую головоломку...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>Цвет &amp;фона...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>Выбрать му&amp;зыку...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>Музыка &amp;включена</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>Зв&amp;уки включены</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;Содержание справки</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>Сайт &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>Сайт S&amp;lidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>&amp;Бесплатные изображения</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>Числовая головоломка</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>Своя сетка</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>Показывать миниатюру</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>Выбрать музыку</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>Выбрать цвет фона</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>Игра завершилась из-за непредвиденной ошибки.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>Не удаётся открыть %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>Изображение %1 слишком мало, чтобы разрезать его на сетку %2 x %3.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>Файл %1 не является файлом Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>Возможно, этот файл повреждён.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>Не удаётся сохранить в %1: имя изображения длиннее %2 байт.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>Не удаётся сохранить в %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Не удаётся записать в %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>Не удаётся записать в файл.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>Продолжить игру, которая шла при закрытии Slidora?</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>Не удаётся прочитать настройки из %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>Не удаётся сохранить настройки в %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>Не удаётся открыть %1: не удалось запустить веб-браузер.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошедшее время</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Фрагменты</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>Сборка завершена: головоломка собрана</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>Сборка остановлена</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>Головоломка собирается</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>Поле, %1 x %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>камень</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>фрагмент %1, из ряда %2, столбца %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>фрагмент из ряда %1, столбца %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1, на месте</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 — влево</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 — вправо</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 — вверх</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 — вниз</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>Показывать номе&amp;ра</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>Поле, картинка не открыта</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>Выбор музыки</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>Список музыки</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Выше</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ниже</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>Файлы MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>Действительно очистить список?</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Музыкальные файлы</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>Параметры числовой головоломки</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Выбрать шрифт</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>Цвет фона 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>Цвет фона 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>Своя сетка</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>Число строк:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>Число столбцов</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (фрагментов: %3)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Файл: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Профессионал</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>Справка Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Справка Slidora&lt;/h2&gt;&lt;p&gt;Файл справки %1 не найден.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation>Миниатюра</translation>
    </message>
</context>
</TS>

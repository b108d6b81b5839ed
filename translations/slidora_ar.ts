<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>cuts the picture into pieces to slide back into place</source>
        <translation>يقطّع الصورة إلى قطع تُعاد بالتحريك إلى أماكنها</translation>
    </message>
    <message>
        <source>resumes the saved game</source>
        <translation>يستأنف اللعبة المحفوظة</translation>
    </message>
    <message>
        <source>shows this text and exits</source>
        <translation>يعرض هذا النص ثم يخرج</translation>
    </message>
    <message>
        <source>shows the version and exits</source>
        <translation>يعرض الإصدار ثم يخرج</translation>
    </message>
    <message>
        <source>ends the options: a file name after it may start with &quot;-&quot;</source>
        <translation>ينهي الخيارات: يجوز أن يبدأ اسم ملف بعده بـ &quot;-&quot;</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message>
        <source>The sliding picture puzzle; without a file it starts with the numeric puzzle.</source>
        <translation>لغز الصور المنزلقة؛ من دون ملف يبدأ باللغز الرقمي.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken too.</source>
        <translation>تُقبل أيضًا خيارات Qt الخاصة، مثل -style NAME و -platform NAME و -reverse.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;عريض</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>م&amp;ائل</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>م&amp;سطر</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>م&amp;شطوب</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>ال&amp;لون...</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>ال&amp;خط:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>ال&amp;حجم:</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file %1 cannot be found.</source>
        <translation>تعذر العثور على ملف الموسيقى %1.</translation>
    </message>
    <message>
        <source>%1 is not a MIDI file.</source>
        <translation>%1 ليس ملف MIDI.</translation>
    </message>
    <message>
        <source>The music synthesizer cannot be started.</source>
        <translation>تعذر تشغيل مركّب الموسيقى.</translation>
    </message>
    <message>
        <source>The instruments for the music (%1) cannot be loaded.</source>
        <translation>تعذر تحميل آلات الموسيقى (%1).</translation>
    </message>
    <message>
        <source>There is no %1 audio driver.</source>
        <translation>لا يوجد مشغّل صوت باسم %1.</translation>
    </message>
    <message>
        <source>No audio device could be opened for the music.
</source>
        <translation>تعذر فتح أي جهاز صوت للموسيقى.
</translation>
    </message>
    <message>
        <source>The music file %1 cannot be played.</source>
        <translation>تعذر تشغيل ملف الموسيقى %1.</translation>
    </message>
    <message>
        <source>The music module %1 cannot be loaded.
%2</source>
        <translation>تعذر تحميل وحدة الموسيقى %1.
%2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>File not found.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>Not a picture the game can read.</source>
        <translation>ليست صورة تستطيع اللعبة قراءتها.</translation>
    </message>
    <message>
        <source>Damaged file.</source>
        <translation>الملف تالف.</translation>
    </message>
    <message>
        <source>Too large.</source>
        <translation>الصورة كبيرة جدًا.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 بكسل</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>حول Slidora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>يعتمد هذا البرنامج جزئيًا على عمل Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Stone texture, icon and glyphs drawn for the game by</source>
        <translation>نسيج الحجر والأيقونة والرموز رُسمت للعبة بواسطة</translation>
    </message>
    <message>
        <source>The five music pieces composed for the game by</source>
        <translation>المقطوعات الموسيقية الخمس أُلّفت للعبة بواسطة</translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation>هذا البرنامج برمجية حرة بموجب رخصة جنو العمومية العامة، الإصدار 3 أو أي إصدار لاحق.</translation>
    </message>
    <message>
        <source>Show the licence</source>
        <translation>عرض الرخصة</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Moves: %1</source>
        <translation>النقلات: %1</translation>
    </message>
    <message>
        <source> · fewest left %1</source>
        <translation> · المتبقي %1 على الأقل</translation>
    </message>
    <message>
        <source>No way to solve the puzzle was found.</source>
        <translation>لم يُعثر على طريقة لحل اللغز.</translation>
    </message>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (عدد القطع: %3)</translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>الوقت المنقضي: %1</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>هل تريد حفظ اللعبة؟</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.
Solved with help: no best time is kept.</source>
        <translation>تهانينا! لقد حللت اللغز.
حُلّ بمساعدة: لا يُسجَّل أفضل وقت.</translation>
    </message>
    <message>
        <source>You have the best time. Please enter your name:</source>
        <translation>حققت أفضل وقت. الرجاء إدخال اسمك:</translation>
    </message>
    <message>
        <source>Unable to save the best time to %1.</source>
        <translation>تعذر حفظ أفضل وقت في %1.</translation>
    </message>
    <message>
        <source>Congratulations. You solved the puzzle.</source>
        <translation>تهانينا! لقد حللت اللغز.</translation>
    </message>
    <message>
        <source>Do you want to scramble the puzzle?</source>
        <translation>هل تريد خلط اللغز؟</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff</source>
        <extracomment>File dialog filters: &quot;description (patterns)|patterns&quot; pairs; translate the descriptions only</extracomment>
        <translation>كل الصور (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|ملف صورة JPEG (*.jpg)|*.jpg|ملف صورة JPEG (*.jpeg)|*.jpeg|صور نقطية (*.bmp)|*.bmp|ملف صورة PNG (*.png)|*.png|ملف صورة WebP (*.webp)|*.webp|ملف صورة GIF (*.gif)|*.gif|ملف صورة TIFF (*.tif;*.tiff)|*.tif;*.tiff</translation>
    </message>
    <message>
        <source>Slidora files (*.sdr)|*.sdr</source>
        <extracomment>File dialog filter: &quot;description (pattern)|pattern&quot;; translate the description only</extracomment>
        <translation>ألعاب Slidora (*.sdr)|*.sdr</translation>
    </message>
    <message>
        <source>&amp;A - 3 x 3 pieces</source>
        <translation>&amp;A - شبكة 3 x 3</translation>
    </message>
    <message>
        <source>&amp;B - 4 x 3 pieces</source>
        <translation>&amp;B - شبكة 4 x 3</translation>
    </message>
    <message>
        <source>&amp;C - 5 x 3 pieces</source>
        <translation>&amp;C - شبكة 5 x 3</translation>
    </message>
    <message>
        <source>&amp;D - 3 x 4 pieces</source>
        <translation>&amp;D - شبكة 3 x 4</translation>
    </message>
    <message>
        <source>&amp;E - 4 x 4 pieces</source>
        <translation>&amp;E - شبكة 4 x 4</translation>
    </message>
    <message>
        <source>&amp;F - 5 x 4 pieces</source>
        <translation>&amp;F - شبكة 5 x 4</translation>
    </message>
    <message>
        <source>&amp;G - 3 x 5 pieces</source>
        <translation>&amp;G - شبكة 3 x 5</translation>
    </message>
    <message>
        <source>&amp;H - 4 x 5 pieces</source>
        <translation>&amp;H - شبكة 4 x 5</translation>
    </message>
    <message>
        <source>&amp;I - 5 x 5 pieces</source>
        <translation>&amp;I - شبكة 5 x 5</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>تحميل لعبة</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>حفظ اللعبة</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;لعبة</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;خلط</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>ت&amp;راجع</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;تلميح</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;حل</translation>
    </message>
    <message>
        <source>&amp;Open image...</source>
        <translation>&amp;فتح صورة...</translation>
    </message>
    <message>
        <source>N&amp;umeric puzzle (no image)</source>
        <translation>لغز ر&amp;قمي (بدون صورة)</translation>
    </message>
    <message>
        <source>&amp;Load game...</source>
        <translation>تحميل &amp;لعبة...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>الملفات ال&amp;أخيرة</translation>
    </message>
    <message>
        <source>S&amp;ave game...</source>
        <translation>حف&amp;ظ اللعبة...</translation>
    </message>
    <message>
        <source>&amp;Best times...</source>
        <translation>أفضل الأ&amp;وقات...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>ال&amp;مستوى</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>م&amp;بتدئ</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>م&amp;توسط</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>متق&amp;دم</translation>
    </message>
    <message>
        <source>&amp;Pieces</source>
        <translation>ال&amp;قطع</translation>
    </message>
    <message>
        <source>C&amp;ustom....</source>
        <translation>شبكة م&amp;خصصة...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>Show &amp;thumbnail</source>
        <translation>إظهار الصورة ال&amp;مصغرة</translation>
    </message>
    <message>
        <source>&amp;Configure numeric puzzle...</source>
        <translation>إعداد اللغز ال&amp;رقمي...</translation>
    </message>
    <message>
        <source>Set &amp;background color...</source>
        <translation>لون ال&amp;خلفية...</translation>
    </message>
    <message>
        <source>Set &amp;music...</source>
        <translation>اختيار المو&amp;سيقى...</translation>
    </message>
    <message>
        <source>Mu&amp;sic on</source>
        <translation>تشغيل الموس&amp;يقى</translation>
    </message>
    <message>
        <source>So&amp;und on</source>
        <translation>تشغيل الأ&amp;صوات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Help &amp;contents</source>
        <translation>&amp;محتويات المساعدة</translation>
    </message>
    <message>
        <source>Vantrel &amp;home page</source>
        <translation>موقع &amp;Vantrel</translation>
    </message>
    <message>
        <source>&amp;Slidora home page</source>
        <translation>موقع &amp;Slidora</translation>
    </message>
    <message>
        <source>&amp;Free pictures</source>
        <translation>صور م&amp;جانية</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول Slidora</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <source>Numeric puzzle</source>
        <translation>لغز رقمي</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>تحميل لعبة</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>حفظ اللعبة</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>Custom pieces</source>
        <translation>شبكة مخصصة</translation>
    </message>
    <message>
        <source>Show thumbnail</source>
        <translation>إظهار الصورة المصغرة</translation>
    </message>
    <message>
        <source>Set music</source>
        <translation>اختيار الموسيقى</translation>
    </message>
    <message>
        <source>Set background color</source>
        <translation>اختيار لون الخلفية</translation>
    </message>
    <message>
        <source>An unexpected error ended the game.</source>
        <translation>أنهى خطأ غير متوقع اللعبة.</translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <translation>تعذر فتح %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too small to be cut into %2 x %3 pieces.</source>
        <translation>الصورة %1 أصغر من أن تُقسَّم إلى شبكة %2 x %3.</translation>
    </message>
    <message>
        <source>File %1 is not a Slidora 5.0 file.</source>
        <translation>الملف %1 ليس ملف Slidora 5.0.</translation>
    </message>
    <message>
        <source>This file may be corrupted.</source>
        <translation>قد يكون هذا الملف تالفًا.</translation>
    </message>
    <message>
        <source>Unable to save to %1: the name of the picture is longer than %2 bytes.</source>
        <translation>تعذر الحفظ في %1: اسم الصورة أطول من %2 بايت.</translation>
    </message>
    <message>
        <source>Unable to save to %1.</source>
        <translation>تعذر الحفظ في %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>تعذرت الكتابة في %1.</translation>
    </message>
    <message>
        <source>Unable to write to the file.</source>
        <translation>تعذرت الكتابة في الملف.</translation>
    </message>
    <message>
        <source>Continue the game that was running when Slidora was closed?</source>
        <translation>هل تريد متابعة اللعبة التي كانت جارية عند إغلاق Slidora؟</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.</source>
        <translation>تعذرت قراءة الإعدادات من %1.</translation>
    </message>
    <message>
        <source>Unable to save the settings to %1.</source>
        <translation>تعذر حفظ الإعدادات في %1.</translation>
    </message>
    <message>
        <source>Unable to open %1: no web browser could be started.</source>
        <translation>تعذر فتح %1: لم يمكن تشغيل أي متصفح ويب.</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>الوقت المنقضي</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>القطع</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>الحركات</translation>
    </message>
    <message>
        <source>Solve finished: the puzzle is solved</source>
        <translation>انتهى الحل: اللغز محلول</translation>
    </message>
    <message>
        <source>Solve stopped</source>
        <translation>توقف الحل</translation>
    </message>
    <message>
        <source>Solving the puzzle</source>
        <translation>جارٍ حل اللغز</translation>
    </message>
    <message>
        <source>Board, %1 x %2, %3</source>
        <extracomment>What a screen reader says of the board: its rows, its columns and the level</extracomment>
        <translation>اللوحة، %1 x %2، %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>حجر</translation>
    </message>
    <message>
        <source>piece %1, from row %2, column %3</source>
        <translation>القطعة %1، من الصف %2، العمود %3</translation>
    </message>
    <message>
        <source>piece from row %1, column %2</source>
        <translation>القطعة من الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <extracomment>A board&apos;s piece that stands in its own slot, as a screen reader says it: &quot;7, in place&quot;</extracomment>
        <translation>%1، في مكانها</translation>
    </message>
    <message>
        <source>%1 moved left</source>
        <translation>%1 انزلقت إلى اليسار</translation>
    </message>
    <message>
        <source>%1 moved right</source>
        <translation>%1 انزلقت إلى اليمين</translation>
    </message>
    <message>
        <source>%1 moved up</source>
        <translation>%1 انزلقت إلى الأعلى</translation>
    </message>
    <message>
        <source>%1 moved down</source>
        <translation>%1 انزلقت إلى الأسفل</translation>
    </message>
    <message>
        <source>Show &amp;numbers</source>
        <translation>إظهار الأر&amp;قام</translation>
    </message>
    <message>
        <source>Board, no picture open</source>
        <translation>اللوحة، لا توجد صورة مفتوحة</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Set Music</source>
        <translation>اختيار الموسيقى</translation>
    </message>
    <message>
        <source>List of music</source>
        <translation>قائمة الموسيقى</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)|*.mid</source>
        <translation>ملفات MIDI (*.mid)|*.mid</translation>
    </message>
    <message>
        <source>Do you really want to clear the list?</source>
        <translation>هل تريد حقًا مسح القائمة؟</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>ملفات الموسيقى</translation>
    </message>
</context>
<context>
    <name>TFormNumeric</name>
    <message>
        <source>Numeric Puzzle Options</source>
        <translation>خيارات اللغز الرقمي</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>اختيار الخط</translation>
    </message>
    <message>
        <source>Set background color 1</source>
        <translation>لون الخلفية 1</translation>
    </message>
    <message>
        <source>Set background color 2</source>
        <translation>لون الخلفية 2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TFormPieces</name>
    <message>
        <source>Custom Pieces</source>
        <translation>شبكة مخصصة</translation>
    </message>
    <message>
        <source>Number of row:</source>
        <translation>عدد الصفوف:</translation>
    </message>
    <message>
        <source>Number of column</source>
        <translation>عدد الأعمدة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TFormTimes</name>
    <message>
        <source>%1 x %2 (%3 pieces)</source>
        <translation>%1 x %2 (عدد القطع: %3)</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>اسم الملف: </translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>المستوى:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>الأوقات</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Slidora Help</source>
        <translation>مساعدة Slidora</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;المحتويات</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Slidora Help&lt;/h2&gt;&lt;p&gt;The help file %1 cannot be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;مساعدة Slidora&lt;/h2&gt;&lt;p&gt;تعذر العثور على ملف المساعدة %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOrgWindow</name>
    <message>
        <source>Thumbnail</source>
        <translation>الصورة المصغرة</translation>
    </message>
</context>
</TS>

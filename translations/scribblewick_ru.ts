<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Скажи Пемроду своё имя</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Твоё имя</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Кто это нарисовал? %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Напечатать</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выйти</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>Ц&amp;вет</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Экран</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Чёрный</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Серый</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Трясти</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Потряси меня!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Переставить &amp;карандаш</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Наугад</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>То&amp;лщина</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Скорость</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Ещё</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Подпиши рисунок</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Помощь</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Как играть в Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Про Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Сохрани свою картинку</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Рисуй стрелками или буквами и цифрами: A или 4 — карандаш влево, D или 6 — вправо, W или 8 — вверх, X или 2 — вниз; пробел стирает экран.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Экран для рисования</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Двигать влево</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Двигать вправо</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Двигать вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Двигать вниз</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Не получилось скопировать</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Не получилось положить картинку в буфер обмена: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Не получилось напечатать</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Не получилось напечатать картинку на принтере «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Картинка BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Не получилось сохранить</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Не получилось сохранить картинку как «%1»: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick не смог напечатать: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Про Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Кто сделал Scribblewick:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Версия 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Белый бультерьер</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Как играть в Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Совет!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>С клавиатурой играть быстрее!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Клавиши:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A или 4 — карандаш влево</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D или 6 — карандаш вправо</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W или 8 — карандаш вверх</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X или 2 — карандаш вниз</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Нажми пробел, и всё сотрётся!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Всё ясно!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Игрушка для рисования</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Рисуй двумя ручками на красной игрушке для рисования</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>рисовать;рисунок;игрушка;рисовалка;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick — игрушка для рисования: красная игрушка с чёрным экраном и двумя ручками. Каждое нажатие клавиши или щелчок ручки сдвигает карандаш на шаг влево, вправо, вверх или вниз и оставляет за ним прямую линию.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>В её меню можно:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>выбрать цвет карандаша, цвет экрана, толщину линии и длину шага</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>стереть экран или переставить карандаш наугад</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>сохранить рисунок игрушки в файл BMP или напечатать его на всю страницу</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>подписать свой рисунок своим именем</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Лесенка, нарисованная белым на чёрном экране игрушки</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>картинка пустая</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>принтер говорит, что ему негде печатать</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>картинку не получается уместить на лист</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>принтер не принял страницу</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>принтер не взял документ</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>принтер сообщил об ошибке</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>на этом компьютере нет ни одного принтера</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>не выбран принтер по умолчанию</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text to show: &quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;. Qt lays out every window by it.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>it is read-only</source>
        <extracomment>Said of a file or of a folder, after &quot;cannot write to %1:&quot; or &quot;cannot write in the folder %1:&quot;.</extracomment>
        <translation>только для чтения</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>папки %1 нет</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — это не папка</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>в папку %1 нельзя записать: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>в %1 нельзя записать: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>картинка пустая</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ссылки ведут по кругу</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>ссылка ведёт на %1, а это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>ссылка ведёт на %1, а это не обычный файл</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>нет буфера обмена</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>буфер обмена не принял картинку</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick загружается…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Игра в Scribblewick закончилась.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Играть ещё</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Попробовать ещё раз</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>При первом посещении скачивается %1 МБ; потом Scribblewick запускается сразу, даже без интернета.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Не удалось скачать Scribblewick (%1). Проверьте подключение и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>связь прервалась</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Не удалось запустить Scribblewick (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Этот браузер не может запустить Scribblewick: в нём нет WebAssembly. Более новый браузер сможет.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick не может рисовать в этом браузере: WebGL выключен или графический драйвер заблокирован.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick неожиданно остановился (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Для Scribblewick нужен JavaScript, а в этом браузере он выключен.</translation>
    </message>
</context>
</TS>

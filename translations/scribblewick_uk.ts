<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Скажи Пемродові, як тебе звати</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Твоє ім’я</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Хто це намалював? %1!</translation>
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
        <translation>&amp;Надрукувати</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Кольори</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпуровий</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Блакитний</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Екран</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Чорний</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Сірий</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Струсити</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Струсни мене, давай!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Поставити &amp;олівець</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Кудись навмання</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Товщина</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Швидкість</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Розваги</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Підпиши малюнок</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>До&amp;помога</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Як гратися зі Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Про Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Збережи свій малюнок</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Малюй стрілками або літерами й цифрами: A або 4 веде олівець ліворуч, D або 6 – праворуч, W або 8 – угору, X або 2 – униз; пробіл стирає екран.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Екран для малювання</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Угору</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Униз</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Не вдалося скопіювати</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Не вдалося покласти малюнок у буфер обміну: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Не вдалося надрукувати</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick не зміг надрукувати: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Не вдалося надрукувати малюнок на «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Малюнок BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Не вдалося зберегти</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Не вдалося зберегти малюнок як «%1»: %2.</translation>
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
        <translation>Іграшку для тебе зробив...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Версія 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Білий бультер’єр</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Як гратися зі Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Порада!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>З клавіатурою грати швидше!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Клавіші:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A або 4 – олівець ліворуч</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D або 6 – олівець праворуч</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W або 8 – олівець угору</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X або 2 – олівець униз</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Натисни пробіл, і все зітреться!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Усе зрозуміло!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Іграшка для малювання</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Малюй двома крутилками на червоній іграшці для малювання</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>малювати;малюнок;ескіз;іграшка;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick – іграшка для малювання: червона іграшка з чорним екраном і двома крутилками. Кожне натискання клавіші чи клацання крутилки пересуває олівець на крок ліворуч, праворуч, угору чи вниз і лишає за ним пряму лінію.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>У її меню можна:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>вибрати колір олівця, колір екрана, товщину лінії й довжину кроку</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>стерти екран або поставити олівець кудись навмання</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>зберегти малюнок іграшки у файл BMP або надрукувати його на всю сторінку</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>підписати свій малюнок своїм ім’ям</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Драбинка, намальована білим на чорному екрані іграшки</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>малюнок порожній</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>принтер каже, що йому ніде друкувати</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>малюнок не вдається вмістити на сторінку</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>принтер не прийняв сторінку</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>принтер не взяв документ</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>принтер повідомив про помилку</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>на цьому комп’ютері не налаштовано жодного принтера</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>типовий принтер не вибрано</translation>
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
        <translation>можна лише читати</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>теки %1 немає</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 – це не тека</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>у теку %1 не можна записати: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>у %1 не можна записати: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>малюнок порожній</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>посилання ведуть по колу</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>посилання веде на %1, а це тека</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>посилання веде на %1, а це не звичайний файл</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>немає буфера обміну</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>буфер обміну не прийняв малюнок</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick завантажується…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Гра в Scribblewick закінчилася.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Грати ще</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Під час першого відвідування завантажується %1 МБ; потім Scribblewick запускається одразу, навіть без інтернету.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Не вдалося завантажити Scribblewick (%1). Перевірте з’єднання і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>з’єднання обірвалося</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Не вдалося запустити Scribblewick (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Цей браузер не може запустити Scribblewick: у ньому немає WebAssembly. Новіший браузер зможе.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick не може малювати в цьому браузері: WebGL вимкнено або графічний драйвер заблоковано.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick несподівано зупинився (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick потрібен JavaScript, а в цьому браузері його вимкнено.</translation>
    </message>
</context>
</TS>

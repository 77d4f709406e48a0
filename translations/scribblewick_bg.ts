<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Кажи на Пемрод името си</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Твоето име</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 нарисува това!</translation>
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
        <translation>&amp;Печат</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запазване</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>Ц&amp;ветове</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Черен</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Бял</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червен</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Син</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелен</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жълт</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Цикламен</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжев</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Светлосин</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сив</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Екран</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Черен</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Сив</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Разклати</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Разклати го, хайде!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Постави &amp;молива</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>На случайно място</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>Де&amp;белина</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Скорост</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>Още &amp;забава</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Напиши името си</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Как се играе със Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>За Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Запази рисунката си</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Рисувай със стрелките или с буквите и цифрите: A или 4 мести молива наляво, D или 6 – надясно, W или 8 – нагоре, X или 2 – надолу; интервалът изтрива екрана.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Екран за рисуване</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Наляво</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Надясно</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Нагоре</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Надолу</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Копирането не стана</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Рисунката не можа да се сложи в клипборда: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Печатането не стана</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick не можа да печата: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Рисунката не можа да се отпечата на „%1“: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Картинка BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Запазването не стана</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Рисунката не можа да се запази като „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>За Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick е подарък от...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Версия 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Бял бултериер</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Как се играе със Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Съвет!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>С клавиатурата става по-бързо!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Клавиши:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A или 4 – моливът наляво</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D или 6 – моливът надясно</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W или 8 – моливът нагоре</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X или 2 – моливът надолу</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Натисни интервала и всичко изчезва!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Ясно, разбрах!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Играчка за рисуване</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Рисувай с две копчета на червена играчка за рисуване</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>рисуване;рисунка;скица;играчка;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick е играчка за рисуване: червена играчка с черен екран и две копчета. Всяко натискане на клавиш или щракване на копче мести молива с една стъпка наляво, надясно, нагоре или надолу и оставя след него права линия.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>С менютата ѝ можеш:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>да избереш цвета на молива, цвета на екрана, дебелината на линията и дължината на стъпката</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>да изтриеш екрана или да поставиш молива на случайно място</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>да запазиш рисунката като файл BMP или да я отпечаташ на цялата страница</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>да подпишеш рисунката си с името си</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Стълбичка, нарисувана в бяло на черния екран на играчката</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>рисунката е празна</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>принтерът казва, че няма къде да печата</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>рисунката не може да се събере на страницата</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>принтерът не прие страницата</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>принтерът не взе документа</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>принтерът съобщи за грешка</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>на този компютър няма настроен принтер</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>не е избран принтер по подразбиране</translation>
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
        <translation>може само да се чете</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>папката %1 не съществува</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не е папка</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>не може да се пише в папката %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>не може да се пише в %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>рисунката е празна</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>връзките водят в кръг</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>това е папка</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>води към %1, а това е папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>това не е обикновен файл</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>води към %1, а това не е обикновен файл</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>няма клипборд</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>клипбордът не прие рисунката</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick се зарежда…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick приключи.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Играй отново</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Опитай отново</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>При първото посещение се изтеглят %1 МБ; после Scribblewick тръгва веднага, дори без интернет.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick не можа да се изтегли (%1). Проверете връзката и опитайте отново.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>връзката прекъсна</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick не можа да тръгне (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Този браузър не може да пусне Scribblewick: няма WebAssembly. По-нов браузър може.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick не може да рисува в този браузър: WebGL е изключен или графичният драйвер е блокиран.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Стартиране…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick спря неочаквано (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick има нужда от JavaScript, а този браузър го е изключил.</translation>
    </message>
</context>
</TS>

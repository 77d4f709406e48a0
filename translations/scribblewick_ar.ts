<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>قل لبيمرود ما اسمك</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>هذه من رسم %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;ألوان</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;خلفية</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;أسود</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>ر&amp;مادي</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;هزّ</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;هيّا هزّها!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;ضع القلم</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>في أي مكان</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;عرض الخط</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;سرعة</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;تسلية</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>أضف اسمك</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>كيف تلعب بـScribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>حول Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>احفظ رسمتك</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>ارسم بمفاتيح الأسهم، أو بالحروف والأرقام: A أو 4 يحرّك القلم لليسار، D أو 6 لليمين، W أو 8 للأعلى، X أو 2 للأسفل؛ ومفتاح المسافة يمسح الشاشة.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>‏Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>شاشة الرسم</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>تحريك لليسار</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>تحريك لليمين</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>تحريك للأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>تحريك للأسفل</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>تعذّر النسخ</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>تعذّر وضع الرسمة في الحافظة: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>تعذّرت الطباعة</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>تعذّرت طباعة الرسمة على الطابعة «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>صورة نقطية (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>تعذّر الحفظ</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>تعذّر حفظ الرسمة باسم «%1»: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>لم يتمكّن Scribblewick من الطباعة: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>حول Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>‏Scribblewick من صنع...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>الإصدار 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>كلب بول تيرير أبيض</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>كيف تلعب بـScribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>نصيحة!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>العب أسرع بلوحة المفاتيح!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>المفاتيح:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>‏A أو 4 يحرّك القلم لليسار</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>‏D أو 6 يحرّك القلم لليمين</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>‏W أو 8 يحرّك القلم للأعلى</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>‏X أو 2 يحرّك القلم للأسفل</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>اضغط مفتاح المسافة لتمسح كل شيء!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>حسنًا، فهمت!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>لعبة رسم</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>ارسم بمقبضين على لعبة رسم حمراء</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>رسم;ارسم;لعبة;رسومات;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>لعبة Scribblewick لعبة رسم حمراء لها شاشة سوداء ومقبضان. كل ضغطة على مفتاح أو نقرة على مقبض تحرّك القلم خطوة واحدة إلى اليسار أو اليمين أو الأعلى أو الأسفل، وتترك خلفه خطًا مستقيمًا.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>من قوائمها يمكنك:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>اختيار لون القلم ولون الشاشة وعرض الخط وطول الخطوة</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>مسح الشاشة، أو وضع القلم في مكان عشوائي</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>حفظ رسمة اللعبة كملف BMP، أو طباعتها على قدر الصفحة</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>توقيع رسمتك باسمك</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>درج مرسوم بالأبيض على شاشة اللعبة السوداء</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>الرسمة فارغة</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>الطابعة تقول إنه لا مكان للطباعة</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>لا يمكن جعل الرسمة بحجم الصفحة</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>الطابعة لم تقبل الصفحة</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>الطابعة لم تأخذ المستند</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>الطابعة أبلغت عن خطأ</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>لا توجد طابعة على هذا الحاسوب</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>لم تُختر طابعة افتراضية</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text to show: &quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;. Qt lays out every window by it.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>it is read-only</source>
        <extracomment>Said of a file or of a folder, after &quot;cannot write to %1:&quot; or &quot;cannot write in the folder %1:&quot;.</extracomment>
        <translation>للقراءة فقط</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>المجلد %1 غير موجود</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>‏%1 ليس مجلدًا</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>لا يمكن الكتابة في المجلد %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>لا يمكن الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>الرسمة فارغة</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>روابطه تدور في حلقة</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>إنه يؤدي إلى %1، وهو مجلد</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>إنه ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>إنه يؤدي إلى %1، وهو ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>لا توجد حافظة</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>الحافظة لم تقبل الرسمة</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>جارٍ تحميل Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>انتهى Scribblewick.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>إعادة اللعب</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>في الزيارة الأولى يُنزَّل %1 ميغابايت، وبعدها يبدأ Scribblewick فورًا، حتى دون اتصال بالإنترنت.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>تعذّر تنزيل Scribblewick ‏(%1). يُرجى التحقق من الاتصال ثم إعادة المحاولة.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>انقطع الاتصال</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>تعذّر تشغيل Scribblewick ‏(%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>لا يستطيع هذا المتصفح تشغيل Scribblewick: ليس فيه WebAssembly. المتصفحات الأحدث تستطيع.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>لا يستطيع Scribblewick الرسم في هذا المتصفح: WebGL معطّل، أو برنامج تشغيل الرسوميات محظور.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>جارٍ البدء…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>توقف Scribblewick فجأة (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>يحتاج Scribblewick إلى JavaScript، وهي معطّلة في هذا المتصفح.</translation>
    </message>
</context>
</TS>

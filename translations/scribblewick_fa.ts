<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>اسمت را به پمرود بگو</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمت</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>این نقاشی را %1 کشیده!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>پر&amp;ونده</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>چا&amp;پ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;ذخیره</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;رنگ قلم</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <source>White</source>
        <translation>سفید</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>آبی</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>سبز</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>زرد</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>سرخابی</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>نارنجی</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>فیروزه‌ای</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>خاکستری</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>پس‌&amp;زمینه</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>سیا&amp;ه</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>خاکستر&amp;ی</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>تکا&amp;ن</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>حسابی تکونش بد&amp;ه!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>گذ&amp;اشتن قلم</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>یک جای تصادفی</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>پهنا&amp;ی قلم</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;آهسته یا تند</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>سرگرمی‌های &amp;دیگر</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>اسمت را بنویس</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>دربار&amp;ه</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>چطور با Scribblewick بازی کنیم!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>دربارهٔ Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>نقاشی‌ات را ذخیره کن</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>با کلیدهای جهت‌نما نقاشی کن، یا با حرف‌ها و عددها: A یا 4 قلم را به چپ می‌برد، D یا 6 به راست، W یا 8 به بالا، X یا 2 به پایین؛ کلید فاصله صفحه را پاک می‌کند.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>‏Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>صفحهٔ نقاشی</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>حرکت به چپ</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>حرکت به راست</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>حرکت به بالا</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>حرکت به پایین</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>کپی نشد</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>نقاشی به کلیپ‌بورد نرفت: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>چاپ نشد</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>‏Scribblewick نتوانست چاپ کند: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>نقاشی با چاپگر «%1» چاپ نشد: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>تصویر بیت‌مپ (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>ذخیره نشد</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>نقاشی با نام «%1» ذخیره نشد: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>دربارهٔ Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>‏Scribblewick هدیه‌ای از...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>نسخهٔ ۱.۲</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>یک بول‌تریر سفید</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>چطور با Scribblewick بازی کنیم!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>نکته!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>با صفحه‌کلید سریع‌تر بازی کن!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>کلیدها:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>‏A یا 4 قلم را به چپ می‌برد</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>‏D یا 6 قلم را به راست می‌برد</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>‏W یا 8 قلم را به بالا می‌برد</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>‏X یا 2 قلم را به پایین می‌برد</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>کلید فاصله را بزن تا Scribblewick پاک شود!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>باشه، فهمیدم!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>اسباب‌بازی نقاشی</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>با دو دکمهٔ چرخان روی یک اسباب‌بازی قرمز نقاشی کن</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>نقاشی;کشیدن;طراحی;اسباب‌بازی;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>با Scribblewick می‌شود نقاشی کرد: یک اسباب‌بازی قرمز با صفحهٔ سیاه و دو دکمهٔ چرخان. هر فشار یک کلید یا هر تق دکمهٔ چرخان، قلم را یک قدم به چپ، راست، بالا یا پایین می‌برد و پشت سرش یک خط صاف به جا می‌گذارد.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>با منوهای آن می‌توانید:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>رنگ قلم، رنگ صفحه، پهنای خط و اندازهٔ هر قدم را انتخاب کنید</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>صفحه را پاک کنید یا قلم را در یک جای تصادفی بگذارید</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>نقاشی را به‌صورت پروندهٔ BMP ذخیره کنید یا آن را هم‌اندازهٔ صفحه چاپ کنید</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>نقاشی را با نام خودتان امضا کنید</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>پلکانی که با رنگ سفید روی صفحهٔ سیاه اسباب‌بازی کشیده شده</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>نقاشی خالی است</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>چاپگر می‌گوید جایی برای چاپ ندارد</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>نمی‌شود نقاشی را هم‌اندازهٔ صفحه کرد</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>چاپگر صفحه را نپذیرفت</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>چاپگر سند را نگرفت</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>چاپگر خبر از یک خطا داد</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>روی این رایانه هیچ چاپگری نصب نیست</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>هیچ چاپگری به‌عنوان پیش‌فرض انتخاب نشده است</translation>
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
        <translation>فقط می‌شود آن را خواند</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>پوشهٔ %1 وجود ندارد</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>‏%1 پوشه نیست</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>نمی‌شود در پوشهٔ %1 نوشت: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>نمی‌شود در %1 نوشت: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>نقاشی خالی است</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>پیوندهایش دور خودشان می‌چرخند</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>یک پوشه است</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>به %1 می‌رسد که یک پوشه است</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>یک پروندهٔ معمولی نیست</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>به %1 می‌رسد که پروندهٔ معمولی نیست</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>کلیپ‌بوردی وجود ندارد</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>کلیپ‌بورد نقاشی را نگرفت</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>در حال بارگیری Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>بازی با Scribblewick تمام شد.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>بازی دوباره</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>تلاش دوباره</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>در اولین بازدید %1 مگابایت بارگیری می‌شود؛ بعد از آن Scribblewick فوراً باز می‌شود، حتی بدون اینترنت.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>بارگیری Scribblewick ممکن نشد (%1). لطفاً اتصال را بررسی کنید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>اتصال قطع شد</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>اجرای Scribblewick ممکن نشد (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>این مرورگر نمی‌تواند Scribblewick را اجرا کند: WebAssembly ندارد. مرورگرهای جدیدتر می‌توانند.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>در این مرورگر Scribblewick نمی‌تواند نقاشی کند: WebGL خاموش است یا درایور گرافیک مسدود شده است.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>در حال شروع…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>اجرای Scribblewick ناگهان متوقف شد (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>برای Scribblewick به JavaScript نیاز است که در این مرورگر خاموش است.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>מה השם שלך? פמרוד רוצה לדעת</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>השם שלך</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>זה ציור של %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;הדפסה</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;צבעי עט</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>ורוד</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;רקע</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;שחור</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;אפור</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;ניעור</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;יאללה, מנערים!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;הנחת עט</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>איפשהו</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;עובי</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;מהירות</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>עוד &amp;כיף</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>הוספת השם שלך</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>איך משחקים ב-Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>אודות Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>שמירת הציור שלך</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>מציירים עם מקשי החצים, או עם האותיות והספרות: A או 4 מזיזים את העט שמאלה, D או 6 ימינה, W או 8 למעלה, X או 2 למטה; מקש הרווח מוחק את המסך.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>‏Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>מסך הציור</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>הזזה שמאלה</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>הזזה ימינה</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>הזזה למעלה</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>הזזה למטה</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>ההעתקה לא הצליחה</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>הציור לא הועתק ללוח העריכה: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>ההדפסה לא הצליחה</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>‏Scribblewick לא הצליח להדפיס: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>הציור לא הודפס במדפסת &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>תמונת מפת סיביות (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>השמירה לא הצליחה</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>הציור לא נשמר בשם &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>אודות Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>את Scribblewick הביא לך...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>גרסה 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>בול טרייר לבן</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>איך משחקים ב-Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>טיפ!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>עם המקלדת משחקים מהר יותר!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>מקשים:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>‏A או 4 מזיז את העט שמאלה</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>‏D או 6 מזיז את העט ימינה</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>‏W או 8 מזיז את העט למעלה</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>‏X או 2 מזיז את העט למטה</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>מקש הרווח מנקה את Scribblewick!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>אוקיי, הבנתי!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>צעצוע ציור</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>לצייר עם שני כפתורי סיבוב על צעצוע ציור אדום</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>ציור;לצייר;סקיצה;צעצוע;שרבוט;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>צעצוע הציור Scribblewick הוא צעצוע אדום עם מסך שחור ושני כפתורי סיבוב. כל לחיצה על מקש או תקתוק של כפתור מזיזים את העט צעד אחד שמאלה, ימינה, למעלה או למטה, ומשאירים אחריו קו ישר.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>בתפריטים שלו אפשר:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>לבחור את צבע העט, את צבע המסך, את עובי הקו ואת אורך הצעד</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>למחוק את המסך, או להניח את העט איפשהו באקראי</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>לשמור את הציור כקובץ BMP, או להדפיס אותו בגודל הדף</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>לחתום על הציור בשם שלך</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>מדרגות מצוירות בלבן על המסך השחור של הצעצוע</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>הציור ריק</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>המדפסת אומרת שאין בדף מקום להדפסה</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>אי אפשר להתאים את הציור לגודל הדף</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>המדפסת לא קיבלה את הדף</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>המדפסת לא קיבלה את המסמך</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>המדפסת דיווחה על שגיאה</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>אין מדפסת מותקנת במחשב הזה</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>לא נבחרה מדפסת ברירת מחדל</translation>
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
        <translation>זה לקריאה בלבד</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>התיקייה %1 לא קיימת</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>‏%1 אינו תיקייה</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>אי אפשר לכתוב בתיקייה %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>אי אפשר לכתוב אל %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>הציור ריק</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>הקישורים מסתובבים במעגל</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>זו תיקייה</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>הקישור מוביל אל %1, וזו תיקייה</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>זה לא קובץ רגיל</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>הקישור מוביל אל %1, וזה לא קובץ רגיל</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>אין לוח עריכה</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>לוח העריכה לא קיבל את הציור</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>רגע, Scribblewick נטען…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>המשחק ב-Scribblewick נגמר.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>לשחק שוב</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>לנסות שוב</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>בביקור הראשון יורדים %1 MB; אחר כך Scribblewick נפתח מיד, גם בלי אינטרנט.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>ההורדה של Scribblewick לא הצליחה (%1). כדאי לבדוק את החיבור ולנסות שוב.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>החיבור נקטע</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>ההפעלה של Scribblewick לא הצליחה (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>הדפדפן הזה לא יכול להריץ את Scribblewick: אין בו WebAssembly. דפדפן חדש יותר יכול.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>אי אפשר לצייר ב-Scribblewick בדפדפן הזה: WebGL כבוי, או שמנהל ההתקן של הגרפיקה חסום.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>מתחילים…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>פתאום Scribblewick נעצר (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>כדי לעבוד, Scribblewick צריך JavaScript, והוא כבוי בדפדפן הזה.</translation>
    </message>
</context>
</TS>

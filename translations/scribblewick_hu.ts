<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Mondd meg Pemrodnak a neved</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>A neved</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Ezt %1 rajzolta!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Nyomtatás</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Mentés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>Szí&amp;nek</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Fekete</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Fehér</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Piros</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Kék</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zöld</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sárga</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Bíbor</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Narancssárga</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Türkiz</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szürke</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Háttér</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Fekete</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Szürke</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Rázás</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Rázd meg, bébi!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Toll áthelyezése</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Akárhova</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Vastagság</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>Gy&amp;orsaság</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Még több móka</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Írd rá a neved</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Így játssz a Scribblewickkel!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>A Scribblewickről</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Mentsd el a képed</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Rajzolj a nyílbillentyűkkel vagy a betűkkel és a számokkal: az A vagy a 4 balra viszi a tollat, a D vagy a 6 jobbra, a W vagy a 8 fel, az X vagy a 2 le; a szóköz letörli a képernyőt.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Rajzképernyő</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Balra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Jobbra</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Le</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Nem sikerült másolni</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Nem sikerült a képet a vágólapra tenni: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Nem sikerült nyomtatni</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>A Scribblewick nem tudott nyomtatni: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>A képet nem sikerült kinyomtatni a(z) „%1” nyomtatón: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP-kép (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Nem sikerült menteni</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>A képet nem sikerült „%1” néven menteni: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>A Scribblewickről!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>A Scribblewicket neked hozta...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Verzió 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Egy fehér bullterrier</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Így játssz a Scribblewickkel!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tipp!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Billentyűzettel gyorsabb a játék!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Billentyűk:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>Az A vagy a 4 balra viszi a tollat</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>A D vagy a 6 jobbra viszi a tollat</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>A W vagy a 8 felfelé viszi a tollat</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>Az X vagy a 2 lefelé viszi a tollat</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Nyomd meg a szóközt, és kezdd újra!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Oké, értem!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Rajzolós játék</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Rajzolj két tekerőgombbal egy piros rajzolós játékon</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>rajz;rajzolás;vázlat;játék;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>A Scribblewick egy rajzolós játék: piros játék fekete képernyővel és két tekerőgombbal. Minden billentyűleütés vagy tekerőgomb-kattanás egy lépéssel balra, jobbra, fel vagy le viszi a tollat, és egyenes vonalat húz maga után.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>A menüiben:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>kiválaszthatod a toll színét, a képernyő színét, a vonal vastagságát és a lépés hosszát</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>letörölheted a képernyőt, vagy véletlenszerűen áthelyezheted a tollat</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>elmentheted a játék rajzát BMP-fájlba, vagy kinyomtathatod oldalnyi méretben</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>aláírhatod a rajzodat a neveddel</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Lépcső fehérrel rajzolva a játék fekete képernyőjén</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>a kép üres</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>a nyomtató nem jelez nyomtatható területet</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>a képet nem lehet a laphoz igazítani</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>a nyomtató nem fogadta el a lapot</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>a nyomtató nem vette át a dokumentumot</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>a nyomtató hibát jelzett</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>ezen a számítógépen nincs beállítva nyomtató</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nincs alapértelmezett nyomtató kiválasztva</translation>
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
        <translation>csak olvasni lehet</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a(z) %1 mappa nem létezik</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nem mappa</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>a(z) %1 mappába nem lehet írni: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>a(z) %1 nem írható: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>a kép üres</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>a hivatkozásai körbe-körbe vezetnek</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>ez egy mappa</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>egy mappára mutat (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ez nem szokásos fájl</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>egy nem szokásos fájlra mutat (%1)</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>nincs vágólap</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>a vágólap nem fogadta el a képet</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>A Scribblewick betöltése…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>A Scribblewick bezárult.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Játssz újra</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Próbáld újra</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Az első látogatáskor %1 MB töltődik le; utána a Scribblewick azonnal elindul, internet nélkül is.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>A Scribblewicket nem sikerült letölteni (%1). Ellenőrizze a kapcsolatot, majd próbálja újra.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>megszakadt a kapcsolat</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>A Scribblewick nem tudott elindulni (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Ez a böngésző nem tudja futtatni a Scribblewicket: nincs benne WebAssembly. Egy újabb böngésző tudja.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>A Scribblewick nem tud rajzolni ebben a böngészőben: a WebGL ki van kapcsolva, vagy a grafikus illesztőprogram le van tiltva.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Indítás…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>A Scribblewick váratlanul leállt (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>A Scribblewickhez JavaScript kell, de ebben a böngészőben ki van kapcsolva.</translation>
    </message>
</context>
</TS>

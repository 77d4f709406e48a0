<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Řekni Pemrodovi, jak se jmenuješ</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tvoje jméno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Kdo to nakreslil? %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Barvy</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurová</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranžová</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Tyrkysová</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Pozadí</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>Č&amp;erné</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>Še&amp;dé</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Zatřes</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Zatřes mnou, šup šup!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Přesuň &amp;tužku</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Někam náhodně</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>Tl&amp;oušťka</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Rychlost</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Víc zábavy</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Podepiš obrázek</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Jak na Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>O hračce Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Ulož svůj obrázek</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Kresli šipkami nebo písmeny a číslicemi: A nebo 4 posune tužku doleva, D nebo 6 doprava, W nebo 8 nahoru, X nebo 2 dolů; mezerník smaže obrazovku.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Obrazovka na kreslení</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Doleva</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Doprava</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopírování se nepovedlo</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Obrázek se nepovedlo dát do schránky: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Tisk se nepovedl</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick nemohl tisknout: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Obrázek se nepovedlo vytisknout na „%1“: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Obrázek BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Uložení se nepovedlo</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Obrázek se nepovedlo uložit jako „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>O hračce Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Hračku pro tebe udělal...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Verze 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Bílý bulteriér</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Jak na Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tip!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>S klávesnicí to jde rychleji!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Klávesy:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A nebo 4 – tužka doleva</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D nebo 6 – tužka doprava</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W nebo 8 – tužka nahoru</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X nebo 2 – tužka dolů</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Zmáčkni mezerník a všechno zmizí!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Jasně, chápu!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Hračka na kreslení</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Kresli dvěma knoflíky na červené hračce na kreslení</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>kreslit;kreslení;náčrt;hračka;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick je hračka na kreslení: červená hračka s černou obrazovkou a dvěma knoflíky. Každé stisknutí klávesy nebo cvaknutí knoflíku posune tužku o krok doleva, doprava, nahoru nebo dolů a za tužkou zůstane rovná čára.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>V jejích nabídkách můžeš:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>vybrat barvu tužky, barvu obrazovky, tloušťku čáry a délku kroku</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>smazat obrazovku nebo přesunout tužku někam náhodně</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>uložit obrázek z hračky jako soubor BMP nebo ho vytisknout přes celou stránku</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>podepsat svůj obrázek svým jménem</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Schody nakreslené bílou barvou na černé obrazovce hračky</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>obrázek je prázdný</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>tiskárna hlásí, že nemá kam tisknout</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>obrázek nejde přizpůsobit stránce</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>tiskárna stránku nepřijala</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>tiskárna dokument nepřevzala</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>tiskárna nahlásila chybu</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>v tomto počítači není nastavená žádná tiskárna</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>není vybraná výchozí tiskárna</translation>
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
        <translation>lze jen číst</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>složka %1 neexistuje</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 není složka</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>do složky %1 nelze zapisovat: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>do %1 nelze zapisovat: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>obrázek je prázdný</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>odkazy vedou dokola</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>odkazuje na %1, a to je složka</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>odkazuje na %1, a to není běžný soubor</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>schránka tu není</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>schránka obrázek nepřijala</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick se načítá…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick skončil.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Hrát znovu</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Při první návštěvě se stáhne %1 MB; potom se Scribblewick spustí hned, i bez internetu.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick se nepodařilo stáhnout (%1). Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>připojení se přerušilo</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick se nepodařilo spustit (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Tento prohlížeč Scribblewick nespustí: nemá WebAssembly. Novější prohlížeč to zvládne.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick v tomto prohlížeči nemůže kreslit: WebGL je vypnuté nebo je grafický ovladač zablokovaný.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Spouští se…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick se nečekaně zastavil (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick potřebuje JavaScript, který má tento prohlížeč vypnutý.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Povedz Pemrodovi svoje meno</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tvoje meno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Kto to nakreslil? %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tlačiť</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Farby</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Čierna</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biela</translation>
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
        <translation>Žltá</translation>
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
        <translation>Sivá</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Po&amp;zadie</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>Čie&amp;rne</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Sivé</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Trasenie</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Zatras to, zlatko!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Presuň pero</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Hocikam</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Hrúbka</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Rýchlosť</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Viac zábavy</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Napíš svoje meno</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>P&amp;omoc</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Ako na Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>O hračke Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Ulož svoj obrázok</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Kresli šípkami alebo písmenami a číslicami: A alebo 4 posúva pero doľava, D alebo 6 doprava, W alebo 8 hore, X alebo 2 dole; medzerník vymaže obrazovku.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Obrazovka na kreslenie</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Posuň doľava</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Posuň doprava</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Posuň hore</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Posuň dole</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopírovanie nevyšlo</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Obrázok sa nepodarilo vložiť do schránky: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Tlač nevyšla</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick nemohol tlačiť: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Obrázok sa nepodarilo vytlačiť na tlačiarni „%1“: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Obrázok BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Uloženie nevyšlo</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Obrázok sa nepodarilo uložiť ako „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>O hračke Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Kto ti priniesol Scribblewick?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Verzia 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Biely bulteriér</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Ako na Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tip!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>S klávesnicou sa hráš rýchlejšie!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Klávesy:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A alebo 4 posúva pero doľava</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D alebo 6 posúva pero doprava</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W alebo 8 posúva pero hore</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X alebo 2 posúva pero dole</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Stlač medzerník a kresli odznova!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Jasné, rozumiem!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Kresliaca hračka</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Kresli dvoma otočnými gombíkmi na červenej kresliacej hračke</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>kresliť;kreslenie;skica;hračka;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick je kresliaca hračka: červená hračka s čiernou obrazovkou a dvoma otočnými gombíkmi. Každé stlačenie klávesu alebo cvaknutie gombíka posunie pero o krok doľava, doprava, hore alebo dole a za perom zostane rovná čiara.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>V jej ponukách môžeš:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>vybrať farbu pera, farbu obrazovky, hrúbku čiary a dĺžku kroku</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>zmazať obrazovku alebo presunúť pero hocikam</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>uložiť obrázok z hračky ako súbor BMP alebo ho vytlačiť na celú stranu</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>podpísať svoj obrázok svojím menom</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Schody nakreslené bielou farbou na čiernej obrazovke hračky</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>obrázok je prázdny</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>tlačiareň nehlási žiadnu plochu na tlač</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>obrázok sa nedá prispôsobiť strane</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>tlačiareň neprijala stranu</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>tlačiareň neprevzala dokument</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>tlačiareň hlási chybu</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>na tomto počítači nie je nastavená žiadna tlačiareň</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>žiadna tlačiareň nie je zvolená ako predvolená</translation>
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
        <translation>dá sa iba čítať</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>priečinok %1 neexistuje</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie je priečinok</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>do priečinka %1 sa nedá zapisovať: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>do %1 sa nedá zapisovať: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>obrázok je prázdny</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>jeho odkazy vedú stále dokola</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to priečinok</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>vedie na %1, a to je priečinok</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie je to obyčajný súbor</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>vedie na %1, a to nie je obyčajný súbor</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>schránka tu nie je</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>schránka obrázok neprijala</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick sa načítava…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick sa skončil.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Hrať znova</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Pri prvej návšteve sa stiahne %1 MB; potom sa Scribblewick spustí hneď, aj bez internetu.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick sa nepodarilo stiahnuť (%1). Skontrolujte pripojenie a skúste to znova.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>pripojenie sa prerušilo</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick sa nepodarilo spustiť (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Tento prehliadač Scribblewick nespustí: nemá WebAssembly. Novší prehliadač to zvládne.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick v tomto prehliadači nemôže kresliť: WebGL je vypnuté alebo je grafický ovládač zablokovaný.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Spúšťa sa…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick sa nečakane zastavil (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick potrebuje JavaScript, ktorý má tento prehliadač vypnutý.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Pasaki Pemrodam savu vārdu</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tavs vārds</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Šo uzzīmēja %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datne</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukāt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Saglabāt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Krāsas</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Melna</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Balta</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Sarkana</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Zila</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zaļa</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Dzeltena</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Rozā</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranža</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Tirkīza</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Pelēka</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Fons</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Melns</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Pelēks</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Sakrati</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Sakrati, sakrati!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Novieto &amp;zīmuli</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Kaut kur</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Biezums</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>Ā&amp;trums</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Vēl jautrības</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Uzraksti savu vārdu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Kā spēlēt Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Par Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Saglabā savu zīmējumu</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Zīmē ar bultiņu taustiņiem vai ar burtiem un cipariem: A vai 4 pārvieto zīmuli pa kreisi, D vai 6 pa labi, W vai 8 uz augšu, X vai 2 uz leju; atstarpes taustiņš notīra ekrānu.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Zīmēšanas ekrāns</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Pa kreisi</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Pa labi</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Uz augšu</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Uz leju</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Neizdevās nokopēt</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Zīmējumu neizdevās ielikt starpliktuvē: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Neizdevās izdrukāt</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick nevarēja drukāt: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Zīmējumu neizdevās izdrukāt printerī „%1”: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP attēls (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Neizdevās saglabāt</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Zīmējumu neizdevās saglabāt kā „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Par Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Kas tev uztaisīja Scribblewick?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versija 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Balts bulterjers</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Kā spēlēt Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Padoms!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Ar tastatūru sanāk ātrāk!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Taustiņi:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A vai 4 pārvieto zīmuli pa kreisi</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D vai 6 pārvieto zīmuli pa labi</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W vai 8 pārvieto zīmuli uz augšu</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X vai 2 pārvieto zīmuli uz leju</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Nospied atstarpi un sāc no jauna!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Labi, sapratu!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Zīmēšanas rotaļlieta</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Zīmē ar divām grozāmām pogām uz sarkanas zīmēšanas rotaļlietas</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>zīmēt;zīmējums;skice;rotaļlieta;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick ir zīmēšanas rotaļlieta: sarkana rotaļlieta ar melnu ekrānu un divām grozāmām pogām. Katrs taustiņa spiediens vai pogas klikšķis pārvieto zīmuli par vienu soli pa kreisi, pa labi, uz augšu vai uz leju un atstāj aiz tā taisnu līniju.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Tās izvēlnēs vari:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>izvēlēties zīmuļa krāsu, ekrāna krāsu, līnijas biezumu un soļa garumu</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>notīrīt ekrānu vai novietot zīmuli kaut kur nejauši</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>saglabāt rotaļlietas zīmējumu kā BMP failu vai izdrukāt to visas lapas lielumā</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>parakstīt savu zīmējumu ar savu vārdu</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Kāpnes, uzzīmētas baltā krāsā uz rotaļlietas melnā ekrāna</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>zīmējums ir tukšs</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>printeris neziņo par drukājamo laukumu</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>zīmējumu nevar pielāgot lapai</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>printeris nepieņēma lapu</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>printeris nepaņēma dokumentu</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>printeris ziņoja par kļūdu</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>šajā datorā nav iestatīts neviens printeris</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nav izvēlēts noklusējuma printeris</translation>
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
        <translation>to var tikai lasīt</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mape %1 nepastāv</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nav mape</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>mapē %1 nevar rakstīt: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>nevar ierakstīt %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>zīmējums ir tukšs</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>tās saites ved pa apli</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>tā ir mape</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>tā ved uz %1, kas ir mape</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>tā nav parasta datne</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>tā ved uz %1, kas nav parasta datne</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>nav starpliktuves</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>starpliktuve nepieņēma zīmējumu</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick ielādējas…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick ir beidzies.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Spēlēt vēlreiz</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Mēģināt vēlreiz</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Pirmajā apmeklējumā tiek lejupielādēti %1 MB; pēc tam Scribblewick sākas uzreiz, arī bez interneta.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick neizdevās lejupielādēt (%1). Lūdzu, pārbaudiet savienojumu un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>savienojums pārtrūka</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick neizdevās palaist (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Šī pārlūkprogramma nevar palaist Scribblewick: tai nav WebAssembly. Jaunāka pārlūkprogramma var.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick šajā pārlūkprogrammā nevar zīmēt: WebGL ir izslēgts vai grafikas draiveris ir bloķēts.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Palaiž…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick negaidīti apstājās (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick vajag JavaScript, bet šajā pārlūkprogrammā tas ir izslēgts.</translation>
    </message>
</context>
</TS>

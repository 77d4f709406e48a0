<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Reci Pemrodu svoje ime</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tvoje ime</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Tko je ovo nacrtao? %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Ispiši</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spremi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>I&amp;zađi</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Boje</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Crna</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bijela</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Crvena</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Plava</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelena</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žuta</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Ružičasta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Narančasta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Tirkizna</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Siva</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Pozadina</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Crna</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Siva</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Tresi</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Protresi me, dušo!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Postavi &amp;olovku</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Bilo gdje</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>D&amp;ebljina</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>Br&amp;zina</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Više zabave</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Napiši svoje ime</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Po&amp;moć</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Kako se igra Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>O igrački Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Spremi svoju sliku</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Crtaj strelicama ili slovima i brojkama: A ili 4 pomiče olovku lijevo, D ili 6 desno, W ili 8 gore, X ili 2 dolje; razmaknica briše ekran.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Ekran za crtanje</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Pomakni lijevo</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Pomakni desno</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Pomakni gore</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Pomakni dolje</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopiranje nije uspjelo</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Slika se nije mogla staviti u međuspremnik: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Ispis nije uspio</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick ne može ispisati: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Slika se nije mogla ispisati na pisaču „%1”: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP slika (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Spremanje nije uspjelo</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Slika se nije mogla spremiti kao „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>O igrački Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Tko ti je donio Scribblewick?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Verzija 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Bijeli bulterijer</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Kako se igra Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Savjet!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Tipkovnicom ide brže!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Tipke:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A ili 4 pomiče olovku lijevo</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D ili 6 pomiče olovku desno</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W ili 8 pomiče olovku gore</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X ili 2 pomiče olovku dolje</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Pritisni razmaknicu i kreni ispočetka!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Sve jasno!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Igračka za crtanje</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Crtaj s dva okretna gumba na crvenoj igrački za crtanje</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>crtati;crtanje;skica;igračka;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick je igračka za crtanje: crvena igračka s crnim ekranom i dva okretna gumba. Svaki pritisak tipke ili klik gumba pomiče olovku za jedan korak lijevo, desno, gore ili dolje, a iza nje ostaje ravna crta.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>U njezinim izbornicima možeš:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>odabrati boju olovke, boju ekrana, debljinu crte i duljinu koraka</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>obrisati ekran ili postaviti olovku bilo gdje</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>spremiti sliku s igračke kao BMP datoteku ili je ispisati preko cijele stranice</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>potpisati svoj crtež svojim imenom</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Stube nacrtane bijelom bojom na crnom ekranu igračke</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>slika je prazna</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>pisač ne javlja područje za ispis</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>slika se ne može prilagoditi stranici</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>pisač nije prihvatio stranicu</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>pisač nije preuzeo dokument</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>pisač je javio grešku</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>na ovom računalu nije postavljen nijedan pisač</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nijedan pisač nije odabran kao zadani</translation>
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
        <translation>može se samo čitati</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mapa %1 ne postoji</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nije mapa</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>u mapu %1 se ne može pisati: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>u %1 se ne može pisati: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>slika je prazna</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>poveznice vode u krug</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to je mapa</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>vodi na %1, a to je mapa</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nije obična datoteka</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>vodi na %1, a to nije obična datoteka</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>nema međuspremnika</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>međuspremnik nije primio sliku</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick se učitava…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick je završio.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Igraj ponovno</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Pokušaj ponovno</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Pri prvom posjetu preuzima se %1 MB; nakon toga Scribblewick se pokreće odmah, čak i bez interneta.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick se nije mogao preuzeti (%1). Provjerite vezu pa pokušajte ponovno.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>veza se prekinula</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick se nije mogao pokrenuti (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Ovaj preglednik ne može pokrenuti Scribblewick: nema WebAssembly. Noviji preglednik može.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick ne može crtati u ovom pregledniku: WebGL je isključen ili je upravljački program za grafiku blokiran.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Pokretanje…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick se neočekivano zaustavio (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick treba JavaScript, a ovaj ga je preglednik isključio.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Vertel Pemrod je naam</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 heeft dit gemaakt!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Achtergrond</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Zwart</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Grijs</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Schudden</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Schudden maar, schatje!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Pen verplaatsen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Ergens neerzetten</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Dikte</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>S&amp;nelheid</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Meer pret</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Zet je naam erbij</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Zo speel je met Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Over Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Sla je tekening op</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Teken met de pijltjestoetsen, of met de letters en cijfers: A of 4 beweegt de pen naar links, D of 6 naar rechts, W of 8 omhoog, X of 2 omlaag; de spatiebalk veegt het scherm leeg.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Tekenscherm</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopiëren lukte niet</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>De tekening kon niet op het klembord worden gezet: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Afdrukken lukte niet</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick kon niet afdrukken: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>De tekening kon niet worden afgedrukt op ‘%1’: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP-afbeelding (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Opslaan lukte niet</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>De tekening kon niet worden opgeslagen als ‘%1’: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Over Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick krijg je van...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versie 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Een witte bullterriër</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Zo speel je met Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tip!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Met de toetsen gaat het sneller!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Toetsen:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A of 4: pen naar links</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D of 6: pen naar rechts</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W of 8: pen omhoog</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X of 2: pen omlaag</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Druk op de spatiebalk en alles is weg!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, snap ik!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Tekenspeelgoed</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Teken met twee draaiknoppen op een rood tekenbord</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>tekenen;tekening;schets;speelgoed;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick is tekenspeelgoed: een rood tekenbord met een zwart scherm en twee draaiknoppen. Elke toetsaanslag en elke klik aan een knop zet de pen een stap naar links, rechts, omhoog of omlaag en laat een rechte lijn achter.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>In de menu’s kun je:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>de kleur van de pen, de kleur van het scherm, de dikte van de lijn en de lengte van een stap kiezen</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>het scherm leegvegen, of de pen ergens willekeurig neerzetten</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>de tekening als BMP-bestand opslaan, of afdrukken zodat ze de hele pagina vult</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>je tekening met je naam ondertekenen</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Een trap, in wit getekend op het zwarte scherm van het tekenbord</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>de tekening is leeg</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>de printer meldt geen ruimte om op af te drukken</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>de tekening kan niet op de maat van de pagina worden gebracht</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>de printer heeft de pagina niet geaccepteerd</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>de printer heeft het document niet aangenomen</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>de printer heeft een fout gemeld</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>er is geen printer ingesteld op deze computer</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>er is geen printer als standaard gekozen</translation>
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
        <translation>alleen lezen is mogelijk</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>de map %1 bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>je kunt niet in de map %1 schrijven: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>je kunt niet naar %1 schrijven: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>de tekening is leeg</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>de koppelingen gaan in een kringetje rond</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>het wijst naar %1, en dat is een map</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>het wijst naar %1, en dat is geen gewoon bestand</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>er is geen klembord</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>het klembord heeft de tekening niet aangenomen</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick wordt geladen…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick is gestopt.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nog een keer spelen</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Bij het eerste bezoek wordt %1 MB gedownload; daarna start Scribblewick meteen, ook zonder internet.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick kon niet worden gedownload (%1). Controleer de verbinding en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>de verbinding werd verbroken</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick kon niet starten (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Deze browser kan Scribblewick niet draaien: hij heeft geen WebAssembly. Een nieuwere browser kan het wel.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick kan in deze browser niet tekenen: WebGL staat uit, of het grafische stuurprogramma is geblokkeerd.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starten…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick is onverwacht gestopt (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick heeft JavaScript nodig, en dat staat uit in deze browser.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Kerro Pemrodille nimesi</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Nimesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 piirsi tämän!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>T&amp;ulosta</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Värit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Valkoinen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Punainen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Sininen</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vihreä</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Keltainen</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranssi</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turkoosi</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Harmaa</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Ta&amp;usta</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Musta</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Harmaa</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Ravista</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Ravista, muru!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Siirrä kynä</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Satunnaiseen kohtaan</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Paksuus</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Nopeus</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Lisää kivaa</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Kirjoita nimesi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>T&amp;ietoja</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Näin käytät Scribblewickiä!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Tietoja Scribblewickistä</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Tallenna piirroksesi</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Piirrä nuolinäppäimillä tai kirjaimilla ja numeroilla: A tai 4 siirtää kynää vasemmalle, D tai 6 oikealle, W tai 8 ylös, X tai 2 alas; välilyönti tyhjentää ruudun.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Piirtoruutu</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vasemmalle</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Oikealle</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Ylös</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Alas</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopiointi ei onnistunut</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Piirrosta ei voitu laittaa leikepöydälle: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Tulostus ei onnistunut</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick ei voinut tulostaa: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Piirrosta ei voitu tulostaa tulostimella ”%1”: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP-kuva (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Tallennus ei onnistunut</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Piirrosta ei voitu tallentaa nimellä ”%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Tietoja Scribblewickistä!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewickin teki…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versio 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Valkoinen bullterrieri</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Näin käytät Scribblewickiä!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Vinkki!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Näppäimistöllä piirrät nopeammin!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Näppäimet:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A tai 4: kynä vasemmalle</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D tai 6: kynä oikealle</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W tai 8: kynä ylös</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X tai 2: kynä alas</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Paina välilyöntiä, niin Scribblewick tyhjenee!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, tajusin!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Piirtolelu</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Piirrä kahdella nupilla punaisella piirtolelulla</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>piirtää;piirustus;luonnos;lelu;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick on piirtolelu: punainen lelu, jossa on musta ruutu ja kaksi nuppia. Jokainen näppäimen painallus tai nupin naksahdus siirtää kynää askeleen vasemmalle, oikealle, ylös tai alas ja jättää jälkeensä suoran viivan.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Sen valikoista voit:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>valita kynän värin, ruudun värin, viivan paksuuden ja askeleen pituuden</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>tyhjentää ruudun tai siirtää kynän satunnaiseen kohtaan</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>tallentaa lelun piirroksen BMP-tiedostoksi tai tulostaa sen sivun kokoisena</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>allekirjoittaa piirroksesi nimelläsi</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Portaat piirrettynä valkoisella lelun mustalle ruudulle</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>piirros on tyhjä</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>tulostin ei ilmoita aluetta, jolle voi tulostaa</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>piirrosta ei voi sovittaa sivulle</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>tulostin ei hyväksynyt sivua</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>tulostin ei ottanut asiakirjaa vastaan</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>tulostin ilmoitti virheestä</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>tähän tietokoneeseen ei ole asennettu tulostinta</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>mitään tulostinta ei ole valittu oletukseksi</translation>
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
        <translation>sitä voi vain lukea</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>kansiota %1 ei ole olemassa</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ei ole kansio</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>kansioon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>kohteeseen %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>piirros on tyhjä</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sen linkit kiertävät kehää</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>se on kansio</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>se vie kohteeseen %1, joka on kansio</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>se ei ole tavallinen tiedosto</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>se vie kohteeseen %1, joka ei ole tavallinen tiedosto</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>leikepöytää ei ole</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>leikepöytä ei ottanut piirrosta vastaan</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick latautuu…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick on suljettu.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Leiki uudestaan</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yritä uudestaan</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Ensimmäisellä käynnillä ladataan %1 Mt; sen jälkeen Scribblewick käynnistyy heti, myös ilman verkkoyhteyttä.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewickin lataus ei onnistunut (%1). Tarkista yhteys ja yritä sitten uudestaan.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>yhteys katkesi</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick ei käynnistynyt (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Tämä selain ei pysty käyttämään Scribblewickiä: siinä ei ole WebAssemblyä. Uudempi selain pystyy.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick ei voi piirtää tässä selaimessa: WebGL on poistettu käytöstä tai näytönohjaimen ajuri on estetty.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Käynnistyy…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick pysähtyi odottamatta (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick tarvitsee JavaScriptiä, ja se on poistettu käytöstä tässä selaimessa.</translation>
    </message>
</context>
</TS>

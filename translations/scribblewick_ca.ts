<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Digues el teu nom a Pemrod</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>El teu nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 ha fet aquest dibuix!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimeix</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Desa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Colors</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negre</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verd</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Groc</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Taronja</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>F&amp;ons</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Negre</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Sacseja</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Sacseja-ho ben fort!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Posa el llapis</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Posa&apos;l a l&apos;atzar</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Gruix</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Velocitat</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Més diversió</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Posa el teu nom</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Així es juga amb Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Quant a Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Desa el teu dibuix</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Dibuixa amb les fletxes, o amb les lletres i els números: A o 4 mou el llapis a l&apos;esquerra, D o 6 a la dreta, W o 8 amunt, X o 2 avall; la barra d&apos;espai esborra la pantalla.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Pantalla de dibuix</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mou a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mou a la dreta</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mou amunt</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mou avall</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>No s&apos;ha pogut copiar</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>No s&apos;ha pogut posar el dibuix al porta-retalls: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>No s&apos;ha pogut imprimir</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick no ha pogut imprimir: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>No s&apos;ha pogut imprimir el dibuix a «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Imatge BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>No s&apos;ha pogut desar</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>No s&apos;ha pogut desar el dibuix com a «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Quant a Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick t&apos;arriba gràcies a...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versió 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Un bull terrier blanc</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Així es juga amb Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Truc!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Amb el teclat vas més ràpid!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Tecles:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A o 4: el llapis va a l&apos;esquerra</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D o 6: el llapis va a la dreta</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W o 8: el llapis puja</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X o 2: el llapis baixa</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Prem la barra d&apos;espai i ho esborres tot!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>D&apos;acord, entès!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Joguina de dibuix</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Dibuixa amb dos botons giratoris en una joguina de dibuix vermella</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>dibuixar;dibuix;esbós;joguina;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick és una joguina de dibuix: una joguina vermella amb una pantalla negra i dos botons giratoris. Cada tecla que prems o cada clic d&apos;un botó mou el llapis un pas a l&apos;esquerra, a la dreta, amunt o avall, i deixa una línia recta al darrere.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Els seus menús et permeten:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>triar el color del llapis, el color de la pantalla, el gruix de la línia i la llargada del pas</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>esborrar la pantalla o posar el llapis en un lloc a l&apos;atzar</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>desar el dibuix de la joguina com a fitxer BMP o imprimir-lo ajustat a la pàgina</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>signar el dibuix amb el teu nom</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Una escala dibuixada en blanc a la pantalla negra de la joguina</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>el dibuix és buit</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>la impressora no indica cap zona on imprimir</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>el dibuix no es pot ajustar a la pàgina</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>la impressora no ha acceptat la pàgina</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>la impressora no ha agafat el document</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>la impressora ha avisat d&apos;un error</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>no hi ha cap impressora configurada en aquest ordinador</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>no hi ha cap impressora triada per defecte</translation>
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
        <translation>només es pot llegir</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existeix</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no és una carpeta</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>no es pot escriure a la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>no es pot escriure a %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>el dibuix és buit</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>els seus enllaços fan voltes en cercle</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>és una carpeta</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>porta a %1, que és una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>porta a %1, que no és un fitxer normal</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>no hi ha porta-retalls</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>el porta-retalls no ha agafat el dibuix</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>S&apos;està carregant Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick s&apos;ha acabat.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Torna a jugar</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>La primera visita baixa %1 MB; després Scribblewick s&apos;obre de seguida, fins i tot sense connexió.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>No s&apos;ha pogut baixar Scribblewick (%1). Comproveu la connexió i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>la connexió s&apos;ha tallat</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick no s&apos;ha pogut iniciar (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Aquest navegador no pot fer funcionar Scribblewick: no té WebAssembly. Un navegador més nou sí que pot.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick no pot dibuixar en aquest navegador: el WebGL està desactivat o el controlador gràfic està bloquejat.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>S&apos;està iniciant…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick s&apos;ha aturat de cop (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick necessita JavaScript, i aquest navegador el té desactivat.</translation>
    </message>
</context>
</TS>

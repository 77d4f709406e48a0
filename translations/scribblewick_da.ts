<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Sig dit navn til Pemrod</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dit navn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 har lavet det her!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>Far&amp;ver</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Hvid</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rød</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grøn</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turkis</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Baggrund</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Sort</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Grå</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Ryst</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Ryst den, skat!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Placer pennen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Et tilfældigt sted</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Tykkelse</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>H&amp;astighed</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Mere sjov</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Skriv dit navn</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Sådan leger du med Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Om Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Gem din tegning</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Tegn med piletasterne eller med bogstaver og tal: A eller 4 flytter pennen til venstre, D eller 6 til højre, W eller 8 op, X eller 2 ned; mellemrumstasten sletter skærmen.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Tegneskærm</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Flyt til venstre</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Flyt til højre</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Flyt op</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Flyt ned</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kunne ikke kopiere</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Tegningen kunne ikke lægges i udklipsholderen: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Kunne ikke udskrive</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick kunne ikke udskrive: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Tegningen kunne ikke udskrives på »%1«: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP-billede (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Kunne ikke gemme</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Tegningen kunne ikke gemmes som »%1«: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Om Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick er lavet af …</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Version 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>En hvid bullterrier</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Sådan leger du med Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tip!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Med tastaturet går det hurtigere!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Taster:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A eller 4: pennen til venstre</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D eller 6: pennen til højre</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W eller 8: pennen op</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X eller 2: pennen ned</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Tryk på mellemrumstasten, så er alt væk!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, forstået!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Tegnelegetøj</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Tegn med to drejeknapper på et rødt tegnelegetøj</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>tegne;tegning;skitse;legetøj;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick er et tegnelegetøj: et rødt legetøj med en sort skærm og to drejeknapper. Hvert tryk på en tast og hvert klik med en knap flytter pennen et skridt til venstre, højre, op eller ned og efterlader en lige streg.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>I menuerne kan du:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>vælge pennens farve, skærmens farve, stregens tykkelse og skridtets længde</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>viske skærmen ren eller placere pennen et tilfældigt sted</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>gemme legetøjets tegning som en BMP-fil eller udskrive den, så den fylder siden</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>skrive dit navn på din tegning</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>En trappe tegnet med hvidt på legetøjets sorte skærm</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>tegningen er tom</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>printeren melder intet område at udskrive på</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>tegningen kan ikke tilpasses siden</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>printeren accepterede ikke siden</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>printeren tog ikke imod dokumentet</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>printeren meldte en fejl</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>der er ingen printer sat op på denne computer</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>der er ikke valgt nogen printer som standard</translation>
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
        <translation>den kan kun læses</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mappen %1 findes ikke</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 er ikke en mappe</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>kan ikke skrive i mappen %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>kan ikke skrive til %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>tegningen er tom</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>dens genveje fører rundt i ring</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>det er en mappe</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>den fører til %1, som er en mappe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>det er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>den fører til %1, som ikke er en almindelig fil</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>der er ingen udklipsholder</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>udklipsholderen tog ikke imod tegningen</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Indlæser Scribblewick …</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick er slut.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Leg igen</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Første besøg henter %1 MB; derefter starter Scribblewick med det samme, også uden internet.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick kunne ikke hentes (%1). Tjek forbindelsen, og prøv så igen.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>forbindelsen blev afbrudt</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick kunne ikke starte (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Denne browser kan ikke køre Scribblewick: den har ikke WebAssembly. En nyere browser kan.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick kan ikke tegne i denne browser: WebGL er slået fra, eller grafikdriveren er blokeret.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starter …</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick stoppede uventet (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick skal bruge JavaScript, som er slået fra i denne browser.</translation>
    </message>
</context>
</TS>

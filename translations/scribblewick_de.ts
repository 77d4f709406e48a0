<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Sag Pemrod deinen Namen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 hat das gemalt!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
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
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Hi&amp;ntergrund</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Grau</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Schütteln</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Schüttel, schüttel!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Platzieren</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Irgendwohin</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Mehr Spaß</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Schreib deinen Namen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>So spielst du mit Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Über Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Speichere dein Bild</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Male mit den Pfeiltasten oder mit Buchstaben und Ziffern: A oder 4 bewegt den Stift nach links, D oder 6 nach rechts, W oder 8 nach oben, X oder 2 nach unten; die Leertaste löscht den Bildschirm.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Malbildschirm</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopieren hat nicht geklappt</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Das Bild konnte nicht in die Zwischenablage gelegt werden: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Drucken hat nicht geklappt</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Das Bild konnte nicht auf „%1“ gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP-Bild (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Speichern hat nicht geklappt</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick konnte nicht drucken: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Über Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick, gemacht von …</translation>
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
        <translation>Ein weißer Bullterrier</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>So spielst du mit Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Tipp!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Mit der Tastatur geht’s schneller!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Tasten:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A oder 4: Stift nach links</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D oder 6: Stift nach rechts</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W oder 8: Stift nach oben</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X oder 2: Stift nach unten</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Drück die Leertaste, dann ist alles weg!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Alles klar!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Malspielzeug</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Male mit zwei Drehknöpfen auf einem roten Malspielzeug</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>malen;zeichnen;skizze;spielzeug;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick ist ein Malspielzeug: ein rotes Spielzeug mit einem schwarzen Bildschirm und zwei Drehknöpfen. Jeder Tastendruck und jeder Klick an einem Drehknopf bewegt den Stift einen Schritt nach links, rechts, oben oder unten und hinterlässt eine gerade Linie.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>In seinen Menüs kannst du:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>die Farbe des Stifts, die Farbe des Bildschirms, die Strichbreite und die Schrittlänge wählen</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>den Bildschirm löschen oder den Stift irgendwohin setzen</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>das Bild des Spielzeugs als BMP-Datei speichern oder seitenfüllend drucken</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>dein Bild mit deinem Namen unterschreiben</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Eine Treppe, weiß auf den schwarzen Bildschirm des Spielzeugs gemalt</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>der Drucker meldet keinen Bereich zum Drucken</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>das Bild lässt sich nicht an die Seite anpassen</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>der Drucker hat die Seite nicht angenommen</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>der Drucker hat das Dokument nicht übernommen</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>der Drucker hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>auf diesem Computer ist kein Drucker eingerichtet</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>kein Drucker ist als Standard gewählt</translation>
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
        <translation>das ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>seine Verknüpfungen führen im Kreis herum</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>es verweist auf %1, und das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine normale Datei</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>es verweist auf %1, und das ist keine normale Datei</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>es gibt keine Zwischenablage</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>die Zwischenablage hat das Bild nicht angenommen</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick wird geladen …</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick ist beendet.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch mal spielen</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch mal versuchen</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Beim ersten Besuch werden %1 MB geladen; danach startet Scribblewick sofort, auch ohne Internet.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick konnte nicht geladen werden (%1). Bitte die Verbindung prüfen und es dann noch einmal versuchen.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>die Verbindung ist abgebrochen</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick konnte nicht starten (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Dieser Browser kann Scribblewick nicht ausführen: Ihm fehlt WebAssembly. Ein neuerer Browser kann es.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick kann in diesem Browser nicht malen: WebGL ist ausgeschaltet, oder der Grafiktreiber ist gesperrt.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick wurde unerwartet beendet (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick braucht JavaScript, und das ist in diesem Browser ausgeschaltet.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Di&apos; a Pemrod come ti chiami</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>L&apos;ha fatto %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Sfondo</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Nero</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Grigio</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>Sc&amp;uoti</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Scuoti, scuoti!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Sposta la &amp;matita</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>Sp&amp;essore</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Divertiti</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Scrivi il tuo nome</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Come si usa Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Tutto su Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Salva il tuo disegno</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Disegna con le frecce, o con le lettere e i numeri: A o 4 sposta la matita a sinistra, D o 6 a destra, W o 8 in su, X o 2 in giù; la barra spaziatrice cancella lo schermo.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Schermo da disegno</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta in su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta in giù</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Copia non riuscita</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Non è stato possibile mettere il disegno negli appunti: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Stampa non riuscita</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Non è stato possibile stampare il disegno su «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Immagine BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Non è stato possibile salvare il disegno come «%1»: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick non è riuscito a stampare: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Tutto su Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick è stato fatto da...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versione 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Un bull terrier bianco</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Come si usa Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Consiglio!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Con la tastiera giochi più veloce!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Tasti:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A o 4 sposta la matita a sinistra</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D o 6 sposta la matita a destra</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W o 8 sposta la matita in su</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X o 2 sposta la matita in giù</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Premi spazio per pulire Scribblewick!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, ho capito!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Gioco da disegno</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Disegna con due manopole su un gioco rosso da disegno</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>disegnare;disegno;gioco;scarabocchio;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick è un gioco da disegno: un gioco rosso con uno schermo nero e due manopole. Ogni tasto premuto o scatto di manopola sposta la matita di un passo a sinistra, a destra, in alto o in basso e si lascia dietro una linea dritta.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Dai suoi menu puoi:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>scegliere il colore della matita, il colore dello schermo, lo spessore della linea e la lunghezza del passo</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>cancellare lo schermo, o spostare la matita in un punto a caso</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>salvare il disegno del gioco come file BMP, o stamparlo a tutta pagina</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>firmare il tuo disegno con il tuo nome</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Una scala disegnata in bianco sullo schermo nero del gioco</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>il disegno è vuoto</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>la stampante non indica nessuna zona dove stampare</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>il disegno non si può adattare alla pagina</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>la stampante non ha accettato la pagina</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>la stampante non ha preso il documento</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>la stampante ha segnalato un errore</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>su questo computer non c&apos;è nessuna stampante</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nessuna stampante è scelta come predefinita</translation>
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
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>non si può scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>non si può scrivere su %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>il disegno è vuoto</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>i suoi collegamenti girano in tondo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>porta a %1, che è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>porta a %1, che non è un file normale</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>non ci sono gli appunti</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>gli appunti non hanno preso il disegno</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Caricamento di Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick è chiuso.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Gioca ancora</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>La prima visita scarica %1 MB; dopo, Scribblewick parte subito, anche senza connessione.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Non è stato possibile scaricare Scribblewick (%1). Controllare la connessione e riprovare.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>la connessione si è interrotta</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick non è riuscito a partire (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Questo browser non può avviare Scribblewick: non ha WebAssembly. Un browser più recente può.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick non può disegnare in questo browser: WebGL è disattivato, oppure il driver grafico è bloccato.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick si è fermato all&apos;improvviso (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick ha bisogno di JavaScript, che in questo browser è disattivato.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Dile a Pemrod tu nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>¡Esto lo hizo %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Sacudir</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>¡&amp;Sacude, sacude!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Poner el lápiz</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>En cualquier lugar</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Grosor</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Rapidez</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Diversión</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Pon tu nombre</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>¡Cómo se usa Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Sobre Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Guarda tu dibujo</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Dibuja con las flechas, o con las letras y los números: A o 4 mueve el lápiz a la izquierda, D o 6 a la derecha, W u 8 hacia arriba, X o 2 hacia abajo; la barra espaciadora borra la pantalla.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>¡Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Pantalla de dibujo</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover hacia arriba</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover hacia abajo</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>No se pudo copiar</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>No se pudo poner el dibujo en el portapapeles: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>No se pudo imprimir</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>No se pudo imprimir el dibujo en «%1»: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Imagen BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar el dibujo como «%1»: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick no pudo imprimir: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>¡Todo sobre Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick está hecho por...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versión 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Un bull terrier blanco</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>¡Cómo se usa Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>¡Consejo!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>¡Con el teclado juegas más rápido!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A o 4 mueve el lápiz a la izquierda</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D o 6 mueve el lápiz a la derecha</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W u 8 mueve el lápiz hacia arriba</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X o 2 mueve el lápiz hacia abajo</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>¡Pulsa espacio para limpiar Scribblewick!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>¡OK, entendido!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Juguete de dibujo</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Dibuja con dos ruedas en un juguete rojo de dibujo</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>dibujar;dibujo;juguete;garabato;pintar;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick es un juguete de dibujo: un juguete rojo con una pantalla negra y dos ruedas. Cada tecla que pulsas o cada clic de una rueda mueve el lápiz un paso a la izquierda, a la derecha, arriba o abajo y deja detrás una línea recta.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Sus menús te permiten:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>elegir el color del lápiz, el color de la pantalla, el grosor de la línea y el largo del paso</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>borrar la pantalla o poner el lápiz en cualquier lugar al azar</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>guardar el dibujo del juguete como archivo BMP o imprimirlo ajustado a la página</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>firmar tu dibujo con tu nombre</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Una escalera dibujada en blanco en la pantalla negra del juguete</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>el dibujo está vacío</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>la impresora no indica ninguna zona donde imprimir</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>el dibujo no se puede ajustar a la página</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>la impresora no aceptó la página</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>la impresora no recibió el documento</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>la impresora avisó de un error</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>no hay ninguna impresora instalada en este equipo</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>no hay ninguna impresora elegida como predeterminada</translation>
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
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>el dibujo está vacío</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sus enlaces dan vueltas en círculo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>lleva a %1, que es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un fichero normal</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>lleva a %1, que no es un fichero normal</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>no hay portapapeles</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>el portapapeles no aceptó el dibujo</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Cargando Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick se ha cerrado.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Intentar otra vez</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>La primera visita descarga %1 MB; después Scribblewick se abre enseguida, incluso sin conexión.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>No se pudo descargar Scribblewick (%1). Hay que comprobar la conexión y volver a intentarlo.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>se cortó la conexión</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick no pudo arrancar (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Este navegador no puede abrir Scribblewick: no tiene WebAssembly. Un navegador más nuevo sí puede.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick no puede dibujar en este navegador: WebGL está desactivado o el controlador de gráficos está bloqueado.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Arrancando…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick se detuvo de repente (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick necesita JavaScript, y este navegador lo tiene desactivado.</translation>
    </message>
</context>
</TS>

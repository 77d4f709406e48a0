<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Dis ton nom à Pemrod</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 a fait ce dessin&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Q&amp;uitter</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
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
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>F&amp;ond</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Secouer</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Secoue, secoue&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Placer</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>Épa&amp;isseur</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Bonus</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Ajoute ton nom</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Comment jouer avec Scribblewick&#xa0;?</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>À propos de Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Enregistre ton dessin</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Dessine avec les flèches du clavier, ou avec les lettres et les chiffres&#xa0;: A ou 4 déplace le crayon à gauche, D ou 6 à droite, W ou 8 en haut, X ou 2 en bas&#xa0;; la barre d’espace efface l’écran.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick&#xa0;!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Écran de dessin</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Aller en haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Aller en bas</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Copie impossible</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Le dessin n’a pas pu être mis dans le presse-papiers&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Impression impossible</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Le dessin n’a pas pu être imprimé sur «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Image BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Enregistrement impossible</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Le dessin n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick n’a pas pu imprimer&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>À propos de Scribblewick&#xa0;!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick a été fait par…</translation>
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
        <translation>Un bull terrier blanc</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Comment jouer avec Scribblewick&#xa0;?</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Astuce&#xa0;!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Avec le clavier, ça va plus vite&#xa0;!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Touches&#xa0;:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A ou 4&#xa0;: le crayon va à gauche</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D ou 6&#xa0;: le crayon va à droite</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W ou 8&#xa0;: le crayon monte</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X ou 2&#xa0;: le crayon descend</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Tape sur la barre d’espace pour tout effacer&#xa0;!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, j’ai compris&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Jouet à dessiner</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Dessine avec deux boutons sur un jouet à dessiner rouge</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>dessin;dessiner;croquis;jouet;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick est un jouet à dessiner&#xa0;: un jouet rouge avec un écran noir et deux boutons. Chaque touche pressée ou chaque cran d’un bouton déplace le crayon d’un pas vers la gauche, la droite, le haut ou le bas, et laisse derrière lui un trait droit.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Ses menus te permettent de&#xa0;:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>choisir la couleur du crayon, la couleur de l’écran, l’épaisseur du trait et la longueur du pas</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>effacer l’écran, ou poser le crayon quelque part au hasard</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>enregistrer le dessin du jouet dans un fichier BMP, ou l’imprimer à la taille de la page</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>signer ton dessin de ton nom</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Un escalier dessiné en blanc sur l’écran noir du jouet</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>le dessin est vide</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>l’imprimante n’indique aucune zone où imprimer</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>le dessin ne peut pas être mis à la taille de la page</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>l’imprimante n’a pas accepté la page</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>l’imprimante n’a pas pris le document</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>l’imprimante a signalé une erreur</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>aucune imprimante n’est installée sur cet ordinateur</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>aucune imprimante n’est choisie par défaut</translation>
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
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>impossible d’écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>le dessin est vide</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ses liens tournent en rond</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>c’est un lien vers %1, qui est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>c’est un lien vers %1, qui n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>il n’y a pas de presse-papiers</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>le presse-papiers n’a pas pris le dessin</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Chargement de Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick est terminé.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>La première visite télécharge %1 Mo&#xa0;; ensuite, Scribblewick démarre tout de suite, même hors ligne.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Impossible de télécharger Scribblewick (%1). Vérifiez la connexion, puis réessayez.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>la connexion a été coupée</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Impossible de démarrer Scribblewick (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Ce navigateur ne peut pas faire tourner Scribblewick&#xa0;: il n’a pas WebAssembly. Un navigateur plus récent le peut.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick ne peut pas dessiner dans ce navigateur&#xa0;: WebGL est désactivé, ou le pilote graphique est bloqué.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick s’est arrêté sans prévenir (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick a besoin de JavaScript, qui est désactivé dans ce navigateur.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text to show: &quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;. Qt lays out every window by it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>it is read-only</source>
        <extracomment>Said of a file or of a folder, after &quot;cannot write to %1:&quot; or &quot;cannot write in the folder %1:&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Powiedz Pemrodowi, jak masz na imię</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Kto to narysował? %1!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Tło</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Czarne</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Szare</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>Pot&amp;rząśnij</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Potrząśnij mną, no dalej!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>Przenieś &amp;ołówek</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>W losowe miejsce</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Grubość</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Szybkość</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Więcej zabawy</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Podpisz rysunek</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Jak grać w Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>O zabawce Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Zapisz swój rysunek</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Rysuj strzałkami albo literami i cyframi: A lub 4 przesuwa ołówek w lewo, D lub 6 – w prawo, W lub 8 – w górę, X lub 2 – w dół; spacja czyści ekran.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Ekran do rysowania</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Nie udało się skopiować</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Nie udało się włożyć rysunku do schowka: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Nie udało się wydrukować</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick nie mógł drukować: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Nie udało się wydrukować rysunku na „%1”: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Obrazek BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Nie udało się zapisać</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Nie udało się zapisać rysunku jako „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>O zabawce Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Zabawkę zrobił dla ciebie...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Wersja 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Biały bulterier</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Jak grać w Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Wskazówka!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Z klawiaturą grasz szybciej!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Klawisze:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A lub 4 – ołówek w lewo</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D lub 6 – ołówek w prawo</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W lub 8 – ołówek w górę</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X lub 2 – ołówek w dół</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Naciśnij spację, a wszystko zniknie!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Jasne, już wiem!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Zabawka do rysowania</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Rysuj dwoma pokrętłami na czerwonej zabawce do rysowania</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>rysować;rysunek;szkic;zabawka;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick to zabawka do rysowania: czerwona zabawka z czarnym ekranem i dwoma pokrętłami. Każde naciśnięcie klawisza albo kliknięcie pokrętła przesuwa ołówek o jeden krok w lewo, w prawo, w górę lub w dół i zostawia za nim prostą linię.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>W jej menu możesz:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>wybrać kolor ołówka, kolor ekranu, grubość linii i długość kroku</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>wyczyścić ekran albo przenieść ołówek w losowe miejsce</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>zapisać rysunek z zabawki jako plik BMP albo wydrukować go na całą stronę</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>podpisać swój rysunek swoim imieniem</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Schodki narysowane na biało na czarnym ekranie zabawki</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>rysunek jest pusty</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>drukarka mówi, że nie ma gdzie drukować</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>rysunku nie da się dopasować do strony</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>drukarka nie przyjęła strony</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>drukarka nie wzięła dokumentu</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>drukarka zgłosiła błąd</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>na tym komputerze nie zainstalowano żadnej drukarki</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nie wybrano drukarki domyślnej</translation>
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
        <translation>można go tylko czytać</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>katalog %1 nie istnieje</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest katalogiem</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>nie można zapisać w katalogu %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>nie można zapisać do %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>rysunek jest pusty</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>dowiązania prowadzą w kółko</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>prowadzi do %1, a to jest katalog</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>prowadzi do %1, a to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>nie ma schowka</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>schowek nie przyjął rysunku</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Wczytywanie Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Zabawa w Scribblewick się skończyła.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Zagraj jeszcze raz</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Spróbuj jeszcze raz</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>Przy pierwszej wizycie pobiera się %1 MB; potem Scribblewick uruchamia się od razu, nawet bez internetu.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Nie udało się pobrać Scribblewick (%1). Proszę sprawdzić połączenie i spróbować jeszcze raz.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>połączenie zostało przerwane</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Nie udało się uruchomić Scribblewick (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Ta przeglądarka nie uruchomi Scribblewick: nie ma WebAssembly. Nowsza przeglądarka to potrafi.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick nie może rysować w tej przeglądarce: WebGL jest wyłączony albo sterownik grafiki jest zablokowany.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick nagle się zatrzymał (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick potrzebuje JavaScriptu, który w tej przeglądarce jest wyłączony.</translation>
    </message>
</context>
</TS>

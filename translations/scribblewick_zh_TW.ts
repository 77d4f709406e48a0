<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>告訴 Pemrod 你的名字</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>這是 %1 畫的！</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>離開(&amp;X)</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>筆的顏色(&amp;C)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>桃紅色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橘色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>水藍色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>背景顏色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>黑色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>灰色(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>搖一搖(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>用力搖，擦光光！(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>筆的位置(&amp;P)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>隨便放</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>粗細(&amp;W)</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>速度(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>更好玩(&amp;M)</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>寫上你的名字</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>怎麼玩 Scribblewick！</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>關於 Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>儲存你的畫</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>用方向鍵畫畫，也可以用字母和數字鍵：A 或 4 讓筆往左走，D 或 6 往右，W 或 8 往上，X 或 2 往下；按空白鍵會把螢幕擦乾淨。</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>畫畫的螢幕</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>往左走</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>往右走</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>往上走</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>往下走</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>沒辦法複製</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>沒辦法把畫放到剪貼簿上：%1。</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>沒辦法列印</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick 沒辦法列印：%1。</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>沒辦法用「%1」列印這張畫：%2。</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>點陣圖 (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>沒辦法儲存</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>沒辦法把畫儲存成「%1」：%2。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>關於 Scribblewick！</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>送你 Scribblewick 的是……</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>版本 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>一隻白色的牛頭梗</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>怎麼玩 Scribblewick！</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>小提示！</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>用鍵盤玩得更快！</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>按鍵：</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A 或 4 讓筆往左走</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D 或 6 讓筆往右走</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W 或 8 讓筆往上走</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X 或 2 讓筆往下走</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>按空白鍵，把 Scribblewick 擦乾淨！</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>好，我知道了！</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>畫畫玩具</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>用兩個旋鈕在紅色畫畫玩具上畫畫</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>畫畫;繪圖;塗鴉;玩具;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick 是一個畫畫玩具：紅色的玩具上有一塊黑色螢幕和兩個旋鈕。每按一下鍵，或把旋鈕轉一格，筆就往左、右、上或下走一步，並在後面留下一條直線。</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>在它的選單裡，你可以：</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>選擇筆的顏色、螢幕的顏色、線的粗細和每一步的長度</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>把螢幕擦乾淨，或把筆隨便放到一個地方</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>把玩具上的畫儲存成 BMP 檔，或配合紙張大小列印出來</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>在你的畫上簽上你的名字</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>在玩具的黑色螢幕上用白色畫出的樓梯</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>畫是空白的</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>印表機說紙上沒有可以列印的地方</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>畫沒辦法縮放成紙張的大小</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>印表機不接受這一頁</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>印表機沒有收下要列印的文件</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>印表機回報發生錯誤</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>這台電腦沒有安裝印表機</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>沒有選好預設的印表機</translation>
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
        <translation>它只能讀取，不能寫入</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>資料夾 %1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是資料夾</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>沒辦法寫入資料夾 %1：%2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>沒辦法寫入 %1：%2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>畫是空白的</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>它的連結繞成了一個圈</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一個資料夾</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>它指向 %1，那是一個資料夾</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般的檔案</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>它指向 %1，那不是一般的檔案</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>沒有剪貼簿</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>剪貼簿沒有收下這張畫</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>正在載入 Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick 已經關閉了。</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>第一次造訪要下載 %1 MB；之後就算沒有網路，Scribblewick 也能馬上開啟。</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>沒辦法下載 Scribblewick（%1）。請檢查網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>連線中斷了</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick 沒辦法啟動（%1）。</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>這個瀏覽器沒辦法執行 Scribblewick：它沒有 WebAssembly。換個新一點的瀏覽器就可以。</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick 沒辦法在這個瀏覽器裡畫畫：WebGL 被關掉了，或是顯示卡驅動程式被封鎖了。</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>正在啟動…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick 突然停下來了（%1）。</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick 需要 JavaScript，但這個瀏覽器把它關掉了。</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>告诉 Pemrod 你的名字</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>这是 %1 画的！</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>笔的颜色(&amp;C)</translation>
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
        <translation>红色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>背景颜色(&amp;B)</translation>
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
        <translation>摇一摇(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>摇呀摇，擦光光！(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>笔的位置(&amp;P)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随便放</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>粗细(&amp;W)</translation>
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
        <translation>写上你的名字</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>怎么玩 Scribblewick！</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>关于 Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>保存你的画</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>用方向键画画，也可以用字母和数字键：A 或 4 让笔往左走，D 或 6 往右，W 或 8 往上，X 或 2 往下；按空格键把屏幕擦干净。</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>画画的屏幕</translation>
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
        <translation>没能复制</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>画没能放到剪贴板上：%1。</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>没能打印</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>画没能在“%1”上打印出来：%2。</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>位图图片 (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>没能保存</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>画没能保存为“%1”：%2。</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick 没能打印：%1。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>关于 Scribblewick！</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>做出 Scribblewick 的是……</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>版本 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>一只白色的牛头梗</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>怎么玩 Scribblewick！</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>小提示！</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>用键盘玩得更快！</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>按键：</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A 或 4 让笔往左走</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D 或 6 让笔往右走</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W 或 8 让笔往上走</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X 或 2 让笔往下走</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>按空格键，把 Scribblewick 擦干净！</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>好的，我懂啦！</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>画画玩具</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>用两个旋钮在红色画画玩具上画画</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>画画;绘图;涂鸦;玩具;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick 是一个画画玩具：红色的玩具上有一块黑色屏幕和两个旋钮。每按一下键，或者把旋钮转一格，笔就向左、右、上或下走一步，并在身后留下一条直线。</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>在它的菜单里，你可以：</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>选择笔的颜色、屏幕的颜色、线的粗细和每一步的长度</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>擦掉屏幕，或者把笔随便放到一个地方</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>把玩具上的画保存成 BMP 文件，或者按纸张大小打印出来</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>在你的画上签上你的名字</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>在玩具的黑色屏幕上用白色画出的楼梯</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>画是空的</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>打印机说纸上没有能打印的地方</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>画没法缩放到纸的大小</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>打印机不接受这一页</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>打印机没有收下要打印的内容</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>打印机报告出错了</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>这台电脑上没有装打印机</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>没有选好默认的打印机</translation>
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
        <translation>它是只读的，不能改写</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>不能写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>不能写入 %1：%2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>画是空的</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>它的链接绕成了一个圈</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>它指向 %1，那是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>它指向 %1，那不是普通文件</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>没有剪贴板</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>剪贴板没有收下这幅画</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>正在加载 Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick 已经关闭了。</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再试一次</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>第一次访问要下载 %1 MB；以后即使没有网络，Scribblewick 也能马上打开。</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>没能下载 Scribblewick（%1）。请检查网络连接，然后再试一次。</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>连接断了</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick 没能启动（%1）。</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>这个浏览器运行不了 Scribblewick：它没有 WebAssembly。换个新一点的浏览器就可以。</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick 没法在这个浏览器里画画：WebGL 被关掉了，或者显卡驱动被屏蔽了。</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>正在启动…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick 突然停下了（%1）。</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick 需要 JavaScript，但这个浏览器把它关掉了。</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Pemrod に名前をおしえてね</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>きみの名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 がかいたよ！</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>いんさつ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>おわる(&amp;X)</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>ペンの色(&amp;C)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>くろ</translation>
    </message>
    <message>
        <source>White</source>
        <translation>しろ</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>あか</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>あお</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>みどり</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>きいろ</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>あかむらさき</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>みずいろ</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>はいいろ</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>がめん(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>くろ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>はいいろ(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>ふる(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>シャカシャカふって、まっさら！(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>ペンのばしょ(&amp;P)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>どこかにポン</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>ふとさ(&amp;W)</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>はやさ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>おまけ(&amp;M)</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>名前をかく</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>ヘルプ(&amp;A)</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick のあそびかた！</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Scribblewick について</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>絵を保存する</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>やじるしキーか、文字と数字のキーでかけます。A か 4 でペンが左へ、D か 6 で右へ、W か 8 で上へ、X か 2 で下へうごきます。スペースキーで画面がまっさらになります。</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>おえかき画面</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左へうごく</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へうごく</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へうごく</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へうごく</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>コピーできませんでした</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>絵をクリップボードに入れられませんでした：%1。</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>いんさつできませんでした</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>絵を「%1」でいんさつできませんでした：%2。</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>ビットマップ画像 (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>絵を「%1」として保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick はいんさつできませんでした：%1。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Scribblewick について！</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick をつくったのは…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>バージョン 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>白いブルテリア</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick のあそびかた！</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>ヒント！</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>キーボードならもっとはやい！</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>つかうキー：</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A か 4 でペンが左へ</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D か 6 でペンが右へ</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W か 8 でペンが上へ</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X か 2 でペンが下へ</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>スペースキーで Scribblewick をまっさらに！</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK、わかった！</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>おえかきおもちゃ</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>赤いおえかきおもちゃで、2つのつまみをまわして絵をかこう</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>おえかき;お絵かき;スケッチ;おもちゃ;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick は、黒いがめんと2つのつまみがある、赤いおえかきおもちゃです。キーをおすたび、またはつまみを1目もりまわすたびに、ペンが左・右・上・下へ1歩うごき、うしろにまっすぐな線をのこします。</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>メニューでできること：</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>ペンの色、がめんの色、線のふとさ、1歩の長さをえらぶ</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>がめんをけす、またはペンをどこかにポンとおく</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>おもちゃの絵を BMP ファイルに保存する、またはページに合わせていんさつする</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>自分の絵に名前でサインする</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>おもちゃの黒いがめんに白でかいた、かいだん</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>絵がからっぽです</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>プリンターが、いんさつできるところがないと言っています</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>絵を紙の大きさに合わせられません</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>プリンターがページを受け取りませんでした</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>プリンターがいんさつするものを受け取りませんでした</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>プリンターがエラーを知らせてきました</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>このコンピューターにはプリンターがありません</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>いつも使うプリンターがえらばれていません</translation>
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
        <translation>読むことしかできません</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダ %1 がありません</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダではありません</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>フォルダ %1 に書きこめません：%2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>%1 に書きこめません：%2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>絵がからっぽです</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>リンクがぐるぐる回っていて、先に進めません</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>リンク先の %1 はフォルダです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ふつうのファイルではありません</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>リンク先の %1 はふつうのファイルではありません</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>クリップボードがありません</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>クリップボードが絵を受け取りませんでした</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick をよみこんでいます…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick をおわりました。</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>もういちどあそぶ</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>もういちどためす</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>はじめての訪問では %1 MB をダウンロードします。そのあとは、オフラインでも Scribblewick がすぐにはじまります。</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick をダウンロードできませんでした（%1）。接続をたしかめてから、もういちどためしてください。</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>接続がとぎれました</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick をはじめられませんでした（%1）。</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>このブラウザーでは Scribblewick をうごかせません。WebAssembly がないためです。新しいブラウザーならうごきます。</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>このブラウザーでは Scribblewick が絵をかけません。WebGL がオフになっているか、グラフィックドライバーがブロックされています。</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>はじめています…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick がとつぜんとまりました（%1）。</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick には JavaScript がひつようですが、このブラウザーではオフになっています。</translation>
    </message>
</context>
</TS>

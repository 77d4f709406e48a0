<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Pemrod’a adını söyle</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Adın</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>Bunu %1 çizdi!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ç&amp;ıkış</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Renkler</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turkuaz</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Zemin</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Siyah</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gri</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Salla</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Salla bakalım!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Yerleştir</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Rastgele</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Kalınlık</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Hız</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Eğlence</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Adını yaz</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Bilgi</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick nasıl oynanır?</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Scribblewick hakkında</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Resmini kaydet</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Ok tuşlarıyla ya da harf ve rakamlarla çiz: A ya da 4 kalemi sola, D ya da 6 sağa, W ya da 8 yukarı, X ya da 2 aşağı götürür; boşluk tuşu ekranı siler.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Çizim ekranı</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sola git</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sağa git</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Yukarı git</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Aşağı git</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Kopyalanamadı</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Resim panoya konamadı: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Yazdırılamadı</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Resim “%1” yazıcısında yazdırılamadı: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>BMP resmi (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Kaydedilemedi</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Resim “%1” olarak kaydedilemedi: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick yazdıramadı: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Scribblewick hakkında!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick’i yapan…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Sürüm 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Beyaz bir bulteriyer</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick nasıl oynanır?</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>İpucu!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Klavyeyle daha hızlı oynarsın!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Tuşlar:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A ya da 4: kalem sola gider</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D ya da 6: kalem sağa gider</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W ya da 8: kalem yukarı gider</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X ya da 2: kalem aşağı gider</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Her şeyi silmek için boşluk tuşuna bas!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>Tamam, anladım!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Çizim Oyuncağı</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Kırmızı bir çizim oyuncağında iki düğmeyle çiz</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>çiz;çizim;karalama;oyuncak;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick bir çizim oyuncağıdır: siyah ekranlı ve iki düğmeli kırmızı bir oyuncak. Her tuşa basış ya da düğmenin her tıkı kalemi bir adım sola, sağa, yukarı ya da aşağı götürür ve arkasında düz bir çizgi bırakır.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Menülerinden şunları yapabilirsin:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>kalemin rengini, ekranın rengini, çizginin kalınlığını ve adımın uzunluğunu seçmek</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>ekranı silmek ya da kalemi rastgele bir yere koymak</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>oyuncağın resmini BMP dosyası olarak kaydetmek ya da sayfaya sığacak şekilde yazdırmak</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>resmini adınla imzalamak</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Oyuncağın siyah ekranına beyazla çizilmiş bir merdiven</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>resim boş</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>yazıcı yazdırılacak bir alan bildirmiyor</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>resim sayfaya sığdırılamıyor</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>yazıcı sayfayı kabul etmedi</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>yazıcı belgeyi almadı</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>yazıcı bir hata bildirdi</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>bu bilgisayarda kurulu yazıcı yok</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>varsayılan yazıcı seçilmemiş</translation>
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
        <translation>salt okunur</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>%1 klasörü yok</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 bir klasör değil</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>%1 klasörüne yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>%1 dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>resim boş</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>bağlantıları dönüp dolaşıp kendine çıkıyor</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>bu bir klasör</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>%1 konumuna gidiyor, o da bir klasör</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>bu normal bir dosya değil</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>%1 konumuna gidiyor, o da normal bir dosya değil</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>pano yok</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>pano resmi almadı</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick yükleniyor…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick kapandı.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Yeniden oyna</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>İlk ziyarette %1 MB indirilir; sonra Scribblewick, internet olmasa bile hemen açılır.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick indirilemedi (%1). Lütfen bağlantıyı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>bağlantı koptu</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick başlatılamadı (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Bu tarayıcı Scribblewick’i çalıştıramaz: WebAssembly’si yok. Daha yeni bir tarayıcı çalıştırabilir.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>Scribblewick bu tarayıcıda çizemiyor: WebGL kapalı ya da grafik sürücüsü engellenmiş.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Başlatılıyor…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick beklenmedik bir şekilde durdu (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick’in JavaScript’e ihtiyacı var, ama bu tarayıcıda kapalı.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>펨로드에게 이름을 알려 주세요</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 작품이야!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>펜 색깔(&amp;C)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>진분홍색</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>주황색</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>배경색(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>검은색(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>회색(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>흔들기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>흔들어 흔들어, 싹 지워!(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>펜 놓기(&amp;P)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>아무 데나</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>굵기(&amp;W)</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>속도(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>더 재미있게(&amp;M)</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>이름 쓰기</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>도움말(&amp;A)</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick 놀이 방법!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Scribblewick 소개</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>그림 저장하기</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>화살표 키로 그리거나 글자 키와 숫자 키로 그려요. A 또는 4 키는 펜을 왼쪽으로, D 또는 6 키는 오른쪽으로, W 또는 8 키는 위로, X 또는 2 키는 아래로 움직여요. 스페이스 바를 누르면 화면이 지워져요.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>그림 화면</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>왼쪽으로 가기</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>오른쪽으로 가기</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>위로 가기</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>아래로 가기</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>복사하지 못했어요</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>그림을 클립보드에 넣지 못했어요: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>인쇄하지 못했어요</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>Scribblewick에서 인쇄하지 못했어요: %1.</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>“%1” 프린터로 그림을 인쇄하지 못했어요: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>비트맵 그림 (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>저장하지 못했어요</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>그림을 “%1” 파일로 저장하지 못했어요: %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Scribblewick 소개!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick을 만든 친구는...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>버전 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>하얀 불테리어</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Scribblewick 놀이 방법!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>꿀팁!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>키보드로 하면 더 빨라요!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>쓰는 키:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A 또는 4 키: 펜이 왼쪽으로</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D 또는 6 키: 펜이 오른쪽으로</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W 또는 8 키: 펜이 위로</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X 또는 2 키: 펜이 아래로</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>스페이스 바를 누르면 Scribblewick이 깨끗해져요!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>좋아, 알았어!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>그림 그리기 장난감</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>다이얼 두 개를 돌려 그림을 그리는 빨간 장난감</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>그림;그리기;스케치;장난감;낙서;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick은 그림 그리기 장난감이에요. 검은 화면과 다이얼 두 개가 달린 빨간 장난감이에요. 키를 한 번 누르거나 다이얼을 한 칸 돌릴 때마다 펜이 왼쪽, 오른쪽, 위, 아래로 한 걸음씩 움직이며 뒤에 곧은 선을 남겨요.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>메뉴에서 할 수 있는 일:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>펜 색깔, 화면 색깔, 선 굵기, 한 걸음의 길이 고르기</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>화면 지우기, 또는 펜을 아무 데나 놓기</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>장난감의 그림을 BMP 파일로 저장하거나 종이에 꽉 차게 인쇄하기</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>내 그림에 이름으로 서명하기</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>장난감의 검은 화면에 흰색으로 그린 계단</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>그림이 비어 있어요</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>프린터가 종이에 인쇄할 수 있는 곳이 없대요</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>그림을 종이 크기에 맞출 수 없어요</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>프린터가 페이지를 받지 않았어요</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>프린터가 인쇄할 문서를 받지 않았어요</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>프린터에 오류가 났대요</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>이 컴퓨터에 설치된 프린터가 없어요</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>기본 프린터가 정해져 있지 않아요</translation>
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
        <translation>읽기만 할 수 있어요</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>%1 폴더가 없어요</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 경로는 폴더가 아니에요</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>%1 폴더에 쓸 수 없어요: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>%1 파일에 쓸 수 없어요: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>그림이 비어 있어요</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>링크가 빙글빙글 돌기만 해요</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>파일이 아니라 폴더예요</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>링크가 가리키는 %1 경로는 폴더예요</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>보통 파일이 아니에요</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>링크가 가리키는 %1 경로는 보통 파일이 아니에요</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>클립보드가 없어요</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>클립보드가 그림을 받지 않았어요</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Scribblewick을 불러오는 중…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>Scribblewick이 끝났어요.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>다시 놀기</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 해 보기</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>처음 방문할 때 %1 MB를 내려받아요. 그다음부터는 인터넷이 없어도 Scribblewick이 바로 시작돼요.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Scribblewick을 내려받지 못했어요(%1). 인터넷 연결을 확인한 뒤 다시 해 보세요.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Scribblewick을 시작하지 못했어요(%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>이 브라우저에서는 Scribblewick을 실행할 수 없어요. WebAssembly가 없어요. 더 새로운 브라우저에서는 돼요.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>이 브라우저에서는 Scribblewick이 그림을 그릴 수 없어요. WebGL이 꺼져 있거나 그래픽 드라이버가 막혀 있어요.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>시작하는 중…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>Scribblewick이 갑자기 멈췄어요(%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>Scribblewick을 쓰려면 JavaScript가 필요한데, 이 브라우저에서는 꺼져 있어요.</translation>
    </message>
</context>
</TS>

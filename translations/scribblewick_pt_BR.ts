<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Dialog1</name>
    <message>
        <source>Tell Pemrod Your Name</source>
        <translation>Diga seu nome ao Pemrod</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 Made This!</source>
        <extracomment>The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).</extracomment>
        <translation>%1 fez isto!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Pen &amp;Colors</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Fundo</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Preto</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Cinza</translation>
    </message>
    <message>
        <source>&amp;Shake</source>
        <translation>&amp;Sacudir</translation>
    </message>
    <message>
        <source>&amp;Shake It Baby!</source>
        <translation>&amp;Sacuda tudo!</translation>
    </message>
    <message>
        <source>&amp;Place Pen</source>
        <translation>&amp;Pôr o lápis</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Em qualquer lugar</translation>
    </message>
    <message>
        <source>Pen &amp;Width</source>
        <translation>&amp;Grossura</translation>
    </message>
    <message>
        <source>Pen &amp;Velocity</source>
        <translation>&amp;Rapidez</translation>
    </message>
    <message>
        <source>&amp;More Fun</source>
        <translation>&amp;Diversão</translation>
    </message>
    <message>
        <source>Add Your Name</source>
        <translation>Escreva seu nome</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Como usar o Scribblewick!</translation>
    </message>
    <message>
        <source>About Scribblewick</source>
        <translation>Sobre o Scribblewick</translation>
    </message>
    <message>
        <source>Save Your Bitmap</source>
        <translation>Salve seu desenho</translation>
    </message>
    <message>
        <source>Draw with the arrow keys, or with the letters and digits: A or 4 moves the pen left, D or 6 right, W or 8 up, X or 2 down; the space bar erases the screen.</source>
        <translation>Desenhe com as setas, ou com as letras e os números: A ou 4 move o lápis para a esquerda, D ou 6 para a direita, W ou 8 para cima, X ou 2 para baixo; a barra de espaço apaga a tela.</translation>
    </message>
    <message>
        <source>Scribblewick!</source>
        <translation>Scribblewick!</translation>
    </message>
    <message>
        <source>Drawing screen</source>
        <translation>Tela de desenho</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Could not copy</source>
        <translation>Não deu para copiar</translation>
    </message>
    <message>
        <source>The picture could not be put on the clipboard: %1.</source>
        <translation>Não deu para colocar o desenho na área de transferência: %1.</translation>
    </message>
    <message>
        <source>Could not print</source>
        <translation>Não deu para imprimir</translation>
    </message>
    <message>
        <source>The picture could not be printed on “%1”: %2.</source>
        <translation>Não deu para imprimir o desenho em “%1”: %2.</translation>
    </message>
    <message>
        <source>Bitmap Image (*.bmp)</source>
        <extracomment>The one file type of the save dialog: keep &quot;(*.bmp)&quot; as it is.</extracomment>
        <translation>Imagem BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Não deu para salvar</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2.</source>
        <translation>Não deu para salvar o desenho como “%1”: %2.</translation>
    </message>
    <message>
        <source>Scribblewick could not print: %1.</source>
        <translation>O Scribblewick não conseguiu imprimir: %1.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Scribblewick!</source>
        <translation>Tudo sobre o Scribblewick!</translation>
    </message>
    <message>
        <source>Scribblewick is brought to you by...</source>
        <translation>Scribblewick foi feito por...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Versão 1.2</translation>
    </message>
    <message>
        <source>A white bull terrier</source>
        <translation>Um bull terrier branco</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>How to use Scribblewick!</source>
        <translation>Como usar o Scribblewick!</translation>
    </message>
    <message>
        <source>Tip!</source>
        <translation>Dica!</translation>
    </message>
    <message>
        <source>Use the keyboard for faster play!</source>
        <translation>Com o teclado é mais rápido!</translation>
    </message>
    <message>
        <source>Keystrokes:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>A or 4 moves pen left</source>
        <extracomment>The keys are the keys on the keyboard: keep the letter and the digit as they are.</extracomment>
        <translation>A ou 4 move o lápis para a esquerda</translation>
    </message>
    <message>
        <source>D or 6 moves pen right</source>
        <translation>D ou 6 move o lápis para a direita</translation>
    </message>
    <message>
        <source>W or 8 moves pen up</source>
        <translation>W ou 8 move o lápis para cima</translation>
    </message>
    <message>
        <source>X or 2 moves pen down</source>
        <translation>X ou 2 move o lápis para baixo</translation>
    </message>
    <message>
        <source>Hit the space bar to reset Scribblewick!</source>
        <translation>Aperte espaço para limpar o Scribblewick!</translation>
    </message>
    <message>
        <source>OK, I Got It!</source>
        <translation>OK, entendi!</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>Drawing Toy</source>
        <extracomment>The desktop menu&apos;s name for the kind of program.</extracomment>
        <translation>Brinquedo de desenho</translation>
    </message>
    <message>
        <source>Draw with two knobs on a red drawing toy</source>
        <extracomment>One line under the toy&apos;s name in the desktop menu and the software centre.</extracomment>
        <translation>Desenhe com dois botões em um brinquedo vermelho de desenho</translation>
    </message>
    <message>
        <source>draw;sketch;toy;</source>
        <extracomment>Words a desktop search finds the toy by: each one followed by a semicolon, the last too.</extracomment>
        <translation>desenhar;desenho;brinquedo;rabisco;</translation>
    </message>
    <message>
        <source>Scribblewick is a drawing toy: a red toy with a black screen and two knobs. Each key press or knob click moves the pen one step left, right, up or down and leaves a straight line behind it.</source>
        <extracomment>The software centre&apos;s description, read by parents and children: its first paragraph.</extracomment>
        <translation>Scribblewick é um brinquedo de desenho: um brinquedo vermelho com uma tela preta e dois botões. Cada tecla apertada ou clique de um botão move o lápis um passo para a esquerda, para a direita, para cima ou para baixo e deixa uma linha reta para trás.</translation>
    </message>
    <message>
        <source>Its menus let you:</source>
        <extracomment>The software centre&apos;s description: the line above a list of four things to do.</extracomment>
        <translation>Nos menus, você pode:</translation>
    </message>
    <message>
        <source>choose the pen colour, the screen colour, the line width and the step length</source>
        <translation>escolher a cor do lápis, a cor da tela, a grossura da linha e o tamanho do passo</translation>
    </message>
    <message>
        <source>erase the screen, or drop the pen somewhere at random</source>
        <translation>apagar a tela ou pôr o lápis em qualquer lugar</translation>
    </message>
    <message>
        <source>save the toy&apos;s picture as a BMP file, or print it to fit the page</source>
        <translation>salvar o desenho do brinquedo como arquivo BMP ou imprimi-lo do tamanho da página</translation>
    </message>
    <message>
        <source>sign your drawing with your name</source>
        <translation>assinar o seu desenho com o seu nome</translation>
    </message>
    <message>
        <source>A staircase drawn in white on the toy&apos;s black screen</source>
        <extracomment>The software centre&apos;s caption of the toy&apos;s picture.</extracomment>
        <translation>Uma escada desenhada em branco na tela preta do brinquedo</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the picture is empty</source>
        <translation>o desenho está vazio</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>a impressora não informa nenhuma área para imprimir</translation>
    </message>
    <message>
        <source>the picture cannot be scaled to the page</source>
        <translation>o desenho não pode ser ajustado à página</translation>
    </message>
    <message>
        <source>the printer did not accept the page</source>
        <translation>a impressora não aceitou a página</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>a impressora não recebeu o documento</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>a impressora avisou que deu um erro</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <translation>não há nenhuma impressora instalada neste computador</translation>
    </message>
    <message>
        <source>no printer is chosen as the default</source>
        <translation>nenhuma impressora foi escolhida como padrão</translation>
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
        <translation>é somente leitura</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>não dá para gravar na pasta %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>não dá para gravar em %1: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>o desenho está vazio</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>os atalhos dele andam em círculo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it leads to %1, which is a folder</source>
        <translation>leva a %1, que é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it leads to %1, which is not a regular file</source>
        <translation>leva a %1, que não é um arquivo comum</translation>
    </message>
    <message>
        <source>there is no clipboard</source>
        <translation>não há área de transferência</translation>
    </message>
    <message>
        <source>the clipboard did not take the picture</source>
        <translation>a área de transferência não aceitou o desenho</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Loading Scribblewick…</source>
        <translation>Carregando o Scribblewick…</translation>
    </message>
    <message>
        <source>Scribblewick has ended.</source>
        <translation>O Scribblewick foi fechado.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.</source>
        <translation>A primeira visita baixa %1 MB; depois disso, o Scribblewick abre na hora, até sem internet.</translation>
    </message>
    <message>
        <source>Scribblewick could not be downloaded (%1). Check the connection, then try again.</source>
        <translation>Não foi possível baixar o Scribblewick (%1). Verifique a conexão e tente de novo.</translation>
    </message>
    <message>
        <source>the connection broke off</source>
        <translation>a conexão caiu</translation>
    </message>
    <message>
        <source>Scribblewick could not start (%1).</source>
        <translation>Não foi possível iniciar o Scribblewick (%1).</translation>
    </message>
    <message>
        <source>This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can.</source>
        <translation>Este navegador não consegue rodar o Scribblewick: ele não tem WebAssembly. Um navegador mais novo consegue.</translation>
    </message>
    <message>
        <source>Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked.</source>
        <translation>O Scribblewick não consegue desenhar neste navegador: o WebGL está desligado ou o driver de vídeo está bloqueado.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Scribblewick stopped unexpectedly (%1).</source>
        <translation>O Scribblewick parou de repente (%1).</translation>
    </message>
    <message>
        <source>Scribblewick needs JavaScript, which this browser has turned off.</source>
        <translation>O Scribblewick precisa de JavaScript, que está desligado neste navegador.</translation>
    </message>
</context>
</TS>

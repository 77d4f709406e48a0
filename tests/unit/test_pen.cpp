// The pen's moves, key table and random placement against a canvas that records its calls.
#include "drawing/pen.h"
#include "drawing/settings.h"

#include <QTest>
#include <map>
#include <vector>

namespace {

struct Call {
    char op; // 'L' line, 'P' point, 'C' clear
    float x1, y1, x2, y2;
    std::uint32_t color;
    bool operator==(const Call&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<Call> calls;
    void Line(float x1, float y1, float x2, float y2, std::uint32_t color) override {
        calls.push_back({'L', x1, y1, x2, y2, color});
    }
    void PSet(float x, float y, std::uint32_t color) override {
        calls.push_back({'P', x, y, x, y, color});
    }
    void Cls() override { calls.push_back({'C', 0, 0, 0, 0, 0}); }
    void setBackColor(std::uint32_t) override {}
    std::uint32_t BackColor() const override { return 0; }
    void setDrawWidth(int) override {}
    int DrawWidth() const override { return 1; }
};

using drawing::settings::White;

drawing::PenState freshPen() {
    drawing::PenState pen;
    drawing::setStartState(pen);
    return pen;
}

} // namespace

class PenTest : public QObject {
    Q_OBJECT
private slots:
    void startStateAndFirstStroke() {
        drawing::PenState pen = freshPen();
        QCOMPARE(pen.InkColor, std::string("16777215"));
        QCOMPARE(pen.PenSpeed, 50);
        QCOMPARE(pen.XPos2, 0);
        QCOMPARE(pen.YPos2, 0);
        RecordingCanvas canvas;
        drawing::keyPress(pen, canvas, 'd');
        QCOMPARE(canvas.calls.size(), 1u);
        QVERIFY((canvas.calls[0] == Call{'L', 3788, 2288, 3838, 2288, White}));
        QCOMPARE(pen.XPos, 3838);
        QCOMPARE(pen.XPos2, 3838);
        QCOMPARE(pen.YPos, 2288);
        QCOMPARE(pen.YPos2, 0); // a horizontal move leaves the vertical target alone
    }

    void movesStopAtOneOnTheLeftAndTop() {
        drawing::PenState pen = freshPen();
        RecordingCanvas canvas;
        pen.XPos = 30;
        drawing::keyPress(pen, canvas, 'a');
        drawing::keyPress(pen, canvas, '4');
        QVERIFY((canvas.calls[0] == Call{'L', 30, 2288, 1, 2288, White}));
        QVERIFY((canvas.calls[1] == Call{'L', 1, 2288, 1, 2288, White}));
        QCOMPARE(pen.XPos, 1);

        pen.YPos = 30;
        drawing::keyPress(pen, canvas, 'w');
        drawing::keyPress(pen, canvas, '8');
        QVERIFY((canvas.calls[2] == Call{'L', 1, 30, 1, 1, White}));
        QVERIFY((canvas.calls[3] == Call{'L', 1, 1, 1, 1, White}));
        QCOMPARE(pen.YPos, 1);
    }

    void movesStopAt32767OnTheRightAndBottom() {
        drawing::PenState pen = freshPen();
        RecordingCanvas canvas;
        pen.PenSpeed = 200;
        pen.XPos = 32700;
        pen.YPos = 32767;
        drawing::keyPress(pen, canvas, 'd');
        QVERIFY((canvas.calls[0] == Call{'L', 32700, 32767, 32767, 32767, White}));
        QCOMPARE(pen.XPos, 32767);
        drawing::keyPress(pen, canvas, '6');
        QCOMPARE(pen.XPos, 32767); // no wrap into negative positions
        drawing::keyPress(pen, canvas, 'x');
        drawing::keyPress(pen, canvas, '2');
        QCOMPARE(pen.YPos, 32767);
        // and the pen comes back from there
        drawing::keyPress(pen, canvas, 'a');
        QCOMPARE(pen.XPos, 32567);
    }

    void downRunsOffTheCanvasAndUpBringsItBack() {
        drawing::PenState pen = freshPen();
        RecordingCanvas canvas;
        for (int i = 0; i < 100; ++i)
            drawing::keyPress(pen, canvas, 'x');
        QCOMPARE(pen.YPos, 2288 + 100 * 50);
        for (int i = 0; i < 100; ++i)
            drawing::keyPress(pen, canvas, 'w');
        QCOMPARE(pen.YPos, 2288);
    }

    void onlyTheTableKeysAct() {
        const std::map<int, drawing::KeyAction> table{
            {32, drawing::KeyAction::Erase}, {97, drawing::KeyAction::Left},
            {52, drawing::KeyAction::Left},  {119, drawing::KeyAction::Up},
            {56, drawing::KeyAction::Up},    {100, drawing::KeyAction::Right},
            {54, drawing::KeyAction::Right}, {120, drawing::KeyAction::Down},
            {50, drawing::KeyAction::Down}};
        for (int code = -32768; code <= 32767; ++code) {
            const auto it = table.find(code);
            const auto expected = it == table.end() ? drawing::KeyAction::None : it->second;
            if (drawing::keyAction(static_cast<std::int16_t>(code)) != expected)
                QFAIL(qPrintable(QStringLiteral("wrong action for code %1").arg(code)));
        }
        // Upper case does nothing at all.
        drawing::PenState pen = freshPen();
        RecordingCanvas canvas;
        for (char c : {'A', 'W', 'D', 'X'})
            drawing::keyPress(pen, canvas, c);
        QVERIFY(canvas.calls.empty());
        QCOMPARE(pen.XPos, 3788);
        QCOMPARE(pen.YPos, 2288);
    }

    void spaceErasesAndKeepsThePen() {
        drawing::PenState pen = freshPen();
        RecordingCanvas canvas;
        drawing::keyPress(pen, canvas, 'd');
        drawing::keyPress(pen, canvas, ' ');
        drawing::keyPress(pen, canvas, 'x');
        QCOMPARE(canvas.calls[1].op, 'C');
        QVERIFY((canvas.calls[2] == Call{'L', 3838, 2288, 3838, 2338, White}));
    }

    void inkTextDrivesTheStrokeColour() {
        drawing::PenState pen = freshPen();
        drawing::setInk(pen, 33023);
        QCOMPARE(pen.InkColor, std::string("33023"));
        RecordingCanvas canvas;
        drawing::keyPress(pen, canvas, 'd');
        QCOMPARE(canvas.calls[0].color, 33023u);
    }

    void randomNumbersStayBelowOne() {
        QCOMPARE(drawing::unitRandom(0), 0.0f);
        QVERIFY(drawing::unitRandom(0xFFFFFFFFu) < 1.0f);
        QVERIFY(drawing::unitRandom(0x80000000u) == 0.5f);
    }

    void roundingTiesGoToEven() {
        QCOMPARE(drawing::roundHalfEven(0.5f), 0);
        QCOMPARE(drawing::roundHalfEven(1.5f), 2);
        QCOMPARE(drawing::roundHalfEven(2.5f), 2);
        QCOMPARE(drawing::roundHalfEven(4492.5f), 4492);
        QCOMPARE(drawing::roundHalfEven(4493.5f), 4494);
        QCOMPARE(drawing::roundHalfEven(2.49f), 2);
        QCOMPARE(drawing::roundHalfEven(2.51f), 3);
    }

    void randomPlacementCoversTheWindowNotJustTheCanvas() {
        drawing::PenState pen = freshPen();
        pen.XPos2 = 11;
        pen.YPos2 = 22;
        RecordingCanvas canvas;
        std::mt19937 generator(1234);
        int maxX = 0, maxY = 0, minX = 99999, minY = 99999;
        for (int i = 0; i < 20000; ++i) {
            drawing::placeAtRandom(pen, canvas, 8985, 6585, generator);
            QVERIFY(pen.XPos >= 1 && pen.XPos <= 8985);
            QVERIFY(pen.YPos >= 1 && pen.YPos <= 6585);
            maxX = std::max<int>(maxX, pen.XPos);
            maxY = std::max<int>(maxY, pen.YPos);
            minX = std::min<int>(minX, pen.XPos);
            minY = std::min<int>(minY, pen.YPos);
            const Call& dot = canvas.calls.back();
            QVERIFY((dot == Call{'P', float(pen.XPos), float(pen.YPos), float(pen.XPos),
                                 float(pen.YPos), White}));
        }
        // Beyond the canvas's 7575 x 4575 twips: the window is the range.
        QVERIFY(maxX > 7575 + 1000);
        QVERIFY(maxY > 4575 + 1000);
        QVERIFY(minX < 100 && minY < 100);
        QCOMPARE(pen.XPos2, 11);
        QCOMPARE(pen.YPos2, 22);
        // A draw that rounds to 0 still leaves the pen at 1, like a move to the edge would.
        drawing::placeAtRandom(pen, canvas, 0.4f, 0.4f, generator);
        QCOMPARE(pen.XPos, 1);
        QCOMPARE(pen.YPos, 1);
    }
};

QTEST_APPLESS_MAIN(PenTest)
#include "test_pen.moc"

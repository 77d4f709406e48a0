// scribblewick.exe, the Windows build, run under Wine in a private Xvfb and used as a person
// would: keys and knob clicks, the Windows save dialog, the clipboard read from the X side,
// the other windows, printing through CUPS, and a 256-colour palette display.
#include "cups_scheduler.h"
#include "support/catalogue.h"
#include "toy.h"
#include "wine_prefix.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

constexpr QRect CanvasInner(48 + 2, 48 + 2, 505 - 4, 305 - 4); // inside its 2-pixel border
constexpr QRect Canvas(48, 48, 505, 305);
constexpr QRect SignatureBand(16, 16, 569, 17);
constexpr int StartWindowMs = 90000; // a first start in a new prefix takes Wine some seconds

struct Knob {
    const char* picture;
    QRect place;
};
constexpr Knob Knobs[] = {{"knob_left", {48, 364, 32, 64}},
                          {"knob_right", {80, 364, 32, 64}},
                          {"knob_up", {488, 364, 64, 32}},
                          {"knob_down", {488, 396, 64, 32}}};

int px(int twips) {
    return (twips + 7) / 15;
}

QRgb rgb(QRgb pixel) {
    return pixel & 0xFFFFFF;
}

QImage asset(const char* name) {
    return QImage(QStringLiteral(ASSETS_DIR "/%1.bmp").arg(QString::fromLatin1(name)))
        .convertToFormat(QImage::Format_RGB32);
}

// The first pixel of a fresh toy's client area that is not the artwork, or "".
QString differenceFromArtwork(const QImage& client) {
    const QImage background = asset("background");
    for (int y = 0; y < client.height(); ++y)
        for (int x = 0; x < client.width(); ++x) {
            const QPoint p(x, y);
            QRgb expected = rgb(background.pixel(p));
            if (Canvas.contains(p)) {
                if (!CanvasInner.contains(p)) continue; // the border is the style's
                expected = 0;
            } else if (SignatureBand.contains(p)) {
                expected = 0xFF0000; // an empty label on red
            }
            for (const Knob& knob : Knobs)
                if (knob.place.contains(p))
                    expected = rgb(asset(knob.picture).pixel(p - knob.place.topLeft()));
            if (rgb(client.pixel(p)) != expected)
                return QStringLiteral("%1, %2: %3, the artwork %4")
                    .arg(x)
                    .arg(y)
                    .arg(rgb(client.pixel(p)), 6, 16)
                    .arg(expected, 6, 16);
        }
    return {};
}

// The saved "drawing.bmp" in `folder` once it is the folder's only file (the save writes a
// temporary file first, then renames it); empty when it did not come in time.
QString waitForSavedDrawing(const QDir& folder, int timeoutMs = 20000) {
    QString found;
    const bool came = QTest::qWaitFor(
        [&] {
            const QStringList names = folder.entryList(QDir::Files);
            found = names.size() == 1 && names.first().compare(QStringLiteral("drawing.bmp"),
                                                               Qt::CaseInsensitive) == 0
                        ? folder.filePath(names.first())
                        : QString();
            return !found.isEmpty();
        },
        timeoutMs);
    return came ? found : QString();
}

} // namespace

class WindowsExeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WinePrefix> wine_;

    // The toy started under Wine on `x`.
    std::unique_ptr<Toy> start(const XSession& x, const QProcessEnvironment& extra = {},
                               const QString& title = QStringLiteral("Scribblewick!")) {
        QProcessEnvironment env = wine_->environment();
        env.insert(extra);
        return std::make_unique<Toy>(x, env, wine_->command(QStringLiteral(SCRIBBLEWICK_EXE)),
                                     StartWindowMs, exactly(title));
    }
    static QString exactly(const QString& title) {
        return QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
    }

    // Wine keeps the window it last activated for the keys until the main window is clicked, as
    // a person would: on the frame, left of the screen.
    static bool activate(const XSession& x, const Toy& toy) {
        const QPoint frame = ClientArea.topLeft() + QPoint(8, 200);
        return x.xdotool({"windowfocus", "--sync", toy.windowId()}) &&
               x.xdotool({"mousemove", "--sync", QString::number(frame.x()),
                          QString::number(frame.y()), "click", "1"});
    }

    // Saves through the Windows save dialog into `folder`, typing a name with no extension;
    // the picture saved, or a null one when none came.
    static QImage saveThroughTheDialog(const XSession& x, const Toy& toy, const QString& folder) {
        if (!activate(x, toy) || !x.xdotool({"key", "ctrl+s"})) return {};
        const QString dialog = x.waitForWindow(QStringLiteral("^Save Your Bitmap$"));
        if (dialog.isEmpty() || !x.xdotool({"windowfocus", "--sync", dialog}) ||
            !x.xdotool({"type", "--delay", "10",
                        WinePrefix::windowsPath(folder + QStringLiteral("/drawing"))}) ||
            !x.xdotool({"key", "Return"}))
            return {};
        const QString saved = waitForSavedDrawing(QDir(folder));
        return saved.isEmpty() ? QImage() : QImage(saved);
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral(SCRIBBLEWICK_EXE)), SCRIBBLEWICK_EXE);
        XSession x;
        QVERIFY(x.isRunning());
        wine_ = std::make_unique<WinePrefix>(x);
        QVERIFY2(wine_->isReady(), qPrintable(wine_->error()));
    }

    // Each test ends with no process of the prefix left.
    void cleanup() { wine_->endAll(); }
    void cleanupTestCase() { wine_.reset(); }

    void showsDrawsSavesAndCopiesTheToy() {
        XSession x;
        QVERIFY(x.isRunning());
        auto toy = start(x);
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        const auto g = x.geometry(toy->windowId());
        QCOMPARE(g.value(QStringLiteral("X")), ClientArea.x());
        QCOMPARE(g.value(QStringLiteral("WIDTH")), ClientArea.width());
        QCOMPARE(g.value(QStringLiteral("Y")) + g.value(QStringLiteral("HEIGHT")),
                 ClientArea.bottom() + 1);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(differenceFromArtwork((shot = x.screenArea(ClientArea))).isEmpty(),
                                 10000);
        shot.save(QStringLiteral("windows-started.png"));

        // "d", then the right half of the left knob, then Ctrl+O (orange) and "d" again.
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy->windowId()}));
        QVERIFY(x.xdotool({"type", "--delay", "40", "d"}));
        const QPoint knob = ClientArea.topLeft() + QPoint(80 + 16, 364 + 32);
        QVERIFY(x.xdotool({"mousemove", "--sync", QString::number(knob.x()),
                           QString::number(knob.y()), "click", "1"}));
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy->windowId()}));
        QVERIFY(x.xdotool({"key", "--delay", "40", "ctrl+o", "d"}));
        const int row = CanvasInner.y() + px(2288);
        const auto at = [&](int canvasX) {
            return rgb(shot.pixel(ClientArea.topLeft() + QPoint(CanvasInner.x() + canvasX, row)));
        };
        QTRY_VERIFY_WITH_TIMEOUT((shot = x.screenshot(), at(px(3938)) == 0xFF8000), 10000);
        for (int xx = px(3788); xx < px(3888); ++xx)
            QCOMPARE(at(xx), 0xFFFFFFu);
        for (int xx = px(3888) + 1; xx <= px(3938); ++xx)
            QCOMPARE(at(xx), 0xFF8000u);
        QVERIFY(at(px(3788) - 1) == 0 && at(px(3938) + 1) == 0);
        shot.save(QStringLiteral("windows-drawn.png"));

        // Saved through the Windows dialog: the client area as the screen shows it.
        QTemporaryDir out;
        const QImage bmp = saveThroughTheDialog(x, *toy, out.path());
        QCOMPARE(bmp.size(), ClientArea.size());
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Save Your Bitmap$")), 10000);
        QVERIFY2(pictureDifference(bmp, x.screenArea(ClientArea)).isEmpty(),
                 qPrintable(pictureDifference(bmp, x.screenArea(ClientArea))));
        // Wine hands the Windows clipboard to X programs.
        const QImage pasted = QImage::fromData(x.clipboard(QStringLiteral("image/bmp")), "BMP");
        QVERIFY2(pictureDifference(pasted, bmp).isEmpty(),
                 qPrintable(pictureDifference(pasted, bmp)));

        // Cancel writes nothing; F6 then turns the screen grey.
        QVERIFY(QDir(out.path()).removeRecursively() && QDir().mkpath(out.path()));
        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "ctrl+s"}));
        const QString dialog = x.waitForWindow(QStringLiteral("^Save Your Bitmap$"));
        QVERIFY(!dialog.isEmpty());
        QVERIFY(x.xdotool({"windowfocus", "--sync", dialog}));
        QVERIFY(x.xdotool({"key", "Escape"}));
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Save Your Bitmap$")), 10000);
        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "F6"}));
        QTRY_VERIFY_WITH_TIMEOUT(
            rgb(x.screenArea(ClientArea).pixel(CanvasInner.center())) == 0x808080, 10000);
        QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
    }

    // On a Russian keyboard the key where D sits types "в": it still draws. Russian, beside
    // English as Russian desktops have it: Wine 8 tells the keys' places only of a layout with
    // Latin letters.
    void lettersDrawByTheirPlaceOnARussianKeyboard() {
        XSession x;
        QVERIFY(x.isRunning());
        QVERIFY(!x.run(QStringLiteral("setxkbmap"),
                       {QStringLiteral("-layout"), QStringLiteral("us,ru")})
                     .isEmpty());
        auto toy = start(x);
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "--delay", "40", "Cyrillic_ve", "Cyrillic_ve"}));
        // Two steps right from the start.
        const QPoint end =
            ClientArea.topLeft() + CanvasInner.topLeft() + QPoint(px(3888), px(2288));
        QTRY_VERIFY_WITH_TIMEOUT(rgb(x.screenshot().pixel(end)) == 0xFFFFFF, 10000);
        QVERIFY(rgb(x.screenshot().pixel(end + QPoint(1, 0))) == 0);
    }

    void opensItsWindowsSignsAndEnds() {
        XSession x;
        QVERIFY(x.isRunning());
        auto toy = start(x);
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        const QRect band = SignatureBand.translated(ClientArea.topLeft());
        const auto textPixels = [&](const QImage& shot) {
            int n = 0;
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int xx = band.left(); xx <= band.right(); ++xx)
                    n += qRed(shot.pixel(xx, y)) < 100;
            return n;
        };

        QVERIFY(x.xdotool({"windowfocus", "--sync", toy->windowId()}));
        QVERIFY(x.xdotool({"key", "--delay", "100", "alt+m", "Return"}));
        const QString dialog = x.waitForWindow(QStringLiteral("^Tell Pemrod Your Name$"));
        QVERIFY2(!dialog.isEmpty(), "the name dialog did not open");
        QVERIFY(x.xdotool({"windowfocus", "--sync", dialog}));
        QVERIFY(x.xdotool({"type", "--delay", "30", "Ada"}));
        QVERIFY(x.xdotool({"mousemove", "--sync", "448", "262", "click", "1"})); // OK
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Tell Pemrod Your Name$")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(textPixels(x.screenshot()) > 40, 10000);

        QVERIFY(x.xdotool({"windowfocus", "--sync", toy->windowId()}));
        QVERIFY(x.xdotool({"key", "F1"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^How to use Scribblewick!$")).isEmpty());
        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "F2"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^About Scribblewick!$")).isEmpty());
        x.screenshot().save(QStringLiteral("windows-windows.png"));

        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "ctrl+x"}));
        QVERIFY2(toy->waitForExit(30000), "the program lived on after Exit");
        QCOMPARE(toy->process().exitCode(), 0);

        // The close request a window manager's close box sends ends it too.
        toy = start(x);
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        QVERIFY(toy->requestClose());
        QVERIFY2(toy->waitForExit(30000), "the program lived on after its window closed");
        QCOMPARE(toy->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(toy->process().exitCode(), 0);
    }

    void printsOneLandscapePageThroughCups() {
        CupsScheduler cups;
        QVERIFY2(cups.isReady(), qPrintable(cups.error()));
        XSession x;
        QVERIFY(x.isRunning());
        auto toy = start(x, cups.environment());
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy->windowId()}));
        QVERIFY(x.xdotool({"type", "--delay", "30", "dddd"}));
        QVERIFY(x.xdotool({"key", "ctrl+p"}));

        QByteArray head;
        const QList<QImage> pages = cups.printedPages(50, 90000, &head);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(head.contains("Wine PostScript Driver"), head.constData());
        const QImage& page = pages.first();
        page.save(QStringLiteral("windows-printed-page.png"));
        QVERIFY2(printedToyProblem(page).isEmpty(), qPrintable(printedToyProblem(page)));
        QVERIFY(toy->process().state() == QProcess::Running);
    }

    // Wine takes the display language from the Unix locale, and Qt on Windows follows it.
    void germanDisplayLanguageShowsGermanMenusAndDialog() {
        const Catalogue german(QStringLiteral("de"));
        QVERIFY(german.isLoaded());
        XSession x;
        QVERIFY(x.isRunning());
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), Catalogue::desktopLang(QStringLiteral("de")));
        auto toy = start(x, env, german.tr("Form1", "Scribblewick!"));
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        // File, Save by their German access keys opens the save dialog with its German title.
        const QString file = Catalogue::accessKey(german.tr("Form1", "&File"));
        const QString save = Catalogue::accessKey(german.tr("Form1", "&Save"));
        QVERIFY(activate(x, *toy));
        QVERIFY(x.xdotool({"key", "--delay", "200", "alt+" + file, save}));
        const QString title = german.tr("Form1", "Save Your Bitmap");
        const QString dialog = x.waitForWindow(exactly(title));
        QVERIFY2(!dialog.isEmpty(), qPrintable(title));
        x.screenshot().save(QStringLiteral("windows-german-save.png"));
        QVERIFY(x.xdotool({"windowfocus", "--sync", dialog}));
        QVERIFY(x.xdotool({"key", "Escape"}));
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(exactly(title)), 10000);
    }

    // In every language the menu bar keeps to one line with Windows' fonts too.
    void everyLanguageStartsWithItsMenuBarOnOneLine_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : Catalogue::languages())
            QTest::newRow(qPrintable(language)) << language;
        QVERIFY(!Catalogue::languages().isEmpty());
    }
    void everyLanguageStartsWithItsMenuBarOnOneLine() {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        QVERIFY(catalogue.isLoaded());
        XSession x;
        QVERIFY(x.isRunning());
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), Catalogue::desktopLang(language));
        auto toy = start(x, env, catalogue.tr("Form1", "Scribblewick!"));
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        QTRY_VERIFY_WITH_TIMEOUT(differenceFromArtwork(x.screenArea(ClientArea)).isEmpty(), 10000);
        x.screenshot().save(QStringLiteral("windows-language-%1.png").arg(language));
        QVERIFY2(!toy->errorOutput().contains(QStringLiteral("menu bar")),
                 qPrintable(toy->errorOutput()));
    }

    void savesTheSystemPaletteOnAPaletteDisplay() {
        XSession x(8);
        QVERIFY(x.isRunning());
        auto toy = start(x);
        QVERIFY2(!toy->windowId().isEmpty(), qPrintable(toy->startProblem()));
        QTemporaryDir out;
        const QImage bmp = saveThroughTheDialog(x, *toy, out.path());
        QCOMPARE(bmp.size(), ClientArea.size());
        QCOMPARE(bmp.format(), QImage::Format_Indexed8);
        const QList<QRgb> table = bmp.colorTable();
        QCOMPARE(table.size(), 256);
        // Windows keeps twenty static colours at the two ends of the system palette.
        const QRgb first[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                              0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0};
        const QRgb last[] = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                             0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(rgb(table[i]), first[i]);
            QCOMPARE(rgb(table[246 + i]), last[i]);
        }
        // The frame's red and the screen's black are among them.
        QCOMPARE(rgb(bmp.pixel(CanvasInner.center())), 0x000000u);
        QCOMPARE(rgb(bmp.pixel(SignatureBand.center())), 0xFF0000u);
    }
};

QTEST_GUILESS_MAIN(WindowsExeTest)
#include "test_windows_exe.moc"

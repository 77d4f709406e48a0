// Capture, save and print through the main window's own commands, with the save dialog answered
// by script and a recording printer in place of the real one.
#include "support.h"

#include "forms/artwork.h"
#include "output/save_dialog.h"
#include "tests/support/recording_printer.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

using support::freshForm1;

namespace {

struct Failure {
    QString title, message;
};

// The main window with failures collected instead of shown in message boxes.
Form1& formRecording(std::vector<Failure>& failures) {
    Form1& form = freshForm1();
    form.reportFailure = [&failures](const QString& title, const QString& message) {
        failures.push_back({title, message});
    };
    return form;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage clipboardImage() {
    return rgb(QApplication::clipboard()->image());
}

output::DisplayCaps paletteDisplay(int entries) {
    output::DisplayCaps caps;
    caps.paletteDevice = true;
    caps.paletteSize = entries;
    for (int i = 0; i < entries; ++i)
        caps.systemPalette.append(qRgb(i, i, 255 - i));
    return caps;
}

} // namespace

class PictureOutputTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void captureIsExactlyTheClientAreaAsShown() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("ddddxxxx"));
        form.Label1->setText(QStringLiteral("Ada Made This!"));
        const Picture picture = form.CaptureClient(form);
        QCOMPARE(picture.image().size(), QSize(599, 439));
        QVERIFY(!picture.hasPalette());
        QCOMPARE(picture.Width(), 15849); // 599 pixels at 96 dpi in HiMetric
        QCOMPARE(rgb(picture.image()), support::clientImage(form));
        // It is the toy, not the menu bar: the frame's top row is the background picture's.
        const QImage background = rgb(QImage(QStringLiteral(ASSETS_DIR "/background.bmp")));
        QCOMPARE(rgb(picture.image()).copy(0, 0, 599, 1), background.copy(0, 0, 599, 1));
    }

    void embeddedArtworkIsTheBitmapFiles() {
        for (const char* name : {"background", "knob_left", "knob_right", "knob_up", "knob_down"}) {
            const QImage file(QStringLiteral(ASSETS_DIR "/%1.bmp").arg(QLatin1String(name)));
            QCOMPARE(file.depth(), 32); // 24-bit files read as 32-bit images
            QCOMPARE(artwork::picture(QString::fromLatin1(name)), rgb(file));
        }
        QVERIFY(artwork::picture(QStringLiteral("no such picture")).isNull());
    }

    void aWindowLyingOverTheToyIsNeverInThePicture() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("dddd"));
        QWidget cover;
        cover.setPalette(QPalette(QColor(255, 0, 255)));
        cover.setAutoFillBackground(true);
        cover.setGeometry(QRect(form.Picture1->mapToGlobal(QPoint(0, 0)), QSize(400, 200)));
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        const QImage picture = rgb(form.CaptureClient(form).image());
        QCOMPARE(support::countOf(picture, qRgb(255, 0, 255)), 0);
        QVERIFY(support::countOf(picture, 0xFFFFFF) > 0); // the covered stroke is there
    }

    void paletteDisplayGivesAnIndexedPicture() {
        Form1& form = freshForm1();
        form.displayCaps = [](const QWidget&) { return paletteDisplay(256); };
        const Picture picture = form.CaptureClient(form);
        QCOMPARE(picture.image().format(), QImage::Format_Indexed8);
        QCOMPARE(picture.palette(), paletteDisplay(256).systemPalette);
        QCOMPARE(picture.image().colorTable(), picture.palette());
        QCOMPARE(picture.image().size(), QSize(599, 439));

        form.displayCaps = [](const QWidget&) { return paletteDisplay(16); };
        QVERIFY(!form.CaptureClient(form).hasPalette());
    }

    void wholeWindowIncludesWhatLiesOutsideTheClientArea() {
        Form1& form = freshForm1();
        const QRect frame = form.frameGeometry();
        const Picture whole = form.CaptureWindow(&form, false, 0, 0, frame.width(), frame.height());
        QCOMPARE(whole.image().size(), frame.size());
        const QPoint clientAt = form.client().mapTo(&form, QPoint(0, 0)) +
                                (form.geometry().topLeft() - frame.topLeft());
        QVERIFY(clientAt.y() > 0); // the menu bar is above the client
        QCOMPARE(rgb(whole.image()).copy(QRect(clientAt, QSize(599, 439))),
                 rgb(form.CaptureClient(form).image()));
    }

    void cancelledSaveWritesNothingAndLeavesTheCapture() {
        std::vector<Failure> failures;
        Form1& form = formRecording(failures);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QString title, filter, extension;
        QImage onClipboardDuringDialog;
        form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog& dialog) {
            title = dialog.DialogTitle;
            filter = dialog.Filter;
            extension = dialog.DefaultExt;
            onClipboardDuringDialog = clipboardImage();
            return QString();
        };
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        QTest::keyClick(form.Picture1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Save Your Bitmap"));
        QCOMPARE(filter, QStringLiteral("Bitmap Image (*.bmp)|*.bmp"));
        QCOMPARE(extension, QStringLiteral(".BMP"));
        // Captured before the dialog opened; still there after it closed.
        QCOMPARE(onClipboardDuringDialog, support::clientImage(form));
        QCOMPARE(clipboardImage(), support::clientImage(form));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
        QVERIFY(failures.empty());
    }

    void saveDialogOpensInPicturesThenWhereTheLastSaveWent() {
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME"); // no user-dirs.dirs: Pictures is ~/Pictures
        std::vector<Failure> failures;
        QStringList opensIn;
        QString answer;
        const auto save = [&] {
            Form1& form = forms::get<Form1>();
            form.reportFailure = [&](const QString&, const QString& m) {
                failures.push_back({{}, m});
            };
            form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog& dialog) {
                opensIn << dialog.InitDir;
                return answer;
            };
            form.save1_Click();
        };
        freshForm1();
        save(); // no Pictures folder: home
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        freshForm1();
        save(); // cancelled: Pictures again next time
        answer = dir.filePath(QStringLiteral("where.bmp"));
        save();
        answer.clear();
        save();
        qputenv("HOME", realHome);
        QCOMPARE(opensIn, QStringList({home.path(), home.filePath(QStringLiteral("Pictures")),
                                       home.filePath(QStringLiteral("Pictures")), dir.path()}));
        QVERIFY(failures.empty());
    }

    void savedFileIsTheCaptureEvenIfTheClipboardChanges() {
        std::vector<Failure> failures;
        Form1& form = formRecording(failures);
        QTest::keyClicks(form.Picture1, QStringLiteral("ddxx"));
        const QImage shown = support::clientImage(form);
        const QString path = dir.filePath(QStringLiteral("drawing.bmp"));
        form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog&) {
            QImage other(10, 10, QImage::Format_RGB32);
            other.fill(Qt::green);
            QApplication::clipboard()->setImage(other); // another program, meanwhile
            return path;
        };
        form.save1_Click();
        QVERIFY(failures.empty());
        QCOMPARE(rgb(QImage(path)), shown);
    }

    void saveFailuresAreReportedAndTheDrawingStays() {
        std::vector<Failure> failures;
        Form1& form = formRecording(failures);
        QTest::keyClicks(form.Picture1, QStringLiteral("dddxxx"));
        const QImage drawing = support::canvasImage(form);
        const QString bad[] = {QStringLiteral("/proc/scribblewick.bmp"), dir.path(),
                               dir.filePath(QStringLiteral("missing/folder/x.bmp"))};
        for (const QString& path : bad) {
            form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog&) { return path; };
            form.save1_Click();
        }
        QCOMPARE(failures.size(), std::size(bad));
        for (std::size_t i = 0; i < failures.size(); ++i) {
            QCOMPARE(failures[i].title, QStringLiteral("Could not save"));
            QVERIFY2(failures[i].message.contains(QDir::toNativeSeparators(bad[i])),
                     qPrintable(failures[i].message));
        }
        QVERIFY(forms::isLoaded<Form1>());
        QCOMPARE(support::canvasImage(form), drawing);
        QCOMPARE(form.Pen.XPos, 3788 + 150);
    }

    void saveDialogReadsNoFileAndTakesNamesAsTyped() {
        QTemporaryDir here;
        // PNG contents under a name that says nothing: a lookup that reads it would say PNG, and
        // a read that never returns (/proc/kmsg) would freeze the dialog.
        QVERIFY(
            QImage(4, 4, QImage::Format_RGB32).save(here.filePath(QStringLiteral("kmsg")), "PNG"));
        output::SaveDialog dialog(nullptr, QStringLiteral("Save Your Bitmap"));
        const QString type =
            dialog.iconProvider()->type(QFileInfo(here.filePath(QStringLiteral("kmsg"))));
        QVERIFY2(!type.contains(QStringLiteral("PNG")), qPrintable(type));

        // Double quotes are part of the name, not a list of names.
        dialog.setDefaultSuffix(QStringLiteral("BMP"));
        dialog.setDirectory(here.path());
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("it's \"quoted\" name"));
        dialog.accept();
        QCOMPARE(dialog.chosenPath(), here.filePath(QStringLiteral("it's \"quoted\" name.BMP")));
    }

    void printFitsTheCaptureOnOnePage() {
        std::vector<Failure> failures;
        Form1& form = formRecording(failures);
        const auto record = std::make_shared<support::RecordingPrinter::Record>();
        form.printerFactory = [&](QString&) {
            return std::unique_ptr<output::Printer>(new support::RecordingPrinter(record));
        };
        QTest::keyClick(form.Picture1, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(failures.empty());
        QCOMPARE(record->paints.size(), 1u);
        QCOMPARE(record->endDocs, 1);
        QCOMPARE(record->orientation, output::Landscape);
        QCOMPARE(record->paints[0].height, 19000.0);
        QCOMPARE(clipboardImage(), support::clientImage(form));
    }

    void printFailuresAreReported() {
        std::vector<Failure> failures;
        Form1& form = formRecording(failures);
        form.printerFactory = [](QString& error) {
            error = QStringLiteral("no printer is set up on this computer");
            return std::unique_ptr<output::Printer>();
        };
        form.print1_Click();
        form.printerFactory = [](QString&) {
            auto printer = std::make_unique<support::RecordingPrinter>();
            printer->record->refuse = true;
            return std::unique_ptr<output::Printer>(std::move(printer));
        };
        form.print1_Click();
        form.printerFactory = [](QString&) {
            auto printer = std::make_unique<support::RecordingPrinter>();
            printer->record->portraitHeight = 0;
            return std::unique_ptr<output::Printer>(std::move(printer));
        };
        form.print1_Click();
        QCOMPARE(failures.size(), 3u);
        QVERIFY(failures[0].message.contains(QStringLiteral("no printer is set up")));
        QVERIFY(failures[1].message.contains(QStringLiteral("recorder")));
        QVERIFY(failures[1].message.contains(QStringLiteral("out of paper")));
        QVERIFY(failures[2].message.contains(QStringLiteral("no printable area")));
        for (const Failure& f : failures)
            QCOMPARE(f.title, QStringLiteral("Could not print"));
        QVERIFY(forms::isLoaded<Form1>());
    }
};

QTEST_MAIN(PictureOutputTest)
#include "test_picture_output.moc"

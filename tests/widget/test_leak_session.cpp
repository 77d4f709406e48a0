// A whole session as a person might have it: draw, change every setting, capture, save, print
// to PDF, open and close every window, exit. Run under LeakSanitizer by the test command, so
// anything our code leaves behind fails it.
#include "support.h"

#include "forms/image_box.h"
#include "output/qt_printer.h"
#include "output/save_dialog.h"
#include "windows/dialog1.h"
#include "windows/form2.h"
#include "windows/form3.h"

#include <QAction>
#include <QApplication>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>

#include <sys/stat.h>

class LeakSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void wholeSession() {
        QTemporaryDir dir;
        Form1& form = support::freshForm1();
        std::vector<QString> failures;
        form.reportFailure = [&](const QString&, const QString& message) {
            failures.push_back(message);
        };
        // Every entry that does not open a modal dialog or end the program.
        const auto actions = form.menuBar()->findChildren<QAction*>();
        for (QAction* action : actions) {
            const QString name = action->objectName();
            if (name.isEmpty() || action->menu() || name == QLatin1String("save1") ||
                name == QLatin1String("print1") || name == QLatin1String("exit1"))
                continue;
            action->trigger();
            QTest::keyClicks(form.Picture1, QStringLiteral("ddxxaaww"));
            QTest::mouseClick(form.Image3, Qt::LeftButton);
        }
        QCoreApplication::processEvents();

        const Picture picture = form.CaptureClient(form);
        QVERIFY(!picture.isNull());
        const QString saved = dir.filePath(QStringLiteral("session.bmp"));
        form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog&) { return saved; };
        form.save1_Click();
        QVERIFY(QFile::exists(saved));
        // Saving where it is refused, through a link, and under a quoted name from the real
        // dialog after it has listed /proc.
        const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
        QVERIFY(QFile::link(saved, dir.filePath(QStringLiteral("link.bmp"))));
        for (const QString& name : {pipe, dir.filePath(QStringLiteral("link.bmp"))}) {
            form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog&) { return name; };
            form.save1_Click();
        }
        QCOMPARE(failures.size(), std::size_t(1));
        failures.clear();
        {
            output::SaveDialog dialog(&form, QStringLiteral("Save Your Bitmap"));
            dialog.setDirectory(QStringLiteral("/proc"));
            dialog.show();
            // The file list fills from a thread of its own.
            const auto* files = dialog.findChild<QFileSystemModel*>();
            QVERIFY(files);
            QTRY_VERIFY(files->rowCount(files->index(QStringLiteral("/proc"))) > 10);
            dialog.setDirectory(dir.path());
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("a\"b.bmp"));
            dialog.accept();
            QCOMPARE(dialog.chosenPath(), dir.filePath(QStringLiteral("a\"b.bmp")));
        }

        const QString pdf = dir.filePath(QStringLiteral("session.pdf"));
        form.printerFactory = [&](QString&) {
            auto printer = std::make_unique<output::QtPrinter>(QString());
            printer->printToFile(pdf);
            return std::unique_ptr<output::Printer>(std::move(printer));
        };
        form.print1_Click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY2(failures.empty(), failures.empty() ? "" : qPrintable(failures.front()));

        form.AboutPemrod_Click();
        form.ControlGame_Click();
        forms::get<Form3>().Command1->click();
        form.AddYourName1_Click();
        QTest::keyClicks(forms::get<Dialog1>().Text1, QStringLiteral("Leak Hunter"));
        QTest::mouseClick(forms::get<Dialog1>().OKButton, Qt::LeftButton);
        form.AddYourName1_Click();
        forms::get<Form2>().close();
        form.AboutPemrod_Click();

        form.exit1_Click();
        support::settle();
        QCOMPARE(forms::loadedCount(), 0);
    }
};

QTEST_MAIN(LeakSessionTest)
#include "test_leak_session.moc"

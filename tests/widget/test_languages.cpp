// Every window built in every language the toy speaks, offscreen: the menu bar on one line,
// no text cut, labels at a readable size, access keys unique, right-to-left ones mirrored. A
// pseudo-translation (every text a third longer and bracketed) proves that these checks catch
// what they look for, and that no text the toy shows escapes translation.
#include "support.h"
#include "tests/support/catalogue.h"

#include "forms/captioned_frame.h"
#include "forms/graphical_button.h"
#include "forms/image_box.h"
#include "forms/whole_lines_label.h"
#include "translations/language.h"
#include "windows/dialog1.h"
#include "windows/form2.h"
#include "windows/form3.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <QToolButton>
#include <QTranslator>
#include <functional>

using support::freshForm1;
using support::settle;

namespace {

// Smaller than this a child reads with trouble: the default here is 9 points, and the English
// About window draws its longest line at 7.75.
constexpr qreal ReadablePoints = 7.5;

// Every text a third longer and bracketed, its access key and placeholders kept.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QGuiApplication") == 0 || !source || !*source) return {};
        const QString text = QString::fromUtf8(source);
        return QLatin1Char('[') + text + QString(text.size() / 3, QLatin1Char('~')) +
               QLatin1Char(']');
    }
};

// The texts that stand the same in every language: numbers, the author's name and address.
bool staysAsIs(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    return number.match(text).hasMatch() || text == QLatin1String("Pemrod Quill") ||
           text.endsWith(QLatin1String("@example.com"));
}

// Every one of the toy's windows, loaded and shown.
QList<QWidget*> openEveryWindow() {
    Form1& form = freshForm1();
    form.ControlGame_Click();
    form.AboutPemrod_Click();
    form.AddYourName1_Click();
    return {&form, &forms::get<Form2>(), &forms::get<Form3>(), &forms::get<Dialog1>()};
}

void unloadEveryWindow() {
    forms::unload<Form1>();
    settle();
}

QString where(const QWidget* widget) {
    return widget->window()->windowTitle() + QStringLiteral(" / ") + widget->objectName();
}

// What does not fit: a cut text, a label drawn too small, a menu bar in more than one line.
QStringList fitProblems(const QList<QWidget*>& windows) {
    QStringList problems;
    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (qobject_cast<WholeLinesLabel*>(label) || label->text().isEmpty()) continue;
            if (label->fontMetrics().horizontalAdvance(label->text()) > label->width())
                problems << where(label) + QStringLiteral(": cut");
            if (label->font().pointSizeF() < ReadablePoints)
                problems << where(label) +
                                QStringLiteral(": %1 points").arg(label->font().pointSizeF());
        }
        for (GraphicalButton* button : window->findChildren<GraphicalButton*>())
            if (button->fontMetrics().horizontalAdvance(Catalogue::spoken(button->text())) >
                button->width() - 8) // clear of the edges and the focus frame
                problems << where(button) + QStringLiteral(": cut");
        for (CaptionedFrame* frame : window->findChildren<CaptionedFrame*>())
            if (frame->fontMetrics().horizontalAdvance(frame->title()) + 24 > frame->width())
                problems << where(frame) + QStringLiteral(": caption cut");
    }
    QMenuBar* bar = static_cast<Form1*>(windows.first())->menuBar();
    for (QAction* title : bar->actions()) {
        const QRect box = bar->actionGeometry(title);
        if (box.isEmpty() || box.left() < 0 || box.right() >= bar->width() || box.top() != 0)
            problems << QStringLiteral("menu bar: %1 is not on its one line").arg(title->text());
    }
    if (auto* more = bar->findChild<QToolButton*>(); more && more->isVisibleTo(bar))
        problems << QStringLiteral("menu bar: an overflow button");
    return problems;
}

// Captions with an access key in English have one, unique within its menu and the bar.
QStringList accessKeyProblems(QMenuBar& bar) {
    QStringList problems;
    const auto check = [&](const QList<QAction*>& actions, const QString& where) {
        QStringList keys;
        for (QAction* action : actions) {
            const QString key = Catalogue::accessKey(action->text());
            if (action->text().count(QLatin1Char('&')) > 1)
                problems << where + QStringLiteral(": %1 has more than one &").arg(action->text());
            if (key.isEmpty()) continue;
            if (keys.contains(key))
                problems << where + QStringLiteral(": %1 shares its key").arg(action->text());
            keys << key;
        }
    };
    check(bar.actions(), QStringLiteral("menu bar"));
    for (QAction* title : bar.actions())
        check(title->menu()->actions(), title->text());
    return problems;
}

// Each action's English caption, read from the menu bar built without a catalogue.
QMap<QString, QString> englishCaptions() {
    translations::install({QStringLiteral("en")});
    QMap<QString, QString> captions;
    Form1& form = freshForm1();
    for (QAction* title : form.menuBar()->actions()) {
        captions[title->menu()->objectName()] = title->text();
        for (QAction* entry : title->menu()->actions())
            captions[entry->objectName()] = entry->text();
    }
    unloadEveryWindow();
    return captions;
}

// Every text the toy shows or hands a screen reader, with where it is.
QMap<QString, QString> shownTexts(const QList<QWidget*>& windows) {
    QMap<QString, QString> texts;
    for (QWidget* window : windows) {
        texts[window->windowTitle()] = where(window) + QStringLiteral(" title");
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<QLabel*>(w)) texts[label->text()] = where(w);
            if (auto* button = qobject_cast<QAbstractButton*>(w)) texts[button->text()] = where(w);
            if (auto* frame = qobject_cast<CaptionedFrame*>(w)) texts[frame->title()] = where(w);
            texts[w->accessibleName()] = where(w) + QStringLiteral(" (screen reader)");
            texts[w->accessibleDescription()] = where(w) + QStringLiteral(" (screen reader)");
        }
    }
    auto& form = *static_cast<Form1*>(windows.first());
    for (QAction* title : form.menuBar()->actions()) {
        texts[title->text()] = QStringLiteral("menu bar");
        for (QAction* entry : title->menu()->actions())
            texts[entry->text()] = title->text();
    }
    // The save dialog's words, and the failure messages.
    form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog& dialog) {
        texts[dialog.DialogTitle] = QStringLiteral("save dialog title");
        texts[dialog.Filter.section(QLatin1Char('|'), 0, 0)] = QStringLiteral("save dialog type");
        return QStringLiteral("/nonexistent-folder/drawing.bmp");
    };
    form.reportFailure = [&](const QString& title, const QString& message) {
        texts[title] = QStringLiteral("failure title");
        texts[message.section(QStringLiteral(": "), 0, 0)] = QStringLiteral("failure message");
        texts[message.section(QStringLiteral(": "), 1)] = QStringLiteral("failure reason");
    };
    form.printerFactory = [](QString& error) {
        error = output::Printing::tr("no printer is set up on this computer");
        return nullptr;
    };
    form.save1_Click();
    form.print1_Click();
    texts.remove(QString());
    return texts;
}

// Whether `part` of `text`, laid out as a paragraph in `direction`, shows its characters from
// left to right, as a path must.
bool showsLeftToRight(const QString& text, const QString& part, Qt::LayoutDirection direction) {
    QTextLayout layout(text, QApplication::font());
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);
    layout.endLayout();
    const qsizetype start = text.indexOf(part);
    if (start < 0) return false;
    qreal left = -1;
    for (qsizetype i = start; i < start + part.size(); ++i) {
        const QList<QGlyphRun> runs = layout.glyphRuns(int(i), 1);
        if (runs.isEmpty()) continue;
        if (runs.first().boundingRect().left() <= left) return false;
        left = runs.first().boundingRect().left();
    }
    return true;
}

// Words of four letters or more in `sentence` that `reason` repeats.
QStringList repeatedWords(const QString& sentence, const QString& reason) {
    QStringList repeated;
    const QRegularExpression word(QStringLiteral("\\w{4,}"));
    for (const QRegularExpressionMatch& m : word.globalMatch(sentence))
        if (reason.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(m.captured()),
                                               QRegularExpression::CaseInsensitiveOption)))
            repeated << m.captured();
    return repeated;
}

// With SCRIBBLEWICK_LANGUAGE_SHOTS set to a folder, every window and menu is saved there as a
// picture, for a person to look at.
void saveShots(const QString& language, const QList<QWidget*>& windows) {
    const QString folder = qEnvironmentVariable("SCRIBBLEWICK_LANGUAGE_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    for (QWidget* window : windows)
        window->grab().save(
            QStringLiteral("%1/%2-%3.png")
                .arg(folder, language, QString::fromLatin1(typeid(*window).name())));
    int i = 0;
    for (QAction* title : static_cast<Form1*>(windows.first())->menuBar()->actions()) {
        // Opened, so that it is laid out as a person sees it (right to left in Arabic).
        title->menu()->popup(QPoint(0, 0));
        title->menu()->grab().save(
            QStringLiteral("%1/%2-menu%3.png").arg(folder, language).arg(++i));
        title->menu()->hide();
    }
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
    QMap<QString, QString> english_; // each menu entry's English caption, by its name

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        english_ = englishCaptions();
    }
    void cleanup() {
        unloadEveryWindow();
        translations::install({QStringLiteral("en")});
    }

    void everyLanguageFits_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : translations::available())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageFits() {
        QFETCH(QString, language);
        QCOMPARE(translations::install({language}), language);
        const QList<QWidget*> windows = openEveryWindow();
        saveShots(language, windows);
        const QStringList problems = fitProblems(windows);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        auto& bar = *static_cast<Form1*>(windows.first())->menuBar();
        const QStringList keys = accessKeyProblems(bar);
        QVERIFY2(keys.isEmpty(), qPrintable(keys.join(QLatin1Char('\n'))));
        // A caption has an access key exactly when its English one has.
        for (QAction* title : bar.actions())
            for (QAction* action : QList<QAction*>{title} + title->menu()->actions()) {
                const QString name =
                    action == title ? title->menu()->objectName() : action->objectName();
                QVERIFY2(Catalogue::accessKey(action->text()).isEmpty() ==
                             Catalogue::accessKey(english_[name]).isEmpty(),
                         qPrintable(action->text()));
            }
        // A failure names what failed, then says why, without saying it twice; a path keeps
        // its own direction inside the sentence.
        auto& form = *static_cast<Form1*>(windows.first());
        QStringList messages;
        form.reportFailure = [&](const QString&, const QString& message) { messages << message; };
        const QString path = QStringLiteral("/nonexistent-folder/drawing.bmp");
        form.CommonDialog1.scriptedAnswer = [&](const output::CommonDialog&) { return path; };
        form.save1_Click();
        const QString reason = output::Printing::tr("no printer is set up on this computer");
        form.printerFactory = [&](QString& error) {
            error = reason;
            return nullptr;
        };
        form.print1_Click();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(showsLeftToRight(messages[0], path, QGuiApplication::layoutDirection()),
                 qPrintable(messages[0]));
        const QString sentence = QString(messages[1]).remove(reason);
        QVERIFY2(repeatedWords(sentence, reason).isEmpty(), qPrintable(messages[1]));
        // Which labels draw smaller than the window's font, and how much.
        for (QWidget* window : windows)
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->font().pointSizeF() < window->font().pointSizeF())
                    qInfo("%s: %s at %.2f of %.2f points", qPrintable(language),
                          qPrintable(where(label)), label->font().pointSizeF(),
                          window->font().pointSizeF());
    }

    void rightToLeftLanguagesReadFromTheRightAndTheToyStaysAsItIs_data() {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("joined");
        QTest::newRow("Arabic") << "ar-EG"
                                << "ar" << true;
        QTest::newRow("Hebrew") << "he-IL"
                                << "he" << false;
        QTest::newRow("Persian") << "fa-IR"
                                 << "fa" << true;
    }
    void rightToLeftLanguagesReadFromTheRightAndTheToyStaysAsItIs() {
        QFETCH(QString, wanted);
        QFETCH(QString, language);
        QCOMPARE(translations::install({wanted}), language);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        const QList<QWidget*> windows = openEveryWindow();
        auto& form = *static_cast<Form1*>(windows[0]);
        QVERIFY(form.menuBar()->isRightToLeft());
        // The first menu stands at the right end of the bar.
        QMenuBar* bar = form.menuBar();
        QVERIFY(bar->actionGeometry(bar->actions().first()).right() >
                bar->actionGeometry(bar->actions().last()).right());
        // Where letters join, no access key is underlined, titles and entries alike: the
        // underline would cut the word.
        QFETCH(bool, joined);
        QList<QWidget*> menus{bar};
        for (QMenu* menu : bar->findChildren<QMenu*>())
            menus << menu;
        for (QWidget* menu : menus)
            QCOMPARE(menu->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, menu) == 0,
                     joined);
        // The toy's picture is as designed, the knob that moves left on the left.
        QVERIFY(!form.client().isRightToLeft());
        QCOMPARE(form.Image2->geometry(), QRect(48, 364, 32, 64));
        QCOMPARE(form.Picture1->geometry(), QRect(48, 48, 505, 305));
        QVERIFY(form.Label1->isRightToLeft());
        // The text windows are mirrored: About's OK button, the name dialog's text box.
        auto& about = forms::get<Form2>();
        QCOMPARE(about.Command1->geometry(), QRect(186 - 60 - 65, 216, 65, 33));
        auto& dialog = forms::get<Dialog1>();
        QCOMPARE(dialog.Text1->geometry(), QRect(386 - 225, 0, 225, 25));
        QVERIFY(dialog.OKButton->x() > dialog.CancelButton->x());
        // A typed name (in Latin letters) leads its sentence from the right.
        dialog.Text1->setText(QStringLiteral("Sami"));
        dialog.OKButton_Click();
        QVERIFY(form.Label1->text().contains(QStringLiteral("Sami")));
        QVERIFY2(form.Label1->text().isRightToLeft(), qPrintable(form.Label1->text()));
    }

    // The desktop's list as Linux writes it: an entry the toy does not speak is passed over,
    // "C" or English before every language it speaks means English.
    void desktopListIsSearchedPastUnknownLanguages_data() {
        QTest::addColumn<QString>("LANGUAGE");
        QTest::addColumn<QString>("LANG");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("unknown first") << "xx:de"
                                       << "C.UTF-8"
                                       << "de";
        QTest::newRow("unknown only, LANG") << "xx"
                                            << "fr_FR.UTF-8"
                                            << "fr";
        QTest::newRow("English first") << "en_GB:de"
                                       << "de_DE.UTF-8"
                                       << "";
        QTest::newRow("C first") << "C:de"
                                 << ""
                                 << "";
        QTest::newRow("LANG alone") << ""
                                    << "zh_HK.UTF-8@stroke"
                                    << "zh_TW";
        QTest::newRow("nothing") << ""
                                 << "C.UTF-8"
                                 << "";
    }
    void desktopListIsSearchedPastUnknownLanguages() {
        QFETCH(QString, LANGUAGE);
        QFETCH(QString, LANG);
        QFETCH(QString, chosen);
        qputenv("LANGUAGE", LANGUAGE.toUtf8());
        qputenv("LANG", LANG.toUtf8());
        const QString found = translations::choose(translations::desktopLanguages());
        qputenv("LANGUAGE", "");
        qputenv("LANG", "C.UTF-8");
        QCOMPARE(found, chosen);
    }

    void portugalAndUnknownLanguagesFallBack() {
        QCOMPARE(translations::install({QStringLiteral("pt-PT")}), QStringLiteral("pt_BR"));
        QCOMPARE(translations::install({QStringLiteral("es-MX")}), QStringLiteral("es"));
        QCOMPARE(translations::install({QStringLiteral("zh-Hans-SG")}), QStringLiteral("zh_CN"));
        // The first language the toy speaks wins; English first means English.
        QCOMPARE(translations::install({QStringLiteral("sw"), QStringLiteral("de-AT")}),
                 QStringLiteral("de"));
        QCOMPARE(translations::install({QStringLiteral("en-GB"), QStringLiteral("de")}), QString());
        QCOMPARE(translations::install({QStringLiteral("C")}), QString());
        QCOMPARE(translations::install({QStringLiteral("sw")}), QString());
        Form1& form = freshForm1();
        QCOMPARE(form.menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void pseudoTranslationLeavesNoTextUntranslatedAndIsCaught() {
        PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        const QList<QWidget*> windows = openEveryWindow();
        auto& dialog = forms::get<Dialog1>();
        const QMap<QString, QString> texts = shownTexts(windows);
        dialog.Text1->setText(QStringLiteral("Ann"));
        dialog.OKButton_Click();
        const QString signature = static_cast<Form1*>(windows.first())->Label1->text();
        QStringList untranslated;
        for (auto [text, where] : texts.asKeyValueRange())
            if (!staysAsIs(text) && !text.startsWith(QLatin1Char('[')))
                untranslated << where + QStringLiteral(": ") + text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        QVERIFY2(signature.startsWith(QStringLiteral("[Ann Made This!")), qPrintable(signature));
        // Texts a third longer no longer fit: the checks say so, of the menu bar and of boxes.
        const QStringList problems = fitProblems(windows);
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY(problems.filter(QStringLiteral("menu bar")).size() > 0);
        QVERIFY(problems.filter(QStringLiteral("About")).size() > 0);
        QVERIFY(problems.filter(QStringLiteral("Command1")).size() > 0);
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"

// The catalogues as a translator hands them in: complete, every placeholder, line break, key
// name and number kept, one access key where English has one (in brackets for Chinese,
// Japanese and Korean) and on a letter easy to see and type, right-to-left texts that read
// from the right even when they start with a name, and the desktop entry, the setup (naming
// NSIS's own Next button) and the AppStream file, description and caption too, in every
// language.
#include "drawing/menu_tree.h"
#include "tests/support/catalogue.h"
#include "windows/form1.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, translation, type;
};

QList<Message> readCatalogue(const QString& path, QString& language) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("TS")) {
            language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m{context, {}, {}, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    return messages;
}

QStringList matches(const QString& pattern, const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// What a translation keeps as it stands: numbers, the file pattern, and the keys the How-to
// lines name.
const QString Kept = QStringLiteral("\\b\\d+(\\.\\d+)?\\b|\\(\\*\\.bmp\\)|\\b[ADWX](?= or \\d)");

// The kept parts of `source` that `translation` lacks, each standing on its own there.
QStringList lost(const QString& source, const QString& translation) {
    QStringList missing;
    for (const QString& part : matches(Kept, source))
        if (!translation.contains(QRegularExpression(QStringLiteral("(?<!\\w)(?<!\\d\\.)") +
                                                     QRegularExpression::escape(part) +
                                                     QStringLiteral("(?!\\w|\\.\\d)"))))
            missing << part;
    return missing;
}

// Persian writes its own digits in text: each stands for the same Latin one.
QString latinDigits(QString text) {
    for (QChar& c : text)
        if (c.unicode() >= 0x06F0 && c.unicode() <= 0x06F9)
            c = QChar(u'0' + (c.unicode() - 0x06F0));
    return text;
}

// Single "&"s (a "&&" shows one "&").
int accessKeys(const QString& text) {
    return int(matches(QStringLiteral("(?<!&)&(?!&)"), text).size());
}

// Whether the text, laid out on its own, starts from the right.
bool readsFromTheRight(const QString& text) {
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
            return true;
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirAN:
            return false;
        default:
            break;
        }
        if (c == QLatin1Char('%')) return false; // a name or number comes first
    }
    return true;
}

// A letter an access key is hard to find on: one with a mark above or below (the underline runs
// into it, and Czech or French keyboards type it from the number row), or with a descender the
// underline crosses, or Hebrew's vav, too thin to see underlined.
bool hardToSee(QChar c) {
    if (c.decompositionTag() == QChar::Canonical) return true; // é, č, å, й, ё
    return QStringLiteral("łŁøØđĐħ"
                          "gjpqy"
                          "дрруфцщДЦЩ"
                          "קךןףץו")
        .contains(c);
}

// Scripts whose letters that is said of. Arabic script is not checked: a letter's shape, and
// whether it reaches below the line, follows its neighbours, and the letters with hamza or
// madda (أ, آ) are keys of their own on Arabic and Persian keyboards.
bool checkedScript(QChar c) {
    return c.script() == QChar::Script_Latin || c.script() == QChar::Script_Greek ||
           c.script() == QChar::Script_Cyrillic || c.script() == QChar::Script_Hebrew;
}

// Captions that keep their key on such a letter although a plain one is free, and why.
struct KeyException {
    const char* language;
    const char16_t* caption;
    const char* why;
};
constexpr KeyException KeyExceptions[] = {
    {"he", u"&קובץ", "File's key on its first letter, where readers look for it first"},
};

// The captions that share a keyboard: the menu bar's titles, and each menu's entries.
QList<QStringList> menuGroups() {
    QList<QStringList> groups{{}};
    for (const auto& item : drawing::menuTree<Form1>()) {
        if (item.level == 1) {
            groups.first() << QString::fromUtf8(item.caption);
            groups << QStringList();
        } else {
            groups.last() << QString::fromUtf8(item.caption);
        }
    }
    return groups;
}

// What the setup calls NSIS's Next button in a language: "&Next >" in its .nlf is "Next".
QString nsisNextButton(const QString& nsisLanguage) {
    QFile file(QStringLiteral(NSIS_LANGUAGE_FILES "/%1.nlf").arg(nsisLanguage));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression comment(QStringLiteral("^#\\s*\\^NextBtn\\s*$"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (comment.match(lines[i]).hasMatch())
            return QString(lines[i + 1])
                .remove(QRegularExpression(QStringLiteral("\\(&\\w\\)|&|>")))
                .trimmed();
    return {};
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void catalogues_data() {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(TRANSLATIONS_DIR));
        for (const QString& name : dir.entryList({QStringLiteral("scribblewick_*.ts")}))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
        QVERIFY(dir.entryList({QStringLiteral("scribblewick_*.ts")}).size() == 26);
    }

    void catalogues() {
        QFETCH(QString, path);
        QString language;
        const QList<Message> messages = readCatalogue(path, language);
        QVERIFY2(!messages.isEmpty(), qPrintable(path));
        QVERIFY(path.endsWith(QStringLiteral("scribblewick_%1.ts").arg(language)));
        const bool cjk = language == QLatin1String("ja") || language == QLatin1String("ko") ||
                         language.startsWith(QLatin1String("zh"));
        const bool rightToLeft =
            QStringList{QStringLiteral("ar"), QStringLiteral("fa"), QStringLiteral("he")}.contains(
                language);
        QStringList faults;
        for (const Message& m : messages) {
            const QString what =
                m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
            const QString& t = m.translation;
            if (!m.type.isEmpty() || t.isEmpty()) {
                faults << what + (m.type.isEmpty() ? QStringLiteral("empty") : m.type);
                continue;
            }
            if (m.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
                if (t != QLatin1String(rightToLeft ? "RTL" : "LTR")) faults << what + t;
                continue;
            }
            if (matches(QStringLiteral("%\\d"), m.source) != matches(QStringLiteral("%\\d"), t))
                faults << what + QStringLiteral("placeholders differ: ") + t;
            if (const QStringList missing = lost(m.source, latinDigits(t)); !missing.isEmpty())
                faults << what + missing.join(QLatin1Char(' ')) + QStringLiteral(" lost: ") + t;
            if (m.source.count(QLatin1Char('\n')) != t.count(QLatin1Char('\n')))
                faults << what + QStringLiteral("line breaks differ: ") + t;
            if (accessKeys(m.source) != accessKeys(t))
                faults << what + QStringLiteral("access keys differ: ") + t;
            if (cjk && accessKeys(m.source) == 1) {
                // The English key in brackets, as Chinese, Japanese and Korean desktops show it.
                const QString key = matches(QStringLiteral("(?<!&)&[^&]"), m.source).first();
                if (!t.contains(QStringLiteral("(&%1)").arg(key.at(1).toUpper())))
                    faults << what + QStringLiteral("wants (&%1): ").arg(key.at(1).toUpper()) + t;
            }
            if (rightToLeft && !readsFromTheRight(t))
                faults << what + QStringLiteral("starts left to right without a mark: ") + t;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void desktopEntrySetupAndAppStreamInEveryLanguage() {
        QFile desktop(QStringLiteral(DESKTOP_ENTRY));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(desktop.readAll());
        QFile metainfo(QStringLiteral(METAINFO));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        // How many of each element the AppStream file has in each language ("p" English,
        // "pde" German).
        QHash<QString, int> inLanguage;
        for (QXmlStreamReader xml(&metainfo); !xml.atEnd();)
            if (xml.readNext() == QXmlStreamReader::StartElement)
                ++inLanguage[xml.name().toString() +
                             xml.attributes().value(QLatin1String("xml:lang")).toString()];
        QVERIFY(!metainfo.error() && inLanguage[QStringLiteral("p")] == 2 &&
                inLanguage[QStringLiteral("li")] == 4 &&
                inLanguage[QStringLiteral("caption")] == 1);
        QFile setupLanguages(QStringLiteral(SETUP_LANGUAGES));
        QVERIFY(setupLanguages.open(QIODevice::ReadOnly));
        // makensis reads UTF-8 only after a byte order mark.
        QVERIFY(setupLanguages.peek(3) == "\xEF\xBB\xBF");
        const QString setup = QString::fromUtf8(setupLanguages.readAll());
        const QDir dir(QStringLiteral(TRANSLATIONS_DIR));
        for (QString name : dir.entryList({QStringLiteral("scribblewick_*.ts")})) {
            const QString language = name.remove(QStringLiteral("scribblewick_")).remove(".ts");
            for (const char* key : {"Name", "GenericName", "Comment", "Keywords"})
                QVERIFY2(entry.contains(QStringLiteral("\n%1[%2]=").arg(key, language)),
                         qPrintable(QStringLiteral("%1[%2]").arg(key, language)));
            // As many of each as English has: the description's paragraphs and points too.
            for (const char* element : {"name", "summary", "p", "li", "caption"})
                QVERIFY2(inLanguage[element + language] == inLanguage[element],
                         qPrintable(QStringLiteral("%1 %2").arg(element, language)));
            QVERIFY2(setup.contains(QRegularExpression(
                         QStringLiteral("\\n!insertmacro SCRIBBLEWICK_LANGUAGE \\w+ %1 ")
                             .arg(language))),
                     qPrintable(QStringLiteral("setup %1").arg(language)));
        }
    }

    // "Click Next" says the button as NSIS's own catalogue of the language writes it, in the
    // language's quotation marks, not ASCII ones.
    void setupNamesNsisNextButton() {
        QFile setupLanguages(QStringLiteral(SETUP_LANGUAGES));
        QVERIFY(setupLanguages.open(QIODevice::ReadOnly));
        static const QRegularExpression line(
            QStringLiteral("^!insertmacro SCRIBBLEWICK_LANGUAGE (\\w+) \\w+ (.*)$"),
            QRegularExpression::MultilineOption);
        QStringList faults;
        int languages = 0;
        for (const QRegularExpressionMatch& m :
             line.globalMatch(QString::fromUtf8(setupLanguages.readAll()))) {
            ++languages;
            const QString button = nsisNextButton(m.captured(1));
            if (button.isEmpty())
                faults << m.captured(1) + QStringLiteral(": no ^NextBtn in its .nlf");
            else if (!m.captured(2).contains(
                         QRegularExpression(QStringLiteral("(?<!\\w)%1(?!\\w)")
                                                .arg(QRegularExpression::escape(button)))))
                faults << m.captured(1) + QStringLiteral(" does not name ") + button;
            else if (m.captured(2).contains(QLatin1Char('\'') + button + QLatin1Char('\'')))
                faults << m.captured(1) + QStringLiteral(" quotes ") + button +
                              QStringLiteral(" in ASCII apostrophes");
        }
        QCOMPARE(languages, 27); // English and the catalogues' 26
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void accessKeysOnPlainLetters() {
        const QDir dir(QStringLiteral(TRANSLATIONS_DIR));
        QStringList faults;
        QSet<QString> exceptionsUsed;
        for (const QString& name : dir.entryList({QStringLiteral("scribblewick_*.ts")})) {
            QString language;
            QHash<QString, QString> form1;
            for (const Message& m : readCatalogue(dir.filePath(name), language))
                if (m.context == QLatin1String("Form1")) form1[m.source] = m.translation;
            for (const QStringList& group : menuGroups()) {
                QStringList captions, keys;
                for (const QString& source : group) {
                    if (accessKeys(source) != 1) continue;
                    captions << form1.value(source);
                    keys << Catalogue::accessKey(captions.last());
                }
                for (qsizetype i = 0; i < captions.size(); ++i) {
                    const QChar key = captions[i].at(captions[i].indexOf(QLatin1Char('&')) + 1);
                    if (!checkedScript(key) || !hardToSee(key)) continue;
                    QString free;
                    for (const QChar c : Catalogue::spoken(captions[i]))
                        if (c.isLetter() && checkedScript(c) && !hardToSee(c) &&
                            !keys.contains(QString(c.toLower())) && !free.contains(c))
                            free += c;
                    if (free.isEmpty()) continue;
                    const QString exception = language + captions[i];
                    bool excepted = false;
                    for (const KeyException& e : KeyExceptions)
                        if (exception == QLatin1String(e.language) + QString::fromUtf16(e.caption))
                            excepted = true;
                    if (excepted)
                        exceptionsUsed << exception;
                    else
                        faults << QStringLiteral("%1 %2: the key is on %3, and %4 are free")
                                      .arg(language, captions[i], key, free);
                }
            }
        }
        // An exception no caption needs any more goes.
        for (const KeyException& e : KeyExceptions)
            if (!exceptionsUsed.contains(QLatin1String(e.language) + QString::fromUtf16(e.caption)))
                faults << QStringLiteral("no longer needed: %1 %2")
                              .arg(QLatin1String(e.language), QString::fromUtf16(e.caption));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"

// The catalogues as a translator hands them in: complete, every placeholder, line break, key
// name and number kept, one access key where English has one (in brackets for Chinese,
// Japanese and Korean), right-to-left texts that read from the right even when they start
// with a name, and the desktop entry, the setup and the AppStream file in every language.
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
        const QString appstream = QString::fromUtf8(metainfo.readAll());
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
            for (const char* element : {"name", "summary"})
                QVERIFY2(appstream.contains(
                             QStringLiteral("<%1 xml:lang=\"%2\">").arg(element, language)),
                         qPrintable(QStringLiteral("%1 %2").arg(element, language)));
            QVERIFY2(setup.contains(QRegularExpression(
                         QStringLiteral("\\n!insertmacro SCRIBBLEWICK_LANGUAGE \\w+ %1 ")
                             .arg(language))),
                     qPrintable(QStringLiteral("setup %1").arg(language)));
        }
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"

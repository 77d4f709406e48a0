// Writes the desktop entry or the AppStream file from its template in every language the toy
// speaks. A line that names a text of translations/package_texts.h as @key@ comes out in
// English, then once for each catalogue that translates it, marked the way its format marks a
// language:
//   Comment=@summary@  ->  Comment=Draw…       Comment[de]=Male…
//   <p>@about@</p>     ->  <p>Scribblewick…</p>  <p xml:lang="de">Scribblewick…</p>
// A catalogue without the text leaves its line out: the catalogue check names the language.
// Usage: fill_in_languages TEMPLATE OUTPUT
#include "translations/language.h"
#include "translations/package_texts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>
#include <cstdio>
#include <functional>
#include <list>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "fill_in_languages: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail(QStringLiteral("usage: fill_in_languages TEMPLATE OUTPUT"));
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.fileName() + QStringLiteral(": ") + in.errorString());

    struct Catalogue {
        QString language;
        QTranslator translator;
    };
    std::list<Catalogue> catalogues; // QTranslator neither copies nor moves
    for (const QString& language : translations::available()) {
        Catalogue& c = catalogues.emplace_back();
        c.language = language;
        if (!c.translator.load(QStringLiteral(":/i18n/scribblewick_%1.qm").arg(language)))
            return fail(QStringLiteral("no catalogue for ") + language);
    }

    static const QRegularExpression desktopLine(QStringLiteral("^(\\w+)=@(\\w+)@$"));
    static const QRegularExpression xmlLine(QStringLiteral("^(\\s*)<(\\w+)>@(\\w+)@</\\2>$"));
    static const QRegularExpression placeholder(QStringLiteral("@\\w+@"));
    QStringList out;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        QString key;
        // The line for one language ("" for English) and its text.
        std::function<QString(const QString&, const QString&)> write;
        if (const QRegularExpressionMatch m = desktopLine.match(line); m.hasMatch()) {
            key = m.captured(2);
            write = [name = m.captured(1)](const QString& language, const QString& text) {
                return name +
                       (language.isEmpty() ? QString()
                                           : QLatin1Char('[') + language + QLatin1Char(']')) +
                       QLatin1Char('=') + text;
            };
        } else if (const QRegularExpressionMatch m = xmlLine.match(line); m.hasMatch()) {
            key = m.captured(3);
            write = [indent = m.captured(1), tag = m.captured(2)](const QString& language,
                                                                  const QString& text) {
                const QString lang = language.isEmpty()
                                         ? QString()
                                         : QStringLiteral(" xml:lang=\"%1\"").arg(language);
                return QStringLiteral("%1<%2%3>%4</%2>")
                    .arg(indent, tag, lang, text.toHtmlEscaped());
            };
        } else if (line.contains(placeholder)) {
            return fail(QStringLiteral("%1:%2: a placeholder stands alone in its line, as "
                                       "Key=@key@ or <tag>@key@</tag>")
                            .arg(in.fileName())
                            .arg(n + 1));
        } else {
            out << line;
            continue;
        }
        const package_texts::Text* text = nullptr;
        for (const package_texts::Text& t : package_texts::Texts)
            if (key == QLatin1String(t.key)) text = &t;
        if (!text)
            return fail(QStringLiteral("%1:%2: no text @%3@ in translations/package_texts.h")
                            .arg(in.fileName())
                            .arg(n + 1)
                            .arg(key));
        const QString english = QString::fromUtf8(text->source);
        out << write(QString(), english);
        for (const Catalogue& c : catalogues) {
            const QString translation =
                text->translated ? c.translator.translate(package_texts::Context, text->source)
                                 : english;
            if (!translation.isEmpty()) out << write(c.language, translation);
        }
    }
    const QByteArray written = out.join(QLatin1Char('\n')).toUtf8();

    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(written) != written.size() || !file.commit())
        return fail(file.fileName() + QStringLiteral(": ") + file.errorString());
    return 0;
}

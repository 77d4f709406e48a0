#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>
#include <utility>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

namespace translations {
namespace {

// Languages that read one of ours: Portugal's Portuguese reads Brazil's, Simplified Chinese
// outside mainland China (Singapore) reads mainland China's, and Traditional Chinese (Hong
// Kong, Macao) reads Taiwan's.
constexpr std::array<std::pair<const char*, const char*>, 6> Readers{{
    {"pt", "pt_BR"},
    {"zh", "zh_CN"},
    {"zh_Hans", "zh_CN"},
    {"zh_Hant", "zh_TW"},
    {"zh_HK", "zh_TW"},
    {"zh_MO", "zh_TW"},
}};

//: Not a text to show: "RTL" for a language written right to left, else "LTR". Qt lays out
//: every window by it.
[[maybe_unused]] constexpr const char* Direction =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString catalogue(const QString& name, const QString& language) {
    return QStringLiteral(":/i18n/%1_%2.qm").arg(name, language);
}

// Ours for one language, "pt_PT" tried as pt_PT, then pt; "" when none fits.
QString ourLanguageFor(QString language) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (;;) {
        for (const auto& [reader, read] : Readers)
            if (language == QLatin1String(reader)) language = QLatin1String(read);
        if (QFile::exists(catalogue(QStringLiteral("scribblewick"), language))) return language;
        const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
        if (cut < 0) return {};
        language.truncate(cut);
    }
}

std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

} // namespace

QStringList desktopLanguages() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_WASM)
    QStringList wanted =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        wanted << qEnvironmentVariable(variable);
    QStringList languages;
    for (const QString& written : std::as_const(wanted)) {
        // "de_DE.UTF-8@euro" is German of Germany.
        QString entry = written.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
        if (entry == QLatin1String("POSIX")) entry = QStringLiteral("C");
        if (!entry.isEmpty()) languages << entry;
    }
    return languages;
#elif defined(Q_OS_WASM)
    // The browser's list as it writes it ("de-DE"), most wanted first.
    const emscripten::val navigator = emscripten::val::global("navigator");
    const emscripten::val list = navigator["languages"];
    QStringList languages;
    const int count = list.isUndefined() ? 0 : list["length"].as<int>();
    for (int i = 0; i < count; ++i)
        languages << QString::fromStdString(list[i].as<std::string>());
    if (languages.isEmpty() && navigator["language"].isString())
        languages << QString::fromStdString(navigator["language"].as<std::string>());
    return languages;
#else
    return QLocale::system().uiLanguages();
#endif
}

QString choose(const QStringList& languages) {
    for (const QString& wanted : languages) {
        if (wanted == QLatin1String("C") || wanted.startsWith(QLatin1String("en"))) return {};
        if (QString chosen = ourLanguageFor(wanted); !chosen.isEmpty()) return chosen;
    }
    return {};
}

void useFontsFor(const QString& language) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_WASM)
    if (!language.isEmpty() && qEnvironmentVariableIsEmpty("FC_LANG"))
        qputenv("FC_LANG", language.toLower().replace(QLatin1Char('_'), QLatin1Char('-')).toUtf8());
#else
    Q_UNUSED(language);
#endif
}

QString isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);
}

QString install(const QStringList& languages) {
    for (auto* installed : {&ours, &qts})
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    QString chosen = choose(languages);
    QLocale::setDefault(chosen.isEmpty() ? QLocale::system() : QLocale(chosen));
    if (chosen.isEmpty()) return {};
    // Qt's words first, ours over them: a translator installed later is asked first.
    qts = std::make_unique<QTranslator>();
    if (qts->load(catalogue(QStringLiteral("qtbase"), chosen)))
        QCoreApplication::installTranslator(qts.get());
    ours = std::make_unique<QTranslator>();
    if (ours->load(catalogue(QStringLiteral("scribblewick"), chosen)))
        QCoreApplication::installTranslator(ours.get());
    return chosen;
}

QStringList available() {
    // The catalogues embedded are the languages: translations/CMakeLists.txt names them.
    QStringList names;
    const QString prefix = QStringLiteral("scribblewick_");
    for (const QString& name :
         QDir(QStringLiteral(":/i18n")).entryList({prefix + QStringLiteral("*.qm")}))
        names << name.mid(prefix.size()).chopped(3);
    return names;
}

} // namespace translations

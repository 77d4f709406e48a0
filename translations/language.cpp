#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>
#include <array>
#include <memory>
#include <utility>

namespace translations {
namespace {

// Languages that read one of ours: Portugal's Portuguese reads Brazil's, and Simplified
// Chinese outside mainland China (Singapore) reads mainland China's.
constexpr std::array<std::pair<const char*, const char*>, 2> Readers{{
    {"pt", "pt_BR"},
    {"zh_Hans", "zh_CN"},
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

QString install(const QStringList& languages) {
    for (auto* installed : {&ours, &qts})
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    QString chosen;
    for (const QString& wanted : languages) {
        if (wanted == QLatin1String("C") || wanted.startsWith(QLatin1String("en"))) break;
        chosen = ourLanguageFor(wanted);
        if (!chosen.isEmpty()) break;
    }
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

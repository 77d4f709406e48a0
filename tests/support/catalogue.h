#pragma once

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>

// One language's catalogue as the build made it, for tests that check what a person sees.
class Catalogue {
public:
    explicit Catalogue(const QString& language)
        : loaded_(translator_.load(QStringLiteral(QM_DIR "/scribblewick_%1.qm").arg(language))) {}

    bool isLoaded() const { return loaded_; }
    // Every language the build made a catalogue for.
    static QStringList languages() {
        QStringList names;
        for (QString name : QDir(QStringLiteral(QM_DIR)).entryList({"scribblewick_*.qm"}))
            names << name.remove(QStringLiteral("scribblewick_")).chopped(3);
        return names;
    }
    // A desktop's LANG for the language, in the language's likeliest country ("de"
    // de_DE.UTF-8, "uk" uk_UA.UTF-8, "ar" ar_EG.UTF-8).
    static QString desktopLang(const QString& language) {
        return QLocale(language).name() + QStringLiteral(".UTF-8");
    }
    // The text as the toy shows it in this language.
    QString tr(const char* context, const char* source) const {
        const QString text = translator_.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }
    // The letter of a caption's access key, lower-case, as typed with Alt.
    static QString accessKey(const QString& caption) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("(?<!&)&([^&])")).match(caption);
        return m.hasMatch() ? m.captured(1).toLower() : QString();
    }
    // A caption as a screen reader announces it: without its access key's "&".
    static QString spoken(QString caption) {
        return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }

private:
    QTranslator translator_;
    bool loaded_;
};

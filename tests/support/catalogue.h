#pragma once

#include <QDir>
#include <QMap>
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
    // A desktop's LANG for the language, as Debian names it ("de" de_DE.UTF-8, "ar" ar_EG...).
    static QString desktopLang(const QString& language) {
        static const QMap<QString, QString> places{{"ar", "ar_EG"}, {"ja", "ja_JP"}};
        const QString locale =
            language.contains(QLatin1Char('_'))
                ? language
                : places.value(language, language + QLatin1Char('_') + language.toUpper());
        return locale + QStringLiteral(".UTF-8");
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

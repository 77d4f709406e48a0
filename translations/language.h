#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The toy follows the desktop's language and has no setting of its own. English is the
// language the texts are written in: it needs no catalogue.
namespace translations {

// The desktop's languages, most wanted first: on Linux LANGUAGE's list, then LC_ALL,
// LC_MESSAGES and LANG as they are written ("de_DE", "C"), so that an entry Qt does not know
// stays itself instead of turning into "C"; elsewhere the system's UI languages.
QStringList desktopLanguages();

// The first of `languages` (most wanted first) that the toy speaks, as its catalogue is named
// ("pt_BR"), skipping those it does not; "" for English, when "C" or English comes first or
// none fits. Needs no application object.
QString choose(const QStringList& languages);

// Text drawn in the chosen language takes that language's glyphs (Chinese, not Japanese, for
// Chinese): tells the system's font matching before the application starts, as fontconfig
// reads it once. A language the user set for fonts themselves stays.
void useFontsFor(const QString& language);

// Installs our catalogue and Qt's for choose(languages), and makes it the default locale.
// Replaces what an earlier call installed. Returns the catalogue's language, or "" for English.
QString install(const QStringList& languages = desktopLanguages());

// `name` (a file, folder or printer) set apart inside a sentence, so that it keeps its own
// reading direction in a sentence of the other: "/proc/a.bmp" inside Arabic stays as it is.
QString isolated(const QString& name);

// Every language the toy has a catalogue for, as the catalogues are named ("zh_CN").
QStringList available();

} // namespace translations

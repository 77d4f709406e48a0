#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The toy follows the desktop's language and has no setting of its own. English is the
// language the texts are written in: it needs no catalogue.
namespace translations {

// Installs our catalogue and Qt's for the first of `languages` (most wanted first, as
// QLocale::uiLanguages gives them) that the toy speaks, or none when English comes first or
// none fits. Replaces what an earlier call installed. Returns the catalogue's language
// ("pt_BR"), or "" for English.
QString install(const QStringList& languages = QLocale().uiLanguages());

// Every language the toy has a catalogue for, as the catalogues are named ("zh_CN").
QStringList available();

} // namespace translations

#pragma once
// The language the windows speak: chosen from the desktop's languages at start, with Qt's own
// catalogues for its standard dialogs beside the program's.

#include <QString>
#include <QStringList>

#include "RosterWords.h"

namespace dutywise {

// The languages the program has a catalogue for, English (the texts in the code) first.
QStringList CatalogueLanguages();

// The first of the user's languages ("de-CH", "nl_BE", "fr") that has a catalogue, "en" when
// English comes first or none has one.
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the program's and Qt's catalogues for the language in the running application, in
// place of any installed before; English removes them. False when the program's catalogue
// for a language other than English could not be loaded (the texts then stay English).
bool InstallLanguage(const QString& language);

// The language installed last, "en" before any.
QString InstalledLanguage();

// A text of the program's catalogue for the desktop's language, usable before the application
// object exists (the command line's help and refusals).
QString TranslateEarly(const char* context, const char* sourceText);

// A text of Qt's own catalogue for the desktop's language, likewise before the application
// object exists (the parser's headings in the command line's help).
QString TranslateQtEarly(const char* context, const char* sourceText);

// The roster's words and the build's messages in the installed language.
RosterWords TranslatedRosterWords();

} // namespace dutywise

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The language the interface speaks. The desktop asks for one through the
// environment: LANGUAGE (a colon-separated list of preferences), then LC_ALL,
// LC_MESSAGES and LANG, the first one set deciding. The texts in the sources
// are English, which is also what any language without a translation gets.

// The locale name ("de_DE", "fr") of the first language asked for that is one
// of `translated` (language codes such as "de"); empty for English. An entry
// of LANGUAGE without a translation gives way to the next one and then to the
// other variables; the first of those that is set decides, "C" and "POSIX"
// meaning English.
QString ChooseLanguage(const std::function<QString(const char*)>& environment,
                       const QStringList& translated);

// The languages the program ships a translation of.
QStringList TranslatedLanguages();

// Chooses the language from the process environment and, for one that has a
// translation, installs the program's translation and Qt's own (the standard
// buttons and dialogs) and makes its locale the default, so that numbers,
// dates and names of months and days follow it. Needs the application object.
void InstallTranslations();

// Whether the interface speaks a translated language; under English, the
// calendar keeps its fixed English names of months and days.
bool InterfaceTranslated();

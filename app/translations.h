#pragma once
// The program's own texts in the desktop's language: menus, dialogs, messages
// and Qt's own dialogs. The calendar pages do not follow it; they speak the
// calendar's language.

#include <QString>
#include <QStringList>

#include "caldata/user_text.h"

class QCoreApplication;

namespace tessolar {

// The languages the desktop asks for, most wanted first, as locale names
// without codeset or modifier ("de_DE", "es"): the list in LANGUAGE, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. "C" and "POSIX" count
// as English.
QStringList DesktopLanguages();

// Installs the program's translation and Qt's own for the first desktop
// language the program speaks, and returns its name. English, the language of
// the sources, needs none, and neither does a desktop that asks for no
// language the program has: both return an empty name.
QString InstallTranslations(QCoreApplication& app);

// `text` in the installed language: its phrase translated, then its values,
// each translated first, put in.
QString Translated(const UserText& text);

}  // namespace tessolar

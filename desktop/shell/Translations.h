#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts and Qt's own (standard buttons and dialogs) in the desktop's language.
namespace Translations {

// The folders searched for quirewell_<language>.qm, in order: the installed one beside the
// program (../share/quirewell/translations), then the build tree's.
QStringList searchFolders();

// Installs the translators for the first of the desktop's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, through QLocale::system()) that Quirewell is translated into, unless
// English comes before it; English, the language of the source texts, when there is none.
// Qt's own translation of that language goes with it. Once per process; returns the file
// name of the loaded translation ("quirewell_de.qm"), empty for English.
QString install(QCoreApplication &application);

} // namespace Translations

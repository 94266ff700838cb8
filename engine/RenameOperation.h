#pragma once

#include <QByteArray>
#include <QString>

// Moves source to target without ever replacing an existing file or folder:
// renameat2(RENAME_NOREPLACE), or link + unlink for files where the file system refuses
// that flag. Returns false with error set to the system's text (strerror, no trailing
// line break) on failure; error is emptied first.
bool renameNoReplace(const QByteArray &source, const QByteArray &target, QString &error);

// Why newName may not be used as a name inside a folder (empty, "." or "..", contains '/'
// or a NUL character), or an empty text when it may. A rename never moves a file into
// another folder.
QString refusedNameReason(const QString &newName);

// Renames the file oldName in folder (the folder's bytes, ending in '/') to newName in the
// same folder, after refusedNameReason() has accepted newName.
bool renameInFolder(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                    QString &error);

// The system's text for an errno value, without a trailing line break.
QString systemErrorText(int errnoValue);

#pragma once

#include "core/system/SystemError.h" // systemErrorText, which callers of the rename use

#include <QByteArray>
#include <QString>
#include <QStringView>

// Why newName may not be used as a name inside a folder (empty, "." or "..", contains '/'
// or a NUL character, or a surrogate that stands for no byte), or an empty text when it
// may. A rename never moves a file into another folder.
QString refusedNameReason(const QString &newName);
// Whether refusedNameReason accepts newName; quick, without a copy, for the usual ASCII name.
bool isAcceptedName(QStringView newName);

// Renames the entry oldName (exact bytes) of folder (exact bytes; empty for the current
// folder) to newName (decodeFileName's form) in the same folder, never replacing anything:
//  - renameat2(RENAME_NOREPLACE);
//  - where the file system refuses that flag: link + unlink, or, without hard links,
//    an empty file reserved with O_CREAT | O_EXCL that is renamed over only while it is
//    still the empty file this call made (same device and inode);
//  - a case-only change whose target is the file itself (case-insensitive file systems)
//    goes through a temporary name in the same folder.
// folderFd: an open handle of folder (O_PATH is enough), or -1 to open one for this call.
// Returns false with error set to the reason (the system's text, where a file was left
// under a second name saying so); error is emptied first.
bool renameInFolder(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                    QString &error, int folderFd = -1);

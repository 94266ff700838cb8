#pragma once

#include <QByteArray>
#include <QString>

class FileRows;

// The file list export: every row's full path (Location followed by the loaded name, whatever
// its check box and new name) as UTF-16LE after its byte-order mark, CR LF between lines and
// no line break after the last; an empty list gives an empty file. One file, reused by every
// export, in a folder only the user can enter; never written through a symbolic link.
namespace ExportFile {

// The text of the export.
QByteArray text(const FileRows &rows);

// The private folder: $XDG_RUNTIME_DIR when it is the user's own folder that no one else may
// enter, else "quirewell" in the user's cache folder, created with mode 0700. Empty, with
// error set, when neither can be had.
QString privateFolder(QString &error);

// The export file's path inside the private folder; empty on failure.
QString path(QString &error);

// Writes data to file, created with mode 0600 or truncated. Refuses a symbolic link, and
// anything that is not a regular file owned by the user with a single link.
bool write(const QString &file, const QByteArray &data, QString &error);

// text() written to path(); file receives the path. False with error set on failure, when the
// view shows "Could Not Open Temporary File to Save File List.".
bool exportRows(const FileRows &rows, QString &file, QString &error);

} // namespace ExportFile

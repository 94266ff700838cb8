#pragma once

#include "core/engine/names/FileRows.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// Renames given as a list: each line names a file (a path relative to a folder) and its new
// name. Three forms are read:
// - text, a line "OLD<TAB>NEW";
// - CSV (RFC 4180, no header row) with the same two columns, for a file whose name ends in
//   ".csv";
// - the six columns that quirewell-cli preview prints, of which the loaded name, the new name
//   and the location count.
// Fields hold the escapes quirewell-cli prints: \t, \n, \r, \\, \0 and \xHH for one byte.
// Every line is checked before anything is renamed; a problem anywhere refuses the whole list.

// What is wrong with one line (line 0: the whole file).
struct MappingProblem
{
    int line = 0;
    QString reason;
};

// One line read: the file as a path relative to the folder, and its new name.
struct MappingEntry
{
    int line = 0;
    QByteArray oldPath; // exact bytes
    QString newName;    // decodeFileName of its bytes
};

struct MappingRead
{
    std::vector<MappingEntry> entries;
    std::vector<MappingProblem> problems;
};

namespace NameMapping {

// A larger mapping file is refused unread (a million rows of long paths stay below it).
constexpr qint64 kLargestFile = qint64(256) << 20;

enum class Form
{
    Text, // tab-separated, two or six columns a line
    Csv   // RFC 4180, two or six fields a record
};

// The form a mapping file's name asks for.
Form formOf(const QString &path);

// A name or text as UTF-8, with tab, line feed, carriage return, backslash and NUL written
// \t, \n, \r, \\ and \0, and each byte of a name that is not UTF-8 (an escaped byte, see
// FileNames.h) written \xHH, so that it stays on one line and names no other file.
QByteArray escaped(const QString &text);
// The same for a name or path given as its bytes on disk, into out.
void escapeBytes(QByteArrayView bytes, QByteArray &out);

// The bytes of an escaped field; false, with error set, for an escape that is not one of the
// above or a raw NUL byte.
bool unescape(QByteArrayView field, QByteArray &out, QString &error);

// Reads a whole file into text: a regular file (a link to one is followed) of at most
// kLargestFile bytes; a FIFO, a device or a folder is refused without being opened. Returns
// why it could not be read, or an empty text.
QString readText(const QString &path, QByteArray &text);

// Reads a mapping file: a regular file (a link to one is followed) of at most kLargestFile
// bytes; a FIFO, a device or a folder is refused without reading. folder is the FOLDER the
// paths are relative to, used to place the locations of preview output.
MappingRead readFile(const QString &path, const QString &folder);
// The same for text already read.
MappingRead parse(QByteArrayView text, Form form, const QString &folder);

// The lines of a file of new names, one per line in the same escapes: an empty file gives no
// names; otherwise problems name each line that cannot be read.
struct NameLines
{
    std::vector<QString> names;
    std::vector<MappingProblem> problems;
};
NameLines parseNameLines(QByteArrayView text);

// The checked mapping: rows ready for the batch (every one checked, in the mapping's order),
// the line of each row, and every problem found.
struct Plan
{
    FileRows rows;
    std::vector<int> lines; // lines[i]: the mapping line of rows.rows[i]
    std::vector<MappingProblem> problems;
    bool needsReorder = false; // some line was refused only because it needs --reorder

    int renameCount() const;
};

// Checks every entry against folder: the path is relative and stays inside it (no "..", no
// symbolic link to a folder on the way), the file exists and is not a folder, no two lines
// name the same file or give the same new name in one folder, the new name is valid and not
// taken. A new name that another line frees (a chain or a swap) counts as taken unless
// reorder is set. Problems come sorted by line.
Plan check(const QString &folder, const std::vector<MappingEntry> &entries, bool reorder);

} // namespace NameMapping

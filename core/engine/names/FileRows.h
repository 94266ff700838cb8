#pragma once

#include "core/engine/names/FileNames.h"
#include "core/engine/names/RowProblems.h"
#include "core/system/LargeBuffer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <limits>
#include <vector>

// The one table of listed files. Every part of the program (preview, batch rename,
// single-file rename, list commands, the desktop view's model and the command-line
// front end) reads and writes the rows through this table.
//
// Column texts: 0 "Sr" = serial, 1 "Loaded File Name" = loadedName, 2 "New File Name" =
// newName, 3 "Last Write Time" and 4 "Size" are formatted from mtime and size when shown,
// 5 "Location" = folders[folder] (always ending in '/').

constexpr qint64 kUnknownTime = std::numeric_limits<qint64>::min();

struct FileRow
{
    QString loadedName;          // column 1: the name as listed (decodeFileName of its bytes)
    QString newName;             // column 2: shares loadedName's data until a rule changes it
    qint64 size = 0;             // bytes
    qint64 mtime = kUnknownTime; // seconds since the epoch; kUnknownTime when unreadable
    quint64 inode = 0; // the file's inode when listed (on its folder's device); 0: not known
    qint32 serial = 0; // column 0; never renumbered after the row is added
    // Index into FileRows::folders; it shares four bytes with checked, which keeps a row at
    // 80 bytes rather than 88 (a million rows are held at once).
    quint32 folder : 31 = 0;
    bool checked : 1 = true;

    // Bytes of the name on disk, for building paths.
    QByteArray nameBytes() const { return encodeFileName(loadedName); }
};

static_assert(sizeof(FileRow) == 80);

struct FileFolder
{
    QString location;   // column 5 text: the folder followed by '/' (decodeFileName)
    QByteArray rawPath; // the exact bytes of the same path, ending in '/'
    quint64 device = 0; // the device of its files when listed
};

class FileRows
{
public:
    std::vector<FileRow, LargeBufferAllocator<FileRow>> rows;
    std::vector<FileFolder> folders;
    // What is wrong with each row's new name; empty until a computation marks one.
    RowProblems problems;

    int count() const { return int(rows.size()); }
    void clear()
    {
        rows.clear();
        folders.clear();
        problems.clear();
    }

    const QString &location(int row) const { return folders[rows[size_t(row)].folder].location; }
    // Location followed directly by the loaded name; escaped bytes stay escaped.
    QString fullPath(int row) const { return location(row) + rows[size_t(row)].loadedName; }
    QByteArray fullPathBytes(int row) const
    {
        const FileRow &r = rows[size_t(row)];
        return folders[r.folder].rawPath + r.nameBytes();
    }
    int checkedCount() const;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// Every entry below a folder, by its exact relative path in bytes: a file maps to its
// content, a folder to a marker, a symbolic link to a marker and its target. Read with
// POSIX calls so that names that are not UTF-8 keep their exact bytes, relative to open folders
// so that a tree of any depth is read.
class FolderSnapshot
{
public:
    using Entries = std::map<QByteArray, QByteArray>;

    static FolderSnapshot take(const QByteArray &root);

    const Entries &entries() const { return m_entries; }
    Entries &entries() { return m_entries; }
    bool operator==(const FolderSnapshot &) const = default;

    static bool isFolderMarker(const QByteArray &value);
    static QByteArray folderMarker();

    // The first difference to other, for a failure message; empty when equal.
    QString differenceTo(const FolderSnapshot &other) const;

private:
    void read(int folder, const QByteArray &relative);
    Entries m_entries;
};

// A path in bytes as printable text: every byte outside printable ASCII as \xNN.
QString printablePath(const QByteArray &bytes);

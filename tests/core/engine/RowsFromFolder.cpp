#include "tests/core/engine/RowsFromFolder.h"

#include "core/engine/names/FileNames.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::vector<QByteArray> namesIn(const QString &folder)
{
    std::vector<QByteArray> names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

quint32 folderIndex(FileRows &rows, const QString &folder)
{
    const QByteArray raw = QFile::encodeName(folder) + '/';
    for (size_t i = 0; i < rows.folders.size(); ++i)
        if (rows.folders[i].rawPath == raw)
            return quint32(i);
    rows.folders.push_back({folder + QLatin1Char('/'), raw});
    return quint32(rows.folders.size() - 1);
}

} // namespace

void appendRow(FileRows &rows, const QString &folder, const QByteArray &name)
{
    FileRow row;
    row.loadedName = decodeFileName(name);
    row.newName = row.loadedName;
    row.serial = qint32(rows.rows.size() + 1);
    row.folder = folderIndex(rows, folder);
    rows.rows.push_back(std::move(row));
}

void appendFolderRows(FileRows &rows, const QString &folder)
{
    for (const QByteArray &name : namesIn(folder))
        appendRow(rows, folder, name);
}

QList<QByteArray> folderContents(const QString &folder)
{
    QList<QByteArray> contents;
    for (const QByteArray &name : namesIn(folder)) {
        const QByteArray path = QFile::encodeName(folder) + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW);
        if (fd < 0)
            continue;
        QByteArray data;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            data.append(buffer, n);
        ::close(fd);
        contents.append(data);
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

QStringList newNames(const FileRows &rows)
{
    QStringList names;
    for (const FileRow &row : rows.rows)
        names.append(row.newName);
    return names;
}

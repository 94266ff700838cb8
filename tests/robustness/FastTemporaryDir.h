#pragma once

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// A temporary folder in memory (/dev/shm) where the machine has one: the stress tests
// create hundreds of thousands of entries, which a shared disk makes slow. Elsewhere the
// usual temporary folder.
inline QString fastTemporaryPattern()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/quirewell-robust-XXXXXX");
}

class FastTemporaryDir : public QTemporaryDir
{
public:
    FastTemporaryDir() : QTemporaryDir(fastTemporaryPattern()) {}
};

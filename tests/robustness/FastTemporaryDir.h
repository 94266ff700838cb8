#pragma once

#include "tests/robustness/TreeBuilders.h"

#include <QDir>
#include <QFile>
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

// Removed by the bytes of its names: QTemporaryDir's own clean-up goes by decoded names and
// leaves behind every name that is not UTF-8.
class FastTemporaryDir : public QTemporaryDir
{
public:
    FastTemporaryDir() : QTemporaryDir(fastTemporaryPattern()) {}
    ~FastTemporaryDir()
    {
        if (isValid() && autoRemove())
            removeTree(QFile::encodeName(path()));
    }
};

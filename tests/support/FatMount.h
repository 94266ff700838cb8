#pragma once

#include <QString>
#include <QTemporaryDir>

// A small FAT file system image mounted through FUSE (fusefat from dosfstools' mkfs.fat
// image), for tests of file systems without RENAME_NOREPLACE, hard links or case-sensitive
// names. Unmounted when destroyed.
class FatMount
{
public:
    FatMount();
    ~FatMount();
    FatMount(const FatMount &) = delete;
    FatMount &operator=(const FatMount &) = delete;

    // Whether the image is mounted; otherwise skipReason() says why not.
    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    // The mounted folder, without a trailing '/'.
    QString root() const { return m_dir.filePath(QStringLiteral("mnt")); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};

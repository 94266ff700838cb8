#include "tests/support/FatMount.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// Runs program with arguments; an empty text when it exits with status 0, else why not.
QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return program + QStringLiteral(" did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAll()).trimmed();
    return {};
}

} // namespace

FatMount::FatMount()
{
    const QString mkfs = QStandardPaths::findExecutable(
        QStringLiteral("mkfs.fat"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    const QString fusefat = QStandardPaths::findExecutable(QStringLiteral("fusefat"));
    if (mkfs.isEmpty() || fusefat.isEmpty()) {
        m_skipReason = QStringLiteral("mkfs.fat (dosfstools) or fusefat is not installed "
                                      "(scripts/setup.sh installs both)");
        return;
    }
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        m_skipReason = QStringLiteral("/dev/fuse cannot be opened here (no FUSE in this "
                                      "container, or not allowed for this user)");
        return;
    }
    const QString image = m_dir.filePath(QStringLiteral("fat.img"));
    if (!m_dir.isValid() || !QDir(m_dir.path()).mkdir(QStringLiteral("mnt"))) {
        m_skipReason = QStringLiteral("no temporary folder for the image");
        return;
    }
    QString failure = runTool(mkfs, {QStringLiteral("-C"), image, QStringLiteral("8192")});
    if (failure.isEmpty())
        failure = runTool(fusefat, {QStringLiteral("-o"), QStringLiteral("rw+"), image, root()});
    if (!failure.isEmpty()) {
        m_skipReason = QStringLiteral("could not mount a FAT image through FUSE: ") + failure;
        return;
    }
    m_mounted = true;
}

FatMount::~FatMount()
{
    if (!m_mounted)
        return;
    for (const char *tool : {"fusermount", "fusermount3"})
        if (runTool(QString::fromLatin1(tool), {QStringLiteral("-u"), root()}).isEmpty())
            return;
    runTool(QStringLiteral("umount"), {root()});
}

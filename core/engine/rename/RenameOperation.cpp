#include "core/engine/rename/RenameOperation.h"

#include "core/engine/names/FileNames.h"

#include "core/system/FileDescriptor.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"
#include "core/system/Process.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace {

// The outcome of one move: 0 or an errno value, and where the file was left besides its
// old name when that is not obvious.
struct Outcome
{
    int error = 0;
    QString leftAt;
};

QString quoted(const QByteArray &name)
{
    return QLatin1Char('"') + decodeFileName(name) + QLatin1Char('"');
}

bool statAt(int dir, const QByteArray &name, FileSystem::FileStatus &status)
{
    return FileSystem::statusAt(dir, name.constData(), status) == 0;
}

Outcome moveNoReplace(int dir, const QByteArray &from, const QByteArray &to)
{
    const FileRename::MoveResult moved =
        FileRename::moveNoReplace(dir, from.constData(), to.constData());
    Outcome outcome;
    outcome.error = moved.error;
    if (moved.leftUnderBothNames)
        outcome.leftAt = QStringLiteral("the file is left under both names, %1 and %2")
                             .arg(quoted(from), quoted(to));
    return outcome;
}

// Whether to may name the file from itself under another spelling: the same file, or a
// spelling that a case-insensitive file system takes for it (FUSE file systems may give each
// spelling its own inode number).
bool maybeSameFile(int dir, const QByteArray &from, const QByteArray &to)
{
    if (from == to)
        return false;
    FileSystem::FileStatus a, b;
    if (statAt(dir, from, a) && statAt(dir, to, b) && a.device == b.device && a.inode == b.inode)
        return true;
    return decodeFileName(from).compare(decodeFileName(to), Qt::CaseInsensitive) == 0;
}

QByteArray temporaryName()
{
    static std::atomic<unsigned> counter{0};
    return QByteArrayLiteral(".quirewell-") + QByteArray::number(Process::id()) + '-' +
           QByteArray::number(counter++) + QByteArrayLiteral(".tmp");
}

// A case-only change on a case-insensitive file system, in two moves that never replace:
// to the temporary name, then to the new name. If the new name is still taken, the file
// goes back to its old name.
Outcome moveThroughTemporaryName(int dir, const QByteArray &from, const QByteArray &to)
{
    QByteArray temporary;
    Outcome outcome;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName();
        outcome = moveNoReplace(dir, from, temporary);
        if (outcome.error != EEXIST)
            break;
    }
    if (outcome.error != 0)
        return outcome;
    Outcome final = moveNoReplace(dir, temporary, to);
    if (final.error == 0)
        return final;
    const Outcome back = moveNoReplace(dir, temporary, from);
    if (back.error != 0 && final.leftAt.isEmpty())
        final.leftAt =
            QStringLiteral("the file is left under the temporary name %1").arg(quoted(temporary));
    return final;
}

QString failureText(const Outcome &outcome)
{
    QString text = systemErrorText(outcome.error);
    if (!outcome.leftAt.isEmpty())
        text += QStringLiteral("; ") + outcome.leftAt;
    return text;
}

// An open handle of folder for one call, unless the caller has one.
class FolderHandle
{
public:
    FolderHandle(const QByteArray &folder, int given)
    {
        if (given >= 0 || folder.isEmpty())
            m_fd = given >= 0 ? given : FileSystem::kCurrentFolder;
        else
            m_owned = FileSystem::openFolderHandle(folder.constData());
    }

    int fd() const { return m_owned ? m_owned.get() : m_fd; }
    int error() const { return m_owned.error(); }

private:
    int m_fd = -1;
    FileDescriptor m_owned;
};

// refusedNameReason, with the name's bytes in bytes when it is accepted.
QString refusedNameReason(const QString &newName, QByteArray &bytes)
{
    if (newName.isEmpty())
        return QStringLiteral("The new file name is empty.");
    if (newName == u"." || newName == u"..")
        return QStringLiteral("The new file name cannot be \".\" or \"..\".");
    if (newName.contains(QLatin1Char('/')))
        return QStringLiteral("The new file name cannot contain \"/\": a file is renamed "
                              "inside its own folder.");
    if (newName.contains(QChar(u'\0')))
        return QStringLiteral("The new file name cannot contain a NUL character.");
    if (!encodeFileName(newName, bytes))
        return QStringLiteral("The new file name contains half of a character.");
    return {};
}

} // namespace

QString refusedNameReason(const QString &newName)
{
    QByteArray bytes;
    return refusedNameReason(newName, bytes);
}

bool isAcceptedName(QStringView newName)
{
    const bool plain = std::all_of(newName.begin(), newName.end(), [](QChar c) {
        return c.unicode() > 0 && c.unicode() < 0x80 && c != QLatin1Char('/');
    });
    if (plain)
        return !newName.isEmpty() && newName != u"." && newName != u"..";
    return refusedNameReason(newName.toString()).isEmpty();
}

bool renameInFolder(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                    QString &error, int folderFd)
{
    // Kept from call to call: a batch renames many files one after the other.
    thread_local QByteArray target;
    error = refusedNameReason(newName, target);
    if (!error.isEmpty())
        return false;
    // A NUL byte would cut the name short and '/' would reach into another folder.
    if (oldName.isEmpty() || oldName.contains('\0') || oldName.contains('/')) {
        error = QStringLiteral("The file name is empty or contains \"/\" or a NUL character.");
        return false;
    }
    const FolderHandle dir(folder, folderFd);
    if (dir.fd() == -1) {
        error = systemErrorText(dir.error());
        return false;
    }
    Outcome outcome = moveNoReplace(dir.fd(), oldName, target);
    if (outcome.error == EEXIST && maybeSameFile(dir.fd(), oldName, target))
        outcome = moveThroughTemporaryName(dir.fd(), oldName, target);
    if (outcome.error == 0)
        return true;
    error = failureText(outcome);
    return false;
}

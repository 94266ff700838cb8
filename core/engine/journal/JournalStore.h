#pragma once

#include "core/engine/journal/Journal.h"
#include "core/system/FileDescriptor.h"

#include <QString>

#include <optional>
#include <vector>

// The journal folder, $XDG_STATE_HOME/quirewell/journal/ (default
// ~/.local/state/quirewell/journal/): one file "ID.journal" per batch, the newest 100 kept.
// The folder is made 0700 and each file 0600. Every access is relative to the folder's own
// handle and never follows a link; a folder or file that is a link, belongs to another user
// or is open to others is refused.
namespace JournalStore {

constexpr int kKept = 100;

// The folder as configured, for messages and the help text (it may not exist yet).
QString folderPath();

struct Listed
{
    QString id;
    std::optional<JournalEntry> entry; // absent when the file was refused
    QString error;                     // why it was refused
    bool running = false;              // another process is still writing it
};

// Every entry, newest first. error is set (and nothing listed) when the folder itself is
// refused; a folder that does not exist yet is simply empty.
std::vector<Listed> list(QString &error);

// The entries whose last line does not end them (interrupted, running or refused), newest
// first; quick, since the others are not read. Nothing when the folder is refused.
std::vector<Listed> listUnfinished();

// The ids of every entry, newest first; nothing, with error, when the folder is refused.
std::vector<QString> ids(QString &error);

// What an entry's last line says, read from its last bytes alone (quick for a plan of any
// size).
struct Tail
{
    bool readable = false; // false: not readable, or the last line is cut short
    bool finished = false; // "finished R F U": the batch ran to its end
    bool ended = false;    // "undone ID" or "kept"
    bool running = false;  // another process is still writing it
    qint64 renamed = 0;    // R of the finished line
};
Tail readTail(const QString &id);

// The device and inode of a folder (links in its path followed), or zeros when it cannot be
// looked at: what an undo checks before it renames anything in the folder.
FolderIdentity folderIdentity(const QByteArray &path);

// One entry by id; error says why there is none.
std::optional<JournalEntry> read(const QString &id, QString &error, bool *running = nullptr);

// Appends the ending of an entry ("undone ID" or "kept") and syncs it.
bool appendEnding(const QString &id, const QByteArray &record, QString &error);

// A batch being written: begin() before the first rename, finish() after the last.
class Writer
{
public:
    Writer() = default;
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // Gives entry a fresh id and time, writes its plan under a temporary name, syncs the
    // file, gives it its journal name and syncs the folder; the entry stays locked until the
    // writer is destroyed. Removes the oldest entries beyond kKept. False with error when
    // any step failed: then nothing may be renamed. Folders without their identity are
    // looked at now.
    bool begin(JournalEntry &entry, QString &error);
    // The same with the folders and rows given as the plan's body, for a batch that builds
    // it straight from its rows; entry's own are not used.
    bool begin(JournalEntry &entry, const JournalFormat::PlanBody &body, QString &error);
    // Writes the outcome and syncs once more: over the end of the plan's reserve line when it
    // fits (then only the data needs syncing), else appended.
    bool finish(const JournalOutcome &outcome, QString &error);
    const QString &id() const { return m_id; }

private:
    FileDescriptor m_folder;
    FileDescriptor m_file;
    qint64 m_size = 0; // of the file as begin() wrote it
    QString m_id;
};

} // namespace JournalStore

#include "core/engine/rename/ParkingNames.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"
#include "core/system/Process.h"

#include <algorithm>
#include <atomic>

namespace {

constexpr char kParkingPrefix[] = ".quirewell-swap-"; // lower case, as the whole name

QByteArray parkingName(const QByteArray &stem)
{
    static std::atomic<unsigned> counter{0};
    return stem + QByteArray::number(counter++) + QByteArrayLiteral(".tmp");
}

// The entries of the folder that a temporary name could be taken for: those that begin with
// the prefix of temporary names, in lower case, as a file system that ignores case would take
// them (names beyond ASCII folded as Unicode folds them). Nothing when the folder cannot be
// read.
std::optional<QSet<QByteArray>> entriesLikeParkingNames(int folder)
{
    FolderReader reader(folder);
    if (!reader.isOpen())
        return std::nullopt;
    const QByteArray prefix(kParkingPrefix);
    QSet<QByteArray> entries;
    while (const char *entry = reader.next()) {
        if (entry[0] != '.') // a dot stays a dot when case is folded
            continue;
        QByteArray name(entry);
        const bool ascii =
            std::all_of(name.cbegin(), name.cend(), [](char c) { return uchar(c) < 0x80; });
        name = ascii ? name.toLower() : decodeFileName(name).toCaseFolded().toUtf8();
        if (name.startsWith(prefix))
            entries.insert(name);
    }
    return entries;
}

// Whether the folder's entries are read once rather than each temporary name looked up:
// thousands of look-ups of names that are not there took longer than the renames of the
// cycles above a C loop. A look-up costs about as much as reading twenty entries, and a
// folder's size is about twenty bytes an entry or more (zero where it is not known).
bool readFolderForTemporaryNames(int folder, size_t cycles)
{
    FileSystem::FileStatus status;
    return cycles >= 32 && folder >= 0 && FileSystem::status(folder, status) == 0 &&
           quint64(status.size) <= quint64(cycles) * 20 * 20;
}

} // namespace

void ParkingNames::prepare(int folder, size_t cycles, const FileRows &rows,
                           const std::vector<Mover> &movers)
{
    m_stem = QByteArray(kParkingPrefix) + QByteArray::number(Process::id()) + '-';
    const QString prefix = QString::fromLatin1(kParkingPrefix);
    for (const Mover &other : movers) {
        const QString &newName = rows.rows[size_t(other.row)].newName;
        if (!newName.startsWith(u'.'))
            continue;
        const QString folded = newName.toCaseFolded();
        if (folded.startsWith(prefix))
            m_newNamesLikeParking.insert(folded);
    }
    if (readFolderForTemporaryNames(folder, cycles))
        m_entriesLikeParking = entriesLikeParkingNames(folder);
}

QByteArray ParkingNames::freeName(int folder)
{
    QByteArray name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = parkingName(m_stem);
        if (!m_newNamesLikeParking.isEmpty() &&
            m_newNamesLikeParking.contains(QString::fromLatin1(name)))
            continue;
        if (m_entriesLikeParking ? !m_entriesLikeParking->contains(name)
                                 : folder < 0 || !FileSystem::existsAt(folder, name.constData()))
            break;
    }
    return name;
}

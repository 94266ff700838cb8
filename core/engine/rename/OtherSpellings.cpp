#include "core/engine/rename/OtherSpellings.h"

#include "core/engine/names/FileNames.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"

int OtherSpellings::moverReachedBy(const QByteArray &name, const QString &decoded)
{
    FileSystem::FileStatus status;
    if (m_folder < 0 || FileSystem::statusAt(m_folder, name.constData(), status) != 0)
        return -1; // free, or the rename will say why not
    if (!m_read)
        read();
    const int k = m_byFile.value({status.device, status.inode}, -1);
    if (k >= 0 || !m_listed || m_entries.contains(name))
        return k;
    return m_byFoldedName.value(decoded.toCaseFolded(), -1);
}

void OtherSpellings::read()
{
    m_read = true;
    for (size_t k = 0; k < m_movers.size(); ++k) {
        FileSystem::FileStatus old;
        if (FileSystem::statusAt(m_folder, m_movers[k].oldName.constData(), old) == 0)
            m_byFile.insert({old.device, old.inode}, int(k));
        m_byFoldedName.insert(decodeFileName(m_movers[k].oldName).toCaseFolded(), int(k));
    }
    FolderReader reader(m_folder);
    if (!reader.isOpen())
        return;
    while (const char *entry = reader.next())
        m_entries.insert(QByteArray(entry));
    m_listed = true;
}

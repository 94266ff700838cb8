#include "core/engine/journal/Journal.h"
#include "core/engine/journal/JournalFields.h"

#include "core/engine/names/FileNames.h"

#include <QByteArrayList>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// A field that appendEscaped writes exactly as it is: not empty, not "-", nothing to escape.
bool isWrittenAsIs(const QByteArray &bytes)
{
    return !bytes.isEmpty() && bytes != "-" && std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return needsEscape(static_cast<unsigned char>(c));
    });
}

const char *kindName(JournalKind kind)
{
    switch (kind) {
    case JournalKind::Batch:
        return "batch";
    case JournalKind::Single:
        return "single";
    case JournalKind::Undo:
        return "undo";
    }
    return "batch";
}

void appendNumber(QByteArray &out, quint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, qsizetype(result.ptr - digits));
}

} // namespace

QByteArray JournalEntry::commonFolder() const
{
    if (folders.empty())
        return {};
    QByteArray common = folders.front();
    for (const QByteArray &folder : folders) {
        qsizetype n = 0;
        while (n < common.size() && n < folder.size() && common[n] == folder[n])
            ++n;
        common.truncate(n);
    }
    // Back to the last whole folder name.
    common.truncate(common.lastIndexOf('/') + 1);
    return common;
}

namespace JournalFormat {

void appendEscaped(QByteArray &out, const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        out.append('-');
        return;
    }
    // Most names need no escape: one append.
    if (isWrittenAsIs(bytes)) {
        out.append(bytes);
        return;
    }
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (!needsEscape(u) && !(u == '-' && bytes.size() == 1)) {
            out.append(c);
            continue;
        }
        out.append('%');
        out.append(kHex[u >> 4]);
        out.append(kHex[u & 15]);
    }
}

bool isValidId(const QString &id)
{
    if (id.isEmpty() || id.size() > 64 || !id.front().isDigit())
        return false;
    for (const QChar c : id)
        if (!(c.unicode() < 0x80 && (c.isDigit() || c == u'-')))
            return false;
    return true;
}

QByteArray headerText(const JournalEntry &entry)
{
    QByteArray out = "quirewell-journal " + QByteArray::number(kVersion) + "\nid " +
                     entry.id.toLatin1() + "\ntime " + QByteArray::number(entry.time) + "\nkind " +
                     kindName(entry.kind) + '\n';
    if (entry.kind == JournalKind::Undo)
        out += "undoes " + entry.undoes.toLatin1() + '\n';
    return out;
}

void PlanBody::reserve(qsizetype rows)
{
    m_rows.reserve(size_t(rows) * 64);
}

void PlanBody::addFolder(const QByteArray &path, FolderIdentity identity)
{
    m_folders.append("folder ", 7);
    appendNumber(m_folders, m_folderCount++);
    m_folders.append(' ');
    appendNumber(m_folders, identity.device);
    m_folders.append(' ');
    appendNumber(m_folders, identity.inode);
    m_folders.append(' ');
    appendEscaped(m_folders, path);
    m_folders.append('\n');
}

void PlanBody::startRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName)
{
    ++m_rowCount;
    m_row.clear();
    m_row.append("row ", 4);
    appendNumber(m_row, folder);
    m_row.append(' ');
    appendNumber(m_row, device);
    m_row.append(' ');
    appendNumber(m_row, inode);
    m_row.append(' ');
    appendEscaped(m_row, oldName);
    m_row.append(' ');
}

void PlanBody::endRow()
{
    m_row.append('\n');
    m_rows.insert(m_rows.end(), m_row.cbegin(), m_row.cend());
}

void PlanBody::addRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName,
                      QStringView newName)
{
    // The usual ASCII name is copied as it is; any other goes through its exact bytes.
    const bool plain = !newName.isEmpty() && newName != u"-" &&
                       std::all_of(newName.begin(), newName.end(), [](QChar c) {
                           return c.unicode() < 0x80 && !needsEscape(uchar(c.unicode()));
                       });
    if (plain && isWrittenAsIs(oldName)) {
        // The usual row, nothing to escape in either name, is written through one pointer:
        // a batch of a million rows builds its plan before the first rename.
        ++m_rowCount;
        const size_t at = m_rows.size();
        constexpr size_t kNumbers = 3 * 21; // three numbers of at most 20 digits, a space each
        m_rows.resize(at + 4 + kNumbers + size_t(oldName.size()) + 1 + size_t(newName.size()) + 1);
        char *out = m_rows.data() + at;
        char *const end = m_rows.data() + m_rows.size();
        std::memcpy(out, "row ", 4);
        out += 4;
        for (const quint64 number : {quint64(folder), device, inode}) {
            out = std::to_chars(out, end, number).ptr;
            *out++ = ' ';
        }
        std::memcpy(out, oldName.constData(), size_t(oldName.size()));
        out += oldName.size();
        *out++ = ' ';
        for (const QChar c : newName)
            *out++ = char(c.unicode());
        *out++ = '\n';
        m_rows.resize(size_t(out - m_rows.data()));
        return;
    }
    startRow(folder, device, inode, oldName);
    if (plain) {
        for (const QChar c : newName)
            m_row.append(char(c.unicode()));
    } else {
        appendEscaped(m_row, encodeFileName(newName));
    }
    endRow();
}

void PlanBody::addRow(const JournalRow &row)
{
    startRow(row.folder, row.device, row.inode, row.oldName);
    appendEscaped(m_row, row.newName);
    endRow();
    if (!row.parkedName.isEmpty())
        parkLastRow(row.parkedName);
}

void PlanBody::parkLastRow(const QByteArray &name)
{
    m_parked.append("parked ", 7);
    appendNumber(m_parked, m_rowCount - 1);
    m_parked.append(' ');
    appendEscaped(m_parked, name);
    m_parked.append('\n');
}

QByteArrayList PlanBody::pieces() const
{
    QByteArray planned = "planned ";
    appendNumber(planned, m_rowCount);
    planned += '\n';
    return {m_folders, QByteArray::fromRawData(m_rows.data(), qsizetype(m_rows.size())), m_parked,
            planned};
}

PlanBody planBody(const JournalEntry &entry)
{
    PlanBody body;
    body.reserve(qsizetype(entry.rows.size()));
    for (size_t i = 0; i < entry.folders.size(); ++i)
        body.addFolder(entry.folders[i], i < entry.folderIdentities.size()
                                             ? entry.folderIdentities[i]
                                             : FolderIdentity{});
    for (const JournalRow &row : entry.rows)
        body.addRow(row);
    return body;
}

QByteArray planText(const JournalEntry &entry)
{
    return headerText(entry) + planBody(entry).text();
}

QByteArray reserveText()
{
    QByteArray out("reserve");
    out.append(kReserved - out.size() - 1, ' ');
    out.append('\n');
    return out;
}

QByteArray outcomeText(const JournalOutcome &outcome)
{
    QByteArray out;
    for (const JournalFailure &failure : outcome.failures) {
        out += "failed " + QByteArray::number(failure.row) + ' ';
        appendEscaped(out, failure.reason.toUtf8());
        out += '\n';
    }
    if (outcome.cancelled > 0)
        out += "cancelled " + QByteArray::number(outcome.cancelled) + '\n';
    out += "finished " + QByteArray::number(outcome.renamed) + ' ' +
           QByteArray::number(outcome.failed) + ' ' + QByteArray::number(outcome.unchanged) + '\n';
    return out;
}

QByteArray undoneText(const QString &undoId)
{
    return "undone " + undoId.toLatin1() + '\n';
}

QByteArray keptText()
{
    return "kept\n";
}

} // namespace JournalFormat

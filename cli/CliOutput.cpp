#include "cli/CliOutput.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameConflicts.h"
#include "core/engine/rename/NameMapping.h"
#include "core/listing/ListingTexts.h"
#include "core/system/FileSystem.h"

#include <algorithm>
#include <cstring>

namespace {

int g_outputError = 0;

// Output is written in blocks of this size (a pipe's whole capacity).
constexpr size_t kFlushSize = 1 << 16;

char *writeNumber(qint32 value, char *out)
{
    char digits[12];
    int n = 0;
    quint32 magnitude = value < 0 ? 0U - quint32(value) : quint32(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *out++ = '-';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char *writeBytes(QByteArrayView bytes, char *out)
{
    if (bytes.isEmpty())
        return out; // an empty field may have no data at all: memcpy must not see null
    std::memcpy(out, bytes.data(), size_t(bytes.size()));
    return out + bytes.size();
}

} // namespace

OutputBuffer::OutputBuffer(std::FILE *stream) : m_stream(stream)
{
    m_buffer.resize(kFlushSize);
}

char *OutputBuffer::room(size_t n)
{
    if (m_used + n > kFlushSize)
        flush();
    if (m_used + n > m_buffer.size())
        m_buffer.resize(m_used + n);
    return m_buffer.data() + m_used;
}

void OutputBuffer::append(QByteArrayView bytes)
{
    commit(writeBytes(bytes, room(size_t(bytes.size()))));
}

// Written with write(2) rather than fwrite: Ctrl+C arrives without SA_RESTART (see
// CliInterrupt), and a write it interrupts is taken up again where it stopped, so that no row
// is lost or cut while the listing winds down.
void OutputBuffer::flush()
{
    std::fflush(m_stream); // whatever the stream itself holds goes first
    // A closed or full output: the rest cannot be written.
    if (const int error = FileSystem::writeAll(::fileno(m_stream), m_buffer.data(), qint64(m_used)))
        noteOutputError(error);
    m_used = 0;
}

QByteArray escapedField(const QString &text)
{
    return NameMapping::escaped(text);
}

void escapedBytes(QByteArrayView bytes, QByteArray &out)
{
    NameMapping::escapeBytes(bytes, out);
}

void appendRow(OutputBuffer &out, const RowFields &row)
{
    const size_t most = size_t(row.loadedName.size() + row.newName.size() + row.location.size() +
                               (row.status ? row.status->size() : 0)) +
                        2 * ListingTexts::kTextRoom + 32;
    char *p = out.room(most);
    p = writeNumber(row.serial, p);
    *p++ = '\t';
    p = writeBytes(row.loadedName, p);
    *p++ = '\t';
    p = writeBytes(row.newName, p);
    *p++ = '\t';
    if (row.mtime != kUnknownTime)
        p += ListingTexts::writeLastWriteTime(row.mtime, p);
    *p++ = '\t';
    p += ListingTexts::writeByteSize(row.size, p);
    *p++ = '\t';
    p = writeBytes(row.location, p);
    if (row.status) {
        *p++ = '\t';
        p = writeBytes(*row.status, p);
    }
    *p++ = '\n';
    out.commit(p);
}

void printRows(const FileRows &rows, std::FILE *stream, bool status)
{
    // Locations repeat from row to row: escape each folder once.
    std::vector<QByteArray> locations;
    locations.reserve(rows.folders.size());
    for (const FileFolder &folder : rows.folders)
        locations.push_back(escapedField(folder.location));

    OutputBuffer out(stream);
    QByteArray reason;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        const FileRow &row = rows.rows[i];
        const QByteArray loaded = escapedField(row.loadedName);
        // A name no rule changed shares the loaded one's data.
        const QByteArray renamed =
            row.newName.isSharedWith(row.loadedName) ? loaded : escapedField(row.newName);
        if (status) {
            const RowProblem problem = rows.problems.kind(i);
            reason = problem == RowProblem::None
                         ? QByteArray()
                         : escapedField(problemReason(problem, rows.problems.detail(i)));
        }
        appendRow(out, RowFields{row.serial, loaded, renamed, row.mtime, row.size,
                                 locations[row.folder], status ? &reason : nullptr});
    }
}

int outputError()
{
    return g_outputError;
}

void noteOutputError(int error)
{
    if (g_outputError == 0)
        g_outputError = error;
}

void printMessage(const QString &text)
{
    const QByteArray bytes = escapedField(text) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

#include "cli/CliOutput.h"

#include "engine/FileRows.h"
#include "listing/ListingTexts.h"

#include <vector>

namespace {

constexpr qsizetype kFlushSize = 1 << 16;

} // namespace

void OutputBuffer::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushSize)
        flush();
}

QByteArray escapedField(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\t':
            out.append("\\t", 2);
            break;
        case '\n':
            out.append("\\n", 2);
            break;
        case '\r':
            out.append("\\r", 2);
            break;
        case '\\':
            out.append("\\\\", 2);
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

void OutputBuffer::flush()
{
    if (!m_buffer.isEmpty())
        std::fwrite(m_buffer.constData(), 1, size_t(m_buffer.size()), m_stream);
    m_buffer.resize(0); // keeps the allocation for the next block
}

void printRows(const FileRows &rows, std::FILE *stream)
{
    // Locations repeat from row to row: escape each folder once.
    std::vector<QByteArray> locations;
    locations.reserve(rows.folders.size());
    for (const FileFolder &folder : rows.folders)
        locations.push_back(escapedField(folder.location));

    OutputBuffer out(stream);
    for (const FileRow &row : rows.rows) {
        out.append(QByteArray::number(row.serial));
        out.append('\t');
        out.append(escapedField(row.loadedName));
        out.append('\t');
        out.append(escapedField(row.newName));
        out.append('\t');
        if (row.mtime != kUnknownTime)
            out.append(ListingTexts::lastWriteTime(row.mtime).toLatin1());
        out.append('\t');
        out.append(ListingTexts::byteSize(row.size).toLatin1());
        out.append('\t');
        out.append(locations[row.folder]);
        out.append('\n');
    }
}

void printMessage(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

#include "cli/CliOutput.h"

#include "engine/FileNames.h"
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

namespace {

bool needsEscape(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == u'\\' || c == u'\0';
}

void appendEscaped(char c, QByteArray &out)
{
    out.append('\\');
    switch (c) {
    case '\t':
        out.append('t');
        break;
    case '\n':
        out.append('n');
        break;
    case '\r':
        out.append('r');
        break;
    case '\0':
        out.append('0');
        break;
    default:
        out.append(c);
    }
}

} // namespace

QByteArray escapedField(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const QStringView view(text);
    qsizetype plain = 0; // start of the characters not yet written
    const auto writePlain = [&](qsizetype upTo) {
        if (upTo > plain)
            out.append(encodeFileName(view.sliced(plain, upTo - plain)));
    };
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view[i].unicode();
        const bool escapedByte = isEscapedByte(c) && (i == 0 || !view[i - 1].isHighSurrogate());
        if (!needsEscape(c) && !escapedByte)
            continue;
        writePlain(i);
        plain = i + 1;
        if (escapedByte) {
            const int byte = c - kFirstEscapedByte + 0x80;
            out.append("\\x", 2);
            out.append("0123456789abcdef"[byte >> 4]);
            out.append("0123456789abcdef"[byte & 0xF]);
        } else {
            appendEscaped(char(c), out);
        }
    }
    writePlain(view.size());
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
    const QByteArray bytes = escapedField(text) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

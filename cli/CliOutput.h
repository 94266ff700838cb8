#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdio>
#include <vector>

class FileRows;

// Collects output in memory and writes it in large blocks with write(2).
class OutputBuffer
{
public:
    explicit OutputBuffer(std::FILE *stream);
    ~OutputBuffer() { flush(); }
    OutputBuffer(const OutputBuffer &) = delete;
    OutputBuffer &operator=(const OutputBuffer &) = delete;

    // Room for at least n more bytes; the caller writes there and passes the end to commit.
    char *room(size_t n);
    void commit(const char *end) { m_used = size_t(end - m_buffer.data()); }
    void append(QByteArrayView bytes);
    void append(char c)
    {
        char *p = room(1);
        *p = c;
        commit(p + 1);
    }
    void flush();

private:
    std::FILE *m_stream;
    std::vector<char> m_buffer;
    size_t m_used = 0;
};

// A field of a row as UTF-8, with tab, line feed, carriage return, backslash and NUL written
// \t, \n, \r, \\ and \0, and each byte of a name that is not UTF-8 (an escaped byte, see
// FileNames.h) written \xHH, so that the row stays on one line and names no other file.
QByteArray escapedField(const QString &text);
// The same field for a name or path given as its bytes on disk, into out.
void escapedBytes(QByteArrayView bytes, QByteArray &out);

// One line of six tab-separated columns; the names and the location already escaped.
struct RowFields
{
    qint32 serial;
    QByteArrayView loadedName;
    QByteArrayView newName;
    qint64 mtime; // kUnknownTime: an empty column
    qint64 size;
    QByteArrayView location;
    const QByteArray *status = nullptr; // a seventh column, escaped, when given
};
void appendRow(OutputBuffer &out, const RowFields &row);

// One row per line, six tab-separated columns in list order; with status a seventh, the
// reason of each row's mark (empty for a row without one).
void printRows(const FileRows &rows, std::FILE *stream, bool status = false);

// A message line on standard error, escaped as the fields are, so it stays one line.
void printMessage(const QString &text);

// The error of the first write to standard output that failed (a full disk, say), or 0: the
// program then does not report success.
int outputError();
// Records a failed write of standard output (the first one counts).
void noteOutputError(int error);

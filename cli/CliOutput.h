#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

class FileRows;

// Collects output in memory and writes it in large blocks with fwrite.
class OutputBuffer
{
public:
    explicit OutputBuffer(std::FILE *stream) : m_stream(stream) {}
    ~OutputBuffer() { flush(); }
    OutputBuffer(const OutputBuffer &) = delete;
    OutputBuffer &operator=(const OutputBuffer &) = delete;

    void append(const QByteArray &bytes);
    void append(char c) { m_buffer.append(c); }
    void flush();

private:
    std::FILE *m_stream;
    QByteArray m_buffer;
};

// A field of a row as UTF-8, with tab, line feed, carriage return, backslash and NUL written
// \t, \n, \r, \\ and \0, and each byte of a name that is not UTF-8 (an escaped byte, see
// FileNames.h) written \xHH, so that the row stays on one line and names no other file.
QByteArray escapedField(const QString &text);

// One row per line, six tab-separated columns in list order.
void printRows(const FileRows &rows, std::FILE *stream);

// A message line on standard error, escaped as the fields are, so it stays one line.
void printMessage(const QString &text);

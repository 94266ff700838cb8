#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads typed values from a fuzzer's bytes; past the end every read gives zeros or empty
// texts, so any input decodes to something.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    qint32 int32()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();
        return qint32(value);
    }

    // A text: one length byte, that many bytes as UTF-8 (invalid sequences included), and a
    // repeat byte r: the piece is repeated r * r times, up to maxChars characters, so a short
    // input can make a text of thousands of characters.
    QString text(qsizetype maxChars = kMaxText)
    {
        const size_t length = byte();
        const size_t available = m_pos < m_size ? m_size - m_pos : 0;
        const size_t taken = length < available ? length : available;
        const QByteArray piece(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(taken));
        m_pos += taken;
        const int repeat = byte();
        const QString once = QString::fromUtf8(piece);
        if (repeat <= 1 || once.isEmpty())
            return once;
        return once.repeated(qMin<qsizetype>(qsizetype(repeat) * repeat,
                                             qMax<qsizetype>(1, maxChars / once.size())));
    }

    // Parameter texts far beyond any file name, small enough that each run stays quick.
    static constexpr qsizetype kMaxText = 4096;
    // File names: past the 255 bytes a file system takes.
    static constexpr qsizetype kMaxName = 300;

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

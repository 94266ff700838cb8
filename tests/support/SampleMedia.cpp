#include "tests/support/SampleMedia.h"

#include <QProcess>
#include <QtEndian>

namespace {

void append16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// One IFD entry of type ASCII (2) or LONG (4).
void entry(QByteArray &out, quint16 tag, quint16 type, quint32 count, quint32 value)
{
    append16(out, tag);
    append16(out, type);
    append32(out, count);
    append32(out, value);
}

} // namespace

QByteArray exifJpeg(const QByteArray &model, const QByteArray &taken)
{
    // A value of four bytes or fewer would sit in its entry; padding keeps the model apart.
    const QByteArray m = model.leftJustified(4, ' ') + '\0';
    const QByteArray d = taken + '\0';
    const quint32 ifd0 = 8;
    const quint32 exifIfd = ifd0 + 2 + 2 * 12 + 4;
    const quint32 modelAt = exifIfd + 2 + 12 + 4;
    const quint32 dateAt = modelAt + quint32(m.size() + m.size() % 2);
    QByteArray tiff("II*\0", 4);
    append32(tiff, ifd0);
    append16(tiff, 2);
    entry(tiff, 0x0110, 2, quint32(m.size()), modelAt); // Model
    entry(tiff, 0x8769, 4, 1, exifIfd);                 // the EXIF IFD
    append32(tiff, 0);
    append16(tiff, 1);
    entry(tiff, 0x9003, 2, quint32(d.size()), dateAt); // DateTimeOriginal
    append32(tiff, 0);
    tiff += m;
    if (m.size() % 2)
        tiff += '\0';
    tiff += d;
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    const quint16 length = quint16(app1.size() + 2);
    QByteArray jpeg("\xFF\xD8\xFF\xE1", 4);
    jpeg += char(length >> 8);
    jpeg += char(length & 0xFF);
    return jpeg + app1 + QByteArray("\xFF\xD9", 2);
}

bool runTool(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000))
        return false;
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

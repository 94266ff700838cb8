#include "core/metadata/VideoTagMessages.h"

#include <QDateTime>

#include <cstring>

namespace {

constexpr char kSeparator = '\n';
constexpr qsizetype kMostDurationDigits = 15; // readVideoMetadata keeps under 1e15 ms

bool isDuration(const QByteArray &text)
{
    if (text.size() > kMostDurationDigits)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool isCreated(const QByteArray &text)
{
    if (text.isEmpty())
        return true;
    if (text.size() != 20 || !text.endsWith('Z'))
        return false;
    return QDateTime::fromString(QString::fromLatin1(text.chopped(1)),
                                 QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        .isValid();
}

} // namespace

namespace VideoTagMessages {

QByteArray request(qint64 size)
{
    QByteArray message(kRequestBytes, Qt::Uninitialized);
    std::memcpy(message.data(), &size, kRequestBytes);
    return message;
}

qint64 parseRequest(const char *data, qint64 n)
{
    if (n != qint64(kRequestBytes))
        return -1;
    qint64 size = 0;
    std::memcpy(&size, data, kRequestBytes);
    return size >= 0 ? size : -1;
}

QByteArray answer(const FileMetadata &metadata)
{
    return metadata.value(MetadataField::VideoDuration).toLatin1() + kSeparator +
           metadata.value(MetadataField::VideoCreated).toLatin1();
}

bool parseAnswer(const QByteArray &answer, FileMetadata &out)
{
    if (answer.size() > qsizetype(kMostAnswerBytes) || answer.count(kSeparator) != 1)
        return false;
    const qsizetype split = answer.indexOf(kSeparator);
    const QByteArray duration = answer.left(split);
    const QByteArray created = answer.mid(split + 1);
    if (!isDuration(duration) || !isCreated(created))
        return false;
    out.set(MetadataField::VideoDuration, QString::fromLatin1(duration));
    out.set(MetadataField::VideoCreated, QString::fromLatin1(created));
    return true;
}

} // namespace VideoTagMessages

#include "core/metadata/VideoMetadata.h"

#include "core/system/FileSystem.h"

#include <MediaInfo/MediaInfo.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimeZone>

#include <cmath>
#include <vector>

namespace {

// The most a file may make MediaInfo read: a bound on the time spent on a crafted file.
constexpr qint64 kMostBytesRead = 64 << 20;
constexpr int kMostSeeks = 256;
// And a bound on the time: a crafted file can make MediaInfo ask for the same bytes again
// and again, each time parsing them anew.
constexpr qint64 kMostMilliseconds = 1000;
constexpr qint64 kPieceSize = 64 << 10;
constexpr ZenLib::int64u kNoSeek = ZenLib::int64u(-1);
constexpr size_t kFinalized = 0x08;

QString generalField(MediaInfoLib::MediaInfo &info, const wchar_t *name)
{
    return tagText(QString::fromStdWString(info.Get(MediaInfoLib::Stream_General, 0, name)));
}

} // namespace

QString mediaInfoDate(const QString &text)
{
    QString t = tagText(text);
    t.remove(QStringLiteral("UTC"));
    t = t.trimmed();
    QDateTime when = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!when.isValid())
        when = QDateTime::fromString(t, Qt::ISODate);
    if (!when.isValid() || when.date().year() <= 1904)
        return {}; // 1904 is the zero of QuickTime's clock: a field never set
    when.setTimeZone(QTimeZone::utc());
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + u'Z';
}

void readVideoMetadata(int fd, qint64 size, FileMetadata &out)
{
    try {
        MediaInfoLib::MediaInfo info;
        info.Option(L"ParseSpeed", L"0");
        info.Open_Buffer_Init(ZenLib::int64u(size), 0);
        std::vector<char> piece(static_cast<size_t>(kPieceSize));
        qint64 offset = 0;
        qint64 readInAll = 0;
        int seeks = 0;
        QElapsedTimer clock;
        clock.start();
        while (readInAll < kMostBytesRead && clock.elapsed() < kMostMilliseconds) {
            int error = 0;
            const qint64 n = FileSystem::readAt(fd, piece.data(), kPieceSize, offset, error);
            if (n <= 0)
                break;
            readInAll += n;
            const size_t status = info.Open_Buffer_Continue(
                reinterpret_cast<const ZenLib::int8u *>(piece.data()), size_t(n));
            if (status & kFinalized)
                break;
            const ZenLib::int64u next = info.Open_Buffer_Continue_GoTo_Get();
            if (next == kNoSeek) {
                offset += n;
                continue;
            }
            if (++seeks > kMostSeeks || next >= ZenLib::int64u(size))
                break;
            offset = qint64(next);
            info.Open_Buffer_Init(ZenLib::int64u(size), next);
        }
        info.Open_Buffer_Finalize();
        bool ok = false;
        const double ms = generalField(info, L"Duration").toDouble(&ok);
        if (ok && std::isfinite(ms) && ms > 0 && ms < 1e15)
            out.set(MetadataField::VideoDuration, QString::number(qint64(std::llround(ms))));
        QString created = mediaInfoDate(generalField(info, L"Encoded_Date"));
        if (created.isEmpty())
            created = mediaInfoDate(generalField(info, L"Recorded_Date"));
        out.set(MetadataField::VideoCreated, created);
    } catch (...) {
        // A damaged file: the fields stay as far as they got.
    }
}

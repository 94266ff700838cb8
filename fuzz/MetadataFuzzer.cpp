// Any bytes as a file the metadata readers open (as a photo, a song and a video at once), and
// the same bytes as a name template: nothing crashes, hangs or leaks, and a template either
// parses or names a position inside it.
#include "core/engine/names/NameTemplate.h"
#include "core/engine/names/TemplateValues.h"
#include "core/metadata/AudioMetadata.h"
#include "core/metadata/PhotoMetadata.h"
#include "core/metadata/VideoMetadata.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

void readAll(const QByteArray &path, qint64 size)
{
    FileMetadata metadata;
    readPhotoMetadata(path, metadata);
    readAudioMetadata(path, metadata);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        readVideoMetadata(fd, size, metadata);
        ::close(fd);
    }
    // Whatever was read goes through the template as a name would.
    const std::optional<NameTemplate> all = NameTemplate::parse(
        QStringLiteral("{photo.taken:%F %T}{photo.make}{photo.model}{photo.lens}{photo.width}"
                       "{audio.artist}{audio.title}{audio.track:3}{video.duration}"
                       "{video.created:%Y}|"),
        nullptr);
    if (!all) // a fault of this file, not of the input
        std::abort();
}

void parseTemplate(const QString &text)
{
    TemplateError error;
    const std::optional<NameTemplate> parsed = NameTemplate::parse(text, &error);
    if (!parsed) {
        if (error.position < 1 || error.position > text.size() + 1)
            std::abort();
        return;
    }
    FileMetadata metadata;
    metadata.set(MetadataField::PhotoTaken, QStringLiteral("2020-01-02 03:04:05"));
    metadata.set(MetadataField::AudioArtist, text);
    TemplateRow row;
    row.loadedName = text;
    row.location = u"/a/b/";
    row.metadata = &metadata;
    const std::optional<QString> name = evaluateTemplate(*parsed, row);
    if (name && name->toUtf8().size() > 255 * 3)
        std::abort(); // fitNameLength keeps a name within 255 bytes on disk
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    static const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("input")));
    {
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    readAll(path, qint64(size));
    parseTemplate(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}

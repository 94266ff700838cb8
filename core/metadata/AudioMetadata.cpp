#include "core/metadata/AudioMetadata.h"

#include <taglib/fileref.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

namespace {

QString fromTagLib(const TagLib::String &text)
{
    return tagText(QString::fromStdWString(text.toWString()));
}

QString property(const TagLib::PropertyMap &properties, const char *key)
{
    const auto it = properties.find(key);
    if (it == properties.end() || it->second.isEmpty())
        return {};
    return fromTagLib(it->second.front());
}

} // namespace

QString tagNumber(const QString &text)
{
    const QString t = tagText(text);
    const qsizetype slash = t.indexOf(u'/');
    bool ok = false;
    const long long n = (slash < 0 ? t : t.left(slash)).trimmed().toLongLong(&ok);
    return ok && n > 0 ? QString::number(n) : QString();
}

void readAudioMetadata(const QByteArray &path, FileMetadata &out)
{
    try {
        TagLib::FileStream stream(path.constData(), true);
        if (!stream.isOpen())
            return;
        const TagLib::FileRef ref(&stream, false);
        if (ref.isNull() || !ref.tag())
            return;
        const TagLib::Tag &tag = *ref.tag();
        const TagLib::PropertyMap properties = ref.file()->properties();
        out.set(MetadataField::AudioArtist, fromTagLib(tag.artist()));
        out.set(MetadataField::AudioAlbumArtist, property(properties, "ALBUMARTIST"));
        out.set(MetadataField::AudioAlbum, fromTagLib(tag.album()));
        out.set(MetadataField::AudioTitle, fromTagLib(tag.title()));
        out.set(MetadataField::AudioTrack, tagNumber(property(properties, "TRACKNUMBER")));
        if (out.value(MetadataField::AudioTrack).isEmpty() && tag.track() > 0)
            out.set(MetadataField::AudioTrack, QString::number(tag.track()));
        out.set(MetadataField::AudioDisc, tagNumber(property(properties, "DISCNUMBER")));
        out.set(MetadataField::AudioYear, tag.year() > 0 ? QString::number(tag.year()) : QString());
        out.set(MetadataField::AudioGenre, fromTagLib(tag.genre()));
    } catch (...) {
        // A damaged file: the fields stay as far as they got.
    }
}

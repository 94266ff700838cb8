#include "core/metadata/FileMetadata.h"

MetadataKinds metadataKindOf(MetadataField field)
{
    if (field < MetadataField::AudioArtist)
        return kPhotoMetadata;
    if (field < MetadataField::VideoDuration)
        return kAudioMetadata;
    return kVideoMetadata;
}

QString tagText(const QString &text)
{
    const auto blank = [](QChar c) { return c.isSpace() || c == QChar(0); };
    if (text.isEmpty() || (!blank(text.front()) && !blank(text.back())))
        return text; // shared, not copied: the common case
    QString plain = text;
    while (!plain.isEmpty() && (plain.back().isSpace() || plain.back() == QChar(0)))
        plain.chop(1);
    qsizetype first = 0;
    while (first < plain.size() && (plain[first].isSpace() || plain[first] == QChar(0)))
        ++first;
    return plain.mid(first);
}

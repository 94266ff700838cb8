#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

// What a file holds besides its bytes: the values a name template can use. Each reader fills
// the fields of its kind; a field it found nothing for stays empty.
enum class MetadataField : quint8
{
    PhotoTaken,     // "YYYY-MM-DD HH:MM:SS" as the camera recorded it
    PhotoDigitized, // the same
    PhotoMake,
    PhotoModel,
    PhotoLens,
    PhotoWidth,
    PhotoHeight,
    PhotoOrientation, // the EXIF orientation, 1 to 8
    AudioArtist,
    AudioAlbumArtist,
    AudioAlbum,
    AudioTitle,
    AudioTrack, // a number
    AudioDisc,  // a number
    AudioYear,
    AudioGenre,
    VideoDuration, // whole milliseconds
    VideoCreated,  // "YYYY-MM-DDTHH:MM:SSZ", in UTC
    Count
};

constexpr std::size_t kMetadataFieldCount = std::size_t(MetadataField::Count);

// The readers, as bits of a set: only those a template needs are run.
using MetadataKinds = quint8;
constexpr MetadataKinds kNoMetadata = 0;
constexpr MetadataKinds kPhotoMetadata = 1;
constexpr MetadataKinds kAudioMetadata = 2;
constexpr MetadataKinds kVideoMetadata = 4;

// The reader that fills field.
MetadataKinds metadataKindOf(MetadataField field);

struct FileMetadata
{
    std::array<QString, kMetadataFieldCount> values;
    MetadataKinds kindsRead = kNoMetadata;
    // Why the file could not be read at all (it vanished, permission, not a regular file);
    // empty when it was read, whether or not it held anything.
    QString problem;

    const QString &value(MetadataField field) const { return values[std::size_t(field)]; }
    void set(MetadataField field, const QString &value) { values[std::size_t(field)] = value; }
};

// A tag's text made plain: surrounding spaces dropped, and text that a library gives for a
// missing value (nothing but spaces or NULs) made empty.
QString tagText(const QString &text);

#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>

// Fills the audio fields of out from the file at path (MP3 with ID3v1 and ID3v2, FLAC, Ogg,
// Opus, M4A/MP4, WAV and whatever else the installed TagLib reads, told apart by content).
// A file TagLib cannot read leaves them empty; nothing is thrown.
void readAudioMetadata(const QByteArray &path, FileMetadata &out);

// The number before a '/' in a track or disc tag ("3/12" -> "3"); empty when it is not a
// positive number.
QString tagNumber(const QString &text);

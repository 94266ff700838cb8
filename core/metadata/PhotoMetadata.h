#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>
#include <QByteArrayView>

// Fills the photo fields of out from the image at path (JPEG, TIFF, PNG, WebP, the RAW
// formats and whatever else the installed Exiv2 reads). A file Exiv2 cannot read leaves
// them empty; nothing is thrown.
void readPhotoMetadata(const QByteArray &path, FileMetadata &out);
// The same from the first bytes of a JPEG file (its EXIF block sits in the first 64 KiB, before
// the image data): false, with nothing read, when head is no JPEG.
bool readJpegHeadMetadata(QByteArrayView head, FileMetadata &out);

// An EXIF date ("YYYY:MM:DD HH:MM:SS", the time optional) as "YYYY-MM-DD HH:MM:SS"; empty
// when it is no date (blank, zeros, or other text).
QString exifDate(const QString &text);

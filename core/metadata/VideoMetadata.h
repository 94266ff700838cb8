#pragma once

#include "core/metadata/FileMetadata.h"

// Fills the video fields of out from the open regular file fd of size bytes (MP4, MOV, MKV
// and whatever else the installed MediaInfo library reads). The file is read through
// core/system in bounded pieces; a file MediaInfo cannot read leaves them empty.
void readVideoMetadata(int fd, qint64 size, FileMetadata &out);

// A MediaInfo date ("UTC 2024-01-02 03:04:05", "2024-01-02 03:04:05 UTC", ISO 8601) as
// "YYYY-MM-DDTHH:MM:SSZ"; empty when it is no date or the zero date of an unset field.
QString mediaInfoDate(const QString &text);

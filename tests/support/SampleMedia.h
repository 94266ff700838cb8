#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small media files for the tests, made here: no downloaded samples.

// A JPEG holding only an EXIF block with the camera model and the date taken
// ("YYYY:MM:DD HH:MM:SS"), written byte by byte; Exiv2 reads it as any camera's file.
QByteArray exifJpeg(const QByteArray &model, const QByteArray &taken);

// Runs program with arguments (ffmpeg, exiv2, id3v2, flac...); false when it is missing or
// fails, with what it printed in output when given.
bool runTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr);

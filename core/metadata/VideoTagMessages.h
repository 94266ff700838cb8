#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>

#include <cstddef>

// What the core and the video tag reader (quirewell-video-tags) say to each other over their
// socket, one message each way per file. The request is the file's size, with the open file
// passed along; the answer the duration and the creation date (either may be empty).
namespace VideoTagMessages {

constexpr std::size_t kRequestBytes = 8;
// Longer answers are refused unread: a reader that sends one is not to be trusted.
constexpr std::size_t kMostAnswerBytes = 128;

QByteArray request(qint64 size);
// The size in a request; -1 when it is none.
qint64 parseRequest(const char *data, qint64 n);

QByteArray answer(const FileMetadata &metadata);
// Sets the video fields of out from an answer: false, with out unchanged, unless both fields
// are what readVideoMetadata gives (digits; a "YYYY-MM-DDTHH:MM:SSZ" date).
bool parseAnswer(const QByteArray &answer, FileMetadata &out);

} // namespace VideoTagMessages

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QUrl>

// File names keep their exact bytes. A name is decoded as UTF-8, and each byte that is not
// part of a valid UTF-8 sequence becomes the lone surrogate U+DC80 + byte (the scheme Python
// calls surrogateescape). Encoding turns each such surrogate back into its byte, so decoding
// and encoding give back the bytes of any name.

// The first and last code units that stand for a byte 0x80..0xFF.
constexpr char16_t kFirstEscapedByte = 0xDC80;
constexpr char16_t kLastEscapedByte = 0xDCFF;

inline bool isEscapedByte(char16_t unit)
{
    return unit >= kFirstEscapedByte && unit <= kLastEscapedByte;
}

// Whether the unit at i stands for a byte: in the escaped range and not the low half of a
// pair (U+10080, say, ends in U+DC80).
inline bool isEscapedByteAt(QStringView name, qsizetype i)
{
    return isEscapedByte(name[i].unicode()) && !(i > 0 && name[i - 1].isHighSurrogate());
}

QString decodeFileName(QByteArrayView bytes);

// The bytes of name, into out (its allocation is reused). False, with out unspecified, when
// name holds a surrogate that is neither part of a pair nor an escaped byte: no bytes stand
// for it.
bool encodeFileName(QStringView name, QByteArray &out);
// The same for names that came from decodeFileName or are known to be encodable; a surrogate
// that cannot be encoded becomes U+FFFD.
QByteArray encodeFileName(QStringView name);

// The name with convert (QString -> QString) applied to each run of text between escaped
// bytes, which are kept as they are: Qt's case mappings do not keep a lone surrogate.
template <typename Convert>
QString convertBetweenEscapedBytes(QStringView name, const Convert &convert)
{
    QString result;
    result.reserve(name.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isEscapedByteAt(name, i))
            continue;
        result += convert(name.sliced(from, i - from).toString());
        if (i < name.size())
            result += name[i];
        from = i + 1;
    }
    return result;
}

// The name case-folded for ordering, each escaped byte kept as it is (Qt's folding would turn
// a lone surrogate into U+FFFD, so names that differ only after one would compare equal).
QString foldedFileName(QStringView name);

// The name as a person reads it: each escaped byte shown as U+FFFD.
QString displayedFileName(const QString &name);

// A file URL for the path's exact bytes (percent-encoded where needed).
QUrl localFileUrl(const QByteArray &path);

// Drops the '/' characters at the end of a folder path, keeping the root's one.
QString withoutTrailingSlashes(QString folder);

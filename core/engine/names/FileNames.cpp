#include "core/engine/names/FileNames.h"

#include <QChar>

namespace {

bool isAscii(const char *bytes, qsizetype n)
{
    unsigned char any = 0;
    for (qsizetype i = 0; i < n; ++i)
        any |= static_cast<unsigned char>(bytes[i]);
    return any < 0x80;
}

bool inRange(unsigned char c, unsigned char low, unsigned char high)
{
    return c >= low && c <= high;
}

// The length of the valid UTF-8 sequence at s[0..n), with its code point in cp, or 0 when
// s[0] does not start one (Unicode's table of well-formed byte sequences: no overlong
// forms, no surrogates, nothing above U+10FFFF).
int validSequence(const unsigned char *s, qsizetype n, char32_t &cp)
{
    const unsigned char b0 = s[0];
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    int length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (inRange(b0, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(b0, 0xE0, 0xEF)) {
        length = 3;
        if (b0 == 0xE0)
            low = 0xA0;
        else if (b0 == 0xED)
            high = 0x9F;
    } else if (inRange(b0, 0xF0, 0xF4)) {
        length = 4;
        if (b0 == 0xF0)
            low = 0x90;
        else if (b0 == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (n < length || !inRange(s[1], low, high))
        return 0;
    for (int k = 2; k < length; ++k)
        if (!inRange(s[k], 0x80, 0xBF))
            return 0;
    cp = char32_t(b0 & (0xFF >> (length + 1)));
    for (int k = 1; k < length; ++k)
        cp = (cp << 6) | char32_t(s[k] & 0x3F);
    return length;
}

void appendUtf8(char32_t cp, QByteArray &out)
{
    if (cp < 0x80) {
        out.append(char(cp));
    } else if (cp < 0x800) {
        out.append(char(0xC0 | (cp >> 6)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.append(char(0xE0 | (cp >> 12)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else {
        out.append(char(0xF0 | (cp >> 18)));
        out.append(char(0x80 | ((cp >> 12) & 0x3F)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    }
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    if (isAscii(bytes.data(), n))
        return QString::fromLatin1(bytes.data(), n);
    // Every byte gives at most one UTF-16 unit; four bytes give two.
    QString name(n, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(name.data());
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    qsizetype i = 0, k = 0;
    while (i < n) {
        char32_t cp = 0;
        const int length = validSequence(s + i, n - i, cp);
        if (length == 0) {
            out[k++] = char16_t(kFirstEscapedByte - 0x80 + s[i]);
            ++i;
        } else if (cp >= 0x10000) {
            out[k++] = QChar::highSurrogate(cp);
            out[k++] = QChar::lowSurrogate(cp);
            i += length;
        } else {
            out[k++] = char16_t(cp);
            i += length;
        }
    }
    name.truncate(k);
    return name;
}

bool encodeFileName(QStringView name, QByteArray &out)
{
    const qsizetype n = name.size();
    const char16_t *in = name.utf16();
    out.resize(n);
    char *ascii = out.data();
    qsizetype i = 0;
    for (; i < n && in[i] < 0x80; ++i)
        ascii[i] = char(in[i]);
    if (i == n)
        return true;
    out.truncate(i);
    bool encodable = true;
    for (; i < n; ++i) {
        const char16_t c = in[i];
        if (!QChar::isSurrogate(c)) {
            appendUtf8(c, out);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
            appendUtf8(QChar::surrogateToUcs4(c, in[i + 1]), out);
            ++i;
        } else if (isEscapedByte(c)) {
            out.append(char(c - kFirstEscapedByte + 0x80));
        } else {
            appendUtf8(QChar::ReplacementCharacter, out);
            encodable = false;
        }
    }
    return encodable;
}

QByteArray encodeFileName(QStringView name)
{
    QByteArray bytes;
    encodeFileName(name, bytes);
    return bytes;
}

QString foldedFileName(QStringView name)
{
    return convertBetweenEscapedBytes(name,
                                      [](const QString &text) { return text.toCaseFolded(); });
}

QString displayedFileName(const QString &name)
{
    const char16_t *units = reinterpret_cast<const char16_t *>(name.utf16());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(units[i]))
            continue;
        // A high surrogate before it makes it a pair, as encodeFileName reads it.
        QString shown = name;
        for (qsizetype k = i; k < shown.size(); ++k)
            if (isEscapedByte(shown.at(k).unicode()) &&
                (k == 0 || !shown.at(k - 1).isHighSurrogate()))
                shown[k] = QChar::ReplacementCharacter;
        return shown;
    }
    return name;
}

QUrl localFileUrl(const QByteArray &path)
{
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + path.toPercentEncoding("/"),
                             QUrl::StrictMode);
}

QString withoutTrailingSlashes(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

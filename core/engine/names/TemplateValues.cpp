#include "core/engine/names/TemplateValues.h"

#include "core/engine/names/FileNames.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <iterator>

namespace {

constexpr qsizetype kMostNameBytes = 255;
const char *const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char *const kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};

bool knownConversion(QChar c)
{
    return QStringView(u"YymdeHIMSpjbBaAFT%").contains(c);
}

// n in decimal, at least digits wide: fill before it (zeros after a minus sign). Digit by
// digit: QString::arg's parsing of its pattern cost more than the rest of a date.
void appendNumber(QString &out, qint64 n, int digits, char16_t fill = u'0')
{
    char16_t text[24];
    qsizetype at = std::size(text);
    quint64 magnitude = n < 0 ? 0 - quint64(n) : quint64(n);
    do {
        text[--at] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const qsizetype width = qsizetype(std::size(text)) - at + (n < 0 ? 1 : 0);
    const qsizetype padding = std::max<qsizetype>(0, digits - width);
    if (n < 0 && fill == u'0')
        out += u'-';
    for (qsizetype i = 0; i < padding; ++i)
        out += QChar(fill);
    if (n < 0 && fill != u'0')
        out += u'-';
    out.append(reinterpret_cast<const QChar *>(text + at), qsizetype(std::size(text)) - at);
}

QString number(qint64 n, int digits)
{
    QString text;
    appendNumber(text, n, digits);
    return text;
}

QDate calendarDate(const TemplateDate &d)
{
    return QDate(d.year, d.month, d.day);
}

void appendConversion(QString &out, QChar c, const TemplateDate &d)
{
    switch (c.unicode()) {
    case u'Y':
        appendNumber(out, d.year, 4);
        return;
    case u'y':
        appendNumber(out, ((d.year % 100) + 100) % 100, 2);
        return;
    case u'm':
        appendNumber(out, d.month, 2);
        return;
    case u'd':
        appendNumber(out, d.day, 2);
        return;
    case u'e':
        appendNumber(out, d.day, 2, u' ');
        return;
    case u'H':
        appendNumber(out, d.hour, 2);
        return;
    case u'I':
        appendNumber(out, d.hour % 12 == 0 ? 12 : d.hour % 12, 2);
        return;
    case u'M':
        appendNumber(out, d.minute, 2);
        return;
    case u'S':
        appendNumber(out, d.second, 2);
        return;
    case u'p':
        out += d.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        return;
    case u'j':
        appendNumber(out, calendarDate(d).isValid() ? calendarDate(d).dayOfYear() : 0, 3);
        return;
    case u'b':
    case u'B': {
        const QString month = QLatin1String(kMonths[(d.month + 11) % 12]);
        out += c == u'b' ? month.left(3) : month;
        return;
    }
    case u'a':
    case u'A': {
        const QDate date = calendarDate(d);
        const QString day = QLatin1String(kWeekdays[date.isValid() ? date.dayOfWeek() - 1 : 0]);
        out += c == u'a' ? day.left(3) : day;
        return;
    }
    case u'F':
        out += formatDate(u"%Y-%m-%d", d);
        return;
    case u'T':
        out += formatDate(u"%H:%M:%S", d);
        return;
    default:
        out += c; // '%'
    }
}

TemplateDate dateOf(const QDateTime &when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

// The number of the digits text[from, from + n), or -1 when one is no digit.
int digitsAt(QStringView text, qsizetype from, int n)
{
    int value = 0;
    for (qsizetype i = from; i < from + n; ++i) {
        if (i >= text.size() || text[i] < u'0' || text[i] > u'9')
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

// "YYYY-MM-DD HH:MM:SS" as read from a photo, taken field by field: no time zone applies,
// and no calendar conversion is needed per file.
std::optional<TemplateDate> recordedDate(QStringView text)
{
    if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' || text[10] != u' ' ||
        text[13] != u':' || text[16] != u':')
        return std::nullopt;
    const TemplateDate date{digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                            digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    if (date.year < 0 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31 ||
        date.hour < 0 || date.hour > 23 || date.minute < 0 || date.minute > 59 || date.second < 0 ||
        date.second > 60)
        return std::nullopt;
    return date;
}

// A UTC time ("YYYY-MM-DDTHH:MM:SSZ") in local time.
std::optional<TemplateDate> localDate(const QString &text)
{
    const QDateTime when = QDateTime::fromString(text, Qt::ISODate);
    if (!when.isValid())
        return std::nullopt;
    return dateOf(when.toLocalTime());
}

QString duration(const QString &milliseconds)
{
    const qint64 total = (milliseconds.toLongLong() + 500) / 1000;
    const qint64 h = total / 3600, m = total / 60 % 60, s = total % 60;
    if (h > 0)
        return QStringLiteral("%1h%2m%3s").arg(h).arg(number(m, 2), number(s, 2));
    if (m > 0)
        return QStringLiteral("%1m%2s").arg(m).arg(number(s, 2));
    return QStringLiteral("%1s").arg(s);
}

QString lastFolderName(QStringView location, int up)
{
    QStringView path = location;
    while (path.endsWith(u'/'))
        path.chop(1);
    for (int i = 0; i < up; ++i) {
        const qsizetype slash = path.lastIndexOf(u'/');
        path = slash < 0 ? QStringView() : path.first(slash);
        while (path.endsWith(u'/'))
            path.chop(1);
    }
    return path.sliced(path.lastIndexOf(u'/') + 1).toString();
}

QString withCase(QString value, TemplateChoice::Case textCase)
{
    switch (textCase) {
    case TemplateChoice::Case::Upper:
        return value.toUpper();
    case TemplateChoice::Case::Lower:
        return value.toLower();
    case TemplateChoice::Case::AsIs:
        break;
    }
    return value;
}

QString padded(const QString &value, int digits)
{
    if (digits <= value.size())
        return value;
    return QString(digits - value.size(), u'0') + value;
}

// A metadata field as the choice writes it; none when the file has no value for it.
std::optional<QString> metadataValue(const TemplateChoice &choice, const TemplateTokenInfo &info,
                                     const TemplateRow &row)
{
    if (!row.metadata)
        return std::nullopt;
    const QString &raw = row.metadata->value(*info.field);
    if (raw.isEmpty())
        return std::nullopt;
    std::optional<TemplateDate> date;
    switch (*info.field) {
    case MetadataField::PhotoTaken:
    case MetadataField::PhotoDigitized:
        date = recordedDate(raw);
        break;
    case MetadataField::VideoCreated:
        date = localDate(raw);
        break;
    case MetadataField::VideoDuration:
        return duration(raw);
    default: {
        const QString safe = safeNameValue(raw);
        if (safe.isEmpty())
            return std::nullopt;
        return info.option == TokenOption::Digits ? padded(safe, choice.digits)
                                                  : withCase(safe, choice.textCase);
    }
    }
    if (!date)
        return std::nullopt;
    return safeNameValue(formatDate(choice.text, *date));
}

std::optional<QString> choiceValue(const TemplateChoice &choice, const TemplateRow &row)
{
    if (choice.token < 0)
        return safeNameValue(choice.text); // a quoted text always stands, empty or not
    const TemplateTokenInfo &info = templateTokens()[size_t(choice.token)];
    const QStringView name(row.loadedName);
    const qsizetype dot = name.lastIndexOf(u'.');
    switch (info.source) {
    case TokenSource::Name:
        return withCase(row.loadedName, choice.textCase);
    case TokenSource::Title:
        return withCase((dot < 0 ? name : name.first(dot)).toString(), choice.textCase);
    case TokenSource::Ext:
        return withCase(dot < 0 ? QString() : name.sliced(dot).toString(), choice.textCase);
    case TokenSource::Folder:
        return withCase(lastFolderName(row.location, 0), choice.textCase);
    case TokenSource::Parent:
        return withCase(lastFolderName(row.location, 1), choice.textCase);
    case TokenSource::Counter:
        return padded(QString::number(row.counter), choice.digits);
    case TokenSource::Modified:
        if (!row.modifiedKnown)
            return std::nullopt;
        return safeNameValue(
            formatDate(choice.text, dateOf(QDateTime::fromSecsSinceEpoch(row.modified))));
    case TokenSource::Metadata:
        return metadataValue(choice, info, row);
    }
    return std::nullopt;
}

int utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// The bytes name takes on disk, and where to cut it: the index of the first character
// that goes past limit (name.size() when none does).
qsizetype cutPoint(QStringView name, qsizetype limit, qsizetype *bytes)
{
    qsizetype total = 0;
    qsizetype cut = name.size();
    for (qsizetype i = 0; i < name.size();) {
        const bool pair =
            name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        const int n = isEscapedByteAt(name, i) ? 1 : pair ? 4 : utf8Length(name[i].unicode());
        if (total + n > limit && cut == name.size())
            cut = i;
        total += n;
        i += pair ? 2 : 1;
    }
    if (bytes)
        *bytes = total;
    return cut;
}

} // namespace

qsizetype invalidDateConversion(QStringView format)
{
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%')
            continue;
        if (i + 1 >= format.size() || !knownConversion(format[i + 1]))
            return i;
        ++i;
    }
    return -1;
}

QString formatDate(QStringView format, const TemplateDate &date)
{
    QString out;
    // Room for the usual dates at once: growing step by step took most of the time here.
    out.reserve(format.size() + 16);
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() && knownConversion(format[i + 1]))
            appendConversion(out, format[++i], date);
        else
            out += format[i];
    }
    return out;
}

// Whether value is already safe as it stands: printable ASCII without '/', no space at
// either end, no dot first. Most tag values and every date are.
bool alreadySafe(QStringView value)
{
    if (value.isEmpty() || value.front() == u'.' || value.front() == u' ' || value.back() == u' ')
        return false;
    return std::all_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'/';
    });
}

QString safeNameValue(const QString &value)
{
    if (alreadySafe(value))
        return value;
    QString safe;
    safe.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'/')
            safe += u'_';
        else if (c.category() == QChar::Other_Control)
            safe += u' ';
        else if (c.isSurrogate() &&
                 !(c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) &&
                 !(c.isLowSurrogate() && i > 0 && value[i - 1].isHighSurrogate()))
            safe += QChar::ReplacementCharacter; // a lone surrogate would stand for a raw byte
        else
            safe += c;
    }
    safe = safe.trimmed();
    qsizetype dots = 0;
    while (dots < safe.size() && safe[dots] == u'.')
        ++dots;
    return safe.sliced(dots).trimmed();
}

QString fitNameLength(const QString &name)
{
    qsizetype bytes = 0;
    const qsizetype whole = cutPoint(name, kMostNameBytes, &bytes);
    if (bytes <= kMostNameBytes)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0) {
        qsizetype extensionBytes = 0;
        cutPoint(QStringView(name).sliced(dot), kMostNameBytes, &extensionBytes);
        if (extensionBytes < kMostNameBytes) {
            const QStringView title = QStringView(name).first(dot);
            const qsizetype cut = cutPoint(title, kMostNameBytes - extensionBytes, nullptr);
            return title.first(cut).toString() + name.sliced(dot);
        }
    }
    return name.left(whole);
}

std::optional<QString> evaluateTemplate(const NameTemplate &nameTemplate, const TemplateRow &row,
                                        QString *reason)
{
    QString name;
    name.reserve(64);
    for (const TemplatePiece &piece : nameTemplate.pieces()) {
        if (piece.choices.empty()) {
            name += piece.literal;
            continue;
        }
        std::optional<QString> value;
        for (const TemplateChoice &choice : piece.choices) {
            value = choiceValue(choice, row);
            if (value)
                break;
        }
        if (!value) {
            if (reason) {
                const TemplateChoice &first = piece.choices.front();
                *reason = QStringLiteral("no ") +
                          QLatin1String(templateTokens()[size_t(first.token)].name);
                if (row.metadata && !row.metadata->problem.isEmpty())
                    *reason += QStringLiteral(" (%1)").arg(row.metadata->problem);
            }
            return std::nullopt;
        }
        name += *value;
    }
    return fitNameLength(name);
}

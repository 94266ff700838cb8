#include "core/listing/ListingTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace ListingTexts {

namespace {

__extension__ using Wide = unsigned __int128;

const char *const kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};

const char *const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char *const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

char *writeText(const char *text, char *out)
{
    const size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

char *writeTwoDigits(int value, char *out)
{
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
    return out + 2;
}

char *writeNumber(long long value, char *out)
{
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    if (value < 0)
        *out++ = '-';
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

} // namespace

// The value in the chosen unit is kept to three significant digits by truncation; the unit
// is the smallest one (from KB up) in which the value is below 1000.
int writeByteSize(qint64 bytes, char *text)
{
    if (bytes < 1024) {
        char *p = writeNumber(bytes, text);
        std::memcpy(p, " bytes", 6);
        return int(p - text) + 6;
    }

    int unit = 0;
    Wide divisor = 1024;
    while (unit < 5 && Wide(bytes) >= Wide(1000) * divisor) {
        divisor *= 1024;
        ++unit;
    }
    const quint64 hundredths = quint64(Wide(bytes) * 100 / divisor);
    int n;
    if (hundredths >= 10000)
        n = std::snprintf(text, kTextRoom, "%llu %s", hundredths / 100, kUnits[unit]);
    else if (hundredths >= 1000)
        n = std::snprintf(text, kTextRoom, "%llu.%llu %s", hundredths / 100, hundredths / 10 % 10,
                          kUnits[unit]);
    else
        n = std::snprintf(text, kTextRoom, "%llu.%02llu %s", hundredths / 100, hundredths % 100,
                          kUnits[unit]);
    return std::max(n, 0);
}

QString byteSize(qint64 bytes)
{
    char text[kTextRoom];
    return QString::fromLatin1(text, writeByteSize(bytes, text));
}

// Written by hand rather than with snprintf: a listing formats one per row.
int writeLastWriteTime(qint64 secondsSinceEpoch, char *text)
{
    const time_t seconds = time_t(secondsSinceEpoch);
    if (qint64(seconds) != secondsSinceEpoch)
        return 0;
    struct tm local;
    if (!::localtime_r(&seconds, &local))
        return 0;
    if (local.tm_wday < 0 || local.tm_wday > 6 || local.tm_mon < 0 || local.tm_mon > 11 ||
        local.tm_hour < 0 || local.tm_hour > 99 || local.tm_min < 0 || local.tm_min > 99 ||
        local.tm_sec < 0 || local.tm_sec > 99 || local.tm_mday < 0 || local.tm_mday > 99)
        return 0;
    char *p = writeTwoDigits(local.tm_hour, text);
    *p++ = ':';
    p = writeTwoDigits(local.tm_min, p);
    *p++ = ':';
    p = writeTwoDigits(local.tm_sec, p);
    p = writeText("       ", p);
    p = writeText(kWeekdays[local.tm_wday], p);
    p = writeText(", ", p);
    p = writeText(kMonths[local.tm_mon], p);
    *p++ = ' ';
    p = writeTwoDigits(local.tm_mday, p);
    p = writeText(", ", p);
    p = writeNumber(static_cast<long long>(local.tm_year) + 1900, p);
    return int(p - text);
}

QString lastWriteTime(qint64 secondsSinceEpoch)
{
    char text[kTextRoom];
    return QString::fromLatin1(text, writeLastWriteTime(secondsSinceEpoch, text));
}

QString fileStatistics(int rowCount, const QString &folder, bool hiddenIgnored,
                       bool readOnlyIgnored)
{
    QString text = QCoreApplication::translate("ListingTexts", "%n File(s) Listed from Folder [%1]",
                                               nullptr, rowCount)
                       .arg(folder);
    if (hiddenIgnored)
        text += QCoreApplication::translate("ListingTexts", " Hidden File(s) Ignored");
    if (readOnlyIgnored)
        text += QCoreApplication::translate("ListingTexts", " Read Only File(s) Ignored");
    return text;
}

QString problemToolTip(RowProblem problem, const QString &detail)
{
    switch (problem) {
    case RowProblem::None:
        return {};
    case RowProblem::Duplicate:
        return QCoreApplication::translate(
            "ListingTexts", "Another checked file in this folder would get the same name.");
    case RowProblem::Exists:
        return QCoreApplication::translate(
            "ListingTexts", "A file that is not renamed away already has this name.");
    case RowProblem::Invalid:
        return QCoreApplication::translate("ListingTexts", "The new name cannot be used (%1).")
            .arg(detail);
    case RowProblem::MissingValue:
        return QCoreApplication::translate(
                   "ListingTexts",
                   "The name template has no value for this file (%1); it keeps its name.")
            .arg(detail);
    case RowProblem::RuleFailed:
        break;
    }
    return QCoreApplication::translate("ListingTexts", "The rule could not name this file: %1")
        .arg(detail);
}

QString conflictCount(qsizetype marked)
{
    return marked > 0 ? QCoreApplication::translate("ListingTexts",
                                                    " (%n New File Name(s) Marked as Conflicts)",
                                                    nullptr, int(marked))
                      : QString();
}

QString missingValueCount(qsizetype rows)
{
    return rows > 0 ? QCoreApplication::translate("ListingTexts",
                                                  " (%n File(s) Without a Template Value)", nullptr,
                                                  int(rows))
                    : QString();
}

QString folderInformation(int foldersRecorded, int unread)
{
    // The walk records the chosen folder itself, so fewer than two recorded folders means no
    // sub-folder was searched (0 only when no walk has been recorded at all).
    if (foldersRecorded <= 1)
        return QCoreApplication::translate("ListingTexts", "File(s) from Sub Folder(s) Not Listed");
    QString text = QCoreApplication::translate("ListingTexts", "%n Folder(s) Searched", nullptr,
                                               foldersRecorded - 1);
    if (unread > 0)
        text += QCoreApplication::translate("ListingTexts", ", %n Not Read", nullptr, unread);
    return text;
}

QString folderCaption(const QString &folder)
{
    if (folder.isEmpty())
        return QCoreApplication::translate("ListingTexts",
                                           "Edit Folder Location to List && Rename Files.");
    return QCoreApplication::translate("ListingTexts", "List of Files Found in Folder %1")
        .arg(folder);
}

QString listingCancelled()
{
    return QCoreApplication::translate("ListingTexts", " (Listing Cancelled: the List is Partial)");
}

QString couldNotList(const QString &folder)
{
    return QCoreApplication::translate(
               "ListingTexts",
               "Could Not List Files from [%1].\n\nFile(s) from Any Sub Folder(s) Are Not "
               "Loaded.")
        .arg(folder);
}

QString noFilesFound(const QString &folder)
{
    return QCoreApplication::translate(
               "ListingTexts",
               "No Files Found in the Folder [%1].\n\nFile(s) from Any Sub Folder(s) Are Not "
               "Loaded.")
        .arg(folder);
}

QString fileStatisticsLabel()
{
    return QCoreApplication::translate("ListingTexts", "File(s) Statistics");
}

QString folderInformationLabel()
{
    return QCoreApplication::translate("ListingTexts", "Folder(s) Information");
}

} // namespace ListingTexts

#include "listing/ListingTexts.h"

#include <cstdio>
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

} // namespace

// The value in the chosen unit is kept to three significant digits by truncation; the unit
// is the smallest one (from KB up) in which the value is below 1000.
QString byteSize(qint64 bytes)
{
    if (bytes < 1024)
        return QString::number(bytes) + QStringLiteral(" bytes");

    int unit = 0;
    Wide divisor = 1024;
    while (unit < 5 && Wide(bytes) >= Wide(1000) * divisor) {
        divisor *= 1024;
        ++unit;
    }
    const quint64 hundredths = quint64(Wide(bytes) * 100 / divisor);
    char text[32];
    if (hundredths >= 10000)
        std::snprintf(text, sizeof text, "%llu %s", hundredths / 100, kUnits[unit]);
    else if (hundredths >= 1000)
        std::snprintf(text, sizeof text, "%llu.%llu %s", hundredths / 100, hundredths / 10 % 10,
                      kUnits[unit]);
    else
        std::snprintf(text, sizeof text, "%llu.%02llu %s", hundredths / 100, hundredths % 100,
                      kUnits[unit]);
    return QString::fromLatin1(text);
}

QString lastWriteTime(qint64 secondsSinceEpoch)
{
    const time_t seconds = time_t(secondsSinceEpoch);
    if (qint64(seconds) != secondsSinceEpoch)
        return {};
    struct tm local;
    if (!::localtime_r(&seconds, &local))
        return {};
    if (local.tm_wday < 0 || local.tm_wday > 6 || local.tm_mon < 0 || local.tm_mon > 11)
        return {};
    char text[128];
    const int n =
        std::snprintf(text, sizeof text, "%02d:%02d:%02d       %s, %s %02d, %lld", local.tm_hour,
                      local.tm_min, local.tm_sec, kWeekdays[local.tm_wday], kMonths[local.tm_mon],
                      local.tm_mday, static_cast<long long>(local.tm_year) + 1900);
    if (n < 0 || n >= int(sizeof text))
        return {};
    return QString::fromLatin1(text, n);
}

QString fileStatistics(int rowCount, const QString &folder, bool hiddenIgnored,
                       bool readOnlyIgnored)
{
    QString text = QStringLiteral("%1 File(s) Listed from Folder [%2]").arg(rowCount).arg(folder);
    if (hiddenIgnored)
        text += QStringLiteral(" Hidden File(s) Ignored");
    if (readOnlyIgnored)
        text += QStringLiteral(" Read Only File(s) Ignored");
    return text;
}

QString folderInformation(int foldersRecorded)
{
    // The walk records the chosen folder itself, so fewer than two recorded folders means no
    // sub-folder was searched (0 only when no walk has been recorded at all).
    if (foldersRecorded <= 1)
        return QStringLiteral("File(s) from Sub Folder(s) Not Listed");
    return QStringLiteral("%1 Folder(s) Searched").arg(foldersRecorded - 1);
}

QString folderCaption(const QString &folder)
{
    if (folder.isEmpty())
        return QStringLiteral("Edit Folder Location to List && Rename Files.");
    return QStringLiteral("List of Files Found in Folder ") + folder;
}

QString listingCancelled()
{
    return QStringLiteral(" (Listing Cancelled: the List is Partial)");
}

QString couldNotList(const QString &folder)
{
    return QStringLiteral("Could Not List Files from [") + folder +
           QStringLiteral("].\n\nFile(s) from Any Sub Folder(s) Are Not Loaded.");
}

QString noFilesFound(const QString &folder)
{
    return QStringLiteral("No Files Found in the Folder [") + folder +
           QStringLiteral("].\n\nFile(s) from Any Sub Folder(s) Are Not Loaded.");
}

QString fileStatisticsLabel()
{
    return QStringLiteral("File(s) Statistics");
}

QString folderInformationLabel()
{
    return QStringLiteral("Folder(s) Information");
}

} // namespace ListingTexts

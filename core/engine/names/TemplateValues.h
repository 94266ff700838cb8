#pragma once

#include "core/engine/names/NameTemplate.h"
#include "core/metadata/FileMetadata.h"

#include <QString>

// The values of a name template's tokens for one row, and the rules that make them safe in a
// file name.

// What a template needs to know of one row.
struct TemplateRow
{
    QString loadedName;
    // The row's folder, ending in '/'. A view: every row of a folder shares its text, and
    // counting each use of it from every thread at once cost more than the rest of a name.
    QStringView location;
    qint64 modified = 0;                    // seconds since the epoch
    bool modifiedKnown = false;             // false: the modified time could not be read
    qint64 counter = 1;                     // 1, 2, 3... in list order
    const FileMetadata *metadata = nullptr; // what was read of the file, when the template reads it
};

// The name the template gives the row. None when a field has no value in any of its
// alternatives; reason then says which ("no photo.taken", with why the file could not be read
// when it could not).
std::optional<QString> evaluateTemplate(const NameTemplate &nameTemplate, const TemplateRow &row,
                                        QString *reason = nullptr);

// The index of the first '%' in format whose conversion is not one formatDate() knows, or -1.
qsizetype invalidDateConversion(QStringView format);

// A date and time as a template writes them: the fields as given, no time zone applied.
struct TemplateDate
{
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// format with its conversions replaced: %Y %y %m %d %e %H %I %M %S %p %j %b %B %a %A %F %T
// and %% (English names, as in the C locale).
QString formatDate(QStringView format, const TemplateDate &date);

// A value read from a file made fit to stand in a name: '/' becomes '_', NUL and other
// control characters become spaces, spaces around it and leading dots are dropped. Empty
// when nothing is left (the value then counts as missing).
QString safeNameValue(const QString &value);

// name shortened to at most 255 bytes on disk: characters are dropped from the end of the
// title (the part before the last '.'), the extension kept; a name whose extension alone is
// too long is cut at its end. A surrogate pair is never split.
QString fitNameLength(const QString &name);

#include "core/engine/rename/NameMapping.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/RowThreads.h"
#include "core/system/FileDescriptor.h"
#include "core/system/FileSystem.h"
#include "core/system/SystemError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <utility>

namespace NameMapping {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

QString byteOrderMarkReason()
{
    return QStringLiteral("the file starts with a UTF-8 byte-order mark: save it without one");
}

QString carriageReturnReason()
{
    return QStringLiteral("holds a carriage return (Windows line ends?): save the file with "
                          "line feeds only, and write \\r for one in a name");
}

bool needsEscape(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == u'\\' || c == u'\0';
}

char escapeLetter(char c)
{
    switch (c) {
    case '\t':
        return 't';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\0':
        return '0';
    default:
        return c;
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// How the paths of preview output's Location column are made relative to the folder.
class FolderPlace
{
public:
    explicit FolderPlace(const QString &folder)
        : m_given(withSlash(encodeFileName(folder))), m_absolute(absolute(folder))
    {}

    // The location's path below the folder ("" or ending in '/'); nullopt when it lies
    // elsewhere.
    std::optional<QByteArray> relative(const QByteArray &location) const
    {
        const QByteArray given = withSlash(location);
        if (given.startsWith(m_given))
            return given.sliced(m_given.size());
        const QByteArray full = absolute(decodeFileName(location));
        if (full.startsWith(m_absolute))
            return full.sliced(m_absolute.size());
        return std::nullopt;
    }

private:
    static QByteArray withSlash(QByteArray path)
    {
        if (!path.endsWith('/'))
            path += '/';
        return path;
    }
    static QByteArray absolute(const QString &path)
    {
        return withSlash(encodeFileName(QDir::cleanPath(QDir::current().absoluteFilePath(path))));
    }

    QByteArray m_given;
    QByteArray m_absolute;
};

// Turns the fields of one line or record into an entry, or a problem.
class EntryMaker
{
public:
    EntryMaker(MappingRead &read, const QString &folder) : m_read(read), m_place(folder) {}

    void add(int line, const std::vector<QByteArrayView> &fields)
    {
        const bool preview = fields.size() == 6;
        if (fields.size() != 2 && !preview) {
            problem(line, QStringLiteral("%1 columns: expected 2 (OLD and NEW) or 6 (the "
                                         "output of preview)")
                              .arg(fields.size()));
            return;
        }
        const size_t oldColumn = preview ? 1 : 0;
        const size_t newColumn = preview ? 2 : 1;
        QByteArray oldBytes;
        QByteArray newBytes;
        if (!field(line, fields, oldColumn, oldBytes) || !field(line, fields, newColumn, newBytes))
            return;
        if (preview) {
            QByteArray location;
            if (!field(line, fields, 5, location))
                return;
            const std::optional<QByteArray> below = m_place.relative(location);
            if (!below) {
                problem(line, QStringLiteral("the location \"%1\" is not inside the folder")
                                  .arg(decodeFileName(location)));
                return;
            }
            oldBytes.prepend(*below);
        }
        m_read.entries.push_back(MappingEntry{line, std::move(oldBytes), decodeFileName(newBytes)});
    }

    void problem(int line, const QString &reason) { m_read.problems.push_back({line, reason}); }

private:
    bool field(int line, const std::vector<QByteArrayView> &fields, size_t column, QByteArray &out)
    {
        QString error;
        if (unescape(fields[column], out, error))
            return true;
        problem(line, QStringLiteral("column %1: %2").arg(column + 1).arg(error));
        return false;
    }

    MappingRead &m_read;
    FolderPlace m_place;
};

void parseText(QByteArrayView text, EntryMaker &maker)
{
    int line = 0;
    std::vector<QByteArrayView> fields;
    qsizetype from = 0;
    while (from < text.size()) {
        ++line;
        qsizetype end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size(); // a last line without its line feed
        const QByteArrayView content = text.sliced(from, end - from);
        from = end + 1;
        if (content.isEmpty())
            continue;
        if (content.contains('\r')) {
            maker.problem(line, carriageReturnReason());
            continue;
        }
        fields.clear();
        qsizetype start = 0;
        for (qsizetype tab; (tab = content.indexOf('\t', start)) >= 0; start = tab + 1)
            fields.push_back(content.sliced(start, tab - start));
        fields.push_back(content.sliced(start));
        maker.add(line, fields);
    }
}

// RFC 4180: fields separated by commas, records by CRLF or LF; a field in double quotes may
// hold commas, line breaks and "" for one quote.
void parseCsv(QByteArrayView text, EntryMaker &maker)
{
    std::vector<QByteArray> fields;
    QByteArray field;
    bool inQuotes = false;
    bool closed = false; // the current field's closing quote was read
    bool bad = false;    // the current record already has a problem
    int line = 1;
    int recordLine = 1;
    const auto fail = [&](const QString &reason) {
        if (!bad)
            maker.problem(recordLine, reason);
        bad = true;
    };
    const auto endRecord = [&] {
        fields.push_back(std::exchange(field, {}));
        const bool blank = fields.size() == 1 && fields[0].isEmpty() && !closed;
        if (!bad && !blank) {
            std::vector<QByteArrayView> views(fields.begin(), fields.end());
            maker.add(recordLine, views);
        }
        fields.clear();
        closed = false;
        bad = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    inQuotes = false;
                    closed = true;
                }
            } else {
                line += c == '\n';
                field += c;
            }
            continue;
        }
        if (c == ',') {
            fields.push_back(std::exchange(field, {}));
            closed = false;
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r';
            endRecord();
            recordLine = ++line;
        } else if (c == '\r') {
            fail(carriageReturnReason());
        } else if (c == '"') {
            if (field.isEmpty() && !closed)
                inQuotes = true;
            else
                fail(QStringLiteral("a double quote inside a field that does not start with "
                                    "one (write \"\" inside a quoted field)"));
        } else if (closed) {
            fail(QStringLiteral("text after the closing double quote of a field"));
        } else {
            field += c;
        }
    }
    if (inQuotes)
        fail(QStringLiteral("a quoted field is not closed before the end of the file"));
    else if (!fields.empty() || !field.isEmpty() || closed)
        endRecord();
}

// The status of an entry's file, or why there is none to rename.
QString fileProblem(int folder, const QByteArray &name, FileSystem::FileStatus &status)
{
    const int error = FileSystem::statusAt(folder, name.constData(), status);
    if (error == ENOENT)
        return QStringLiteral("no such file");
    if (error != 0)
        return systemErrorText(error);
    if (status.type == FileSystem::FileType::Folder)
        return QStringLiteral("is a folder, not a file");
    FileSystem::FileStatus target;
    if (status.type == FileSystem::FileType::Link &&
        FileSystem::statusAt(folder, name.constData(), target, FileSystem::Links::Followed) == 0 &&
        target.type == FileSystem::FileType::Folder)
        return QStringLiteral("is a link to a folder, not a file");
    return {};
}

// What keeps a relative path from naming a file inside the folder by itself.
QString pathProblem(const QByteArray &path)
{
    if (path.isEmpty())
        return QStringLiteral("no file named");
    if (path.startsWith('/'))
        return QStringLiteral("\"%1\" is an absolute path: give it relative to the folder")
            .arg(decodeFileName(path));
    for (qsizetype from = 0; from <= path.size();) {
        qsizetype end = path.indexOf('/', from);
        if (end < 0)
            end = path.size();
        const QByteArrayView part = QByteArrayView(path).sliced(from, end - from);
        from = end + 1;
        if (part == "..")
            return QStringLiteral("\"%1\" goes out of the folder (\"..\")")
                .arg(decodeFileName(path));
        if (part.isEmpty() || part == ".")
            return QStringLiteral("\"%1\" is not a plain path (an empty part or \".\")")
                .arg(decodeFileName(path));
    }
    return {};
}

// The folders of the entries, each opened once, walking down from the folder itself without
// following a symbolic link.
class FolderWalk
{
public:
    FolderWalk(FileDescriptor root, QByteArray base) : m_base(std::move(base))
    {
        m_folders.emplace(QByteArray(), Folder{std::move(root), 0, {}});
    }

    struct Folder
    {
        FileDescriptor fd;
        int error = 0;
        QByteArray failedPart; // the part that could not be opened
    };

    // The folder below the base named by relative ("" or ending in '/').
    const Folder &open(const QByteArray &relative)
    {
        if (const auto known = m_folders.find(relative); known != m_folders.end())
            return known->second;
        const qsizetype cut = relative.lastIndexOf('/', relative.size() - 2);
        const QByteArray parentPath = relative.first(cut + 1);
        const QByteArray part = relative.sliced(cut + 1, relative.size() - cut - 2);
        Folder folder;
        {
            const Folder &parent = open(parentPath);
            if (!parent.fd) {
                folder.error = parent.error;
                folder.failedPart = parent.failedPart;
            } else {
                folder.fd = FileSystem::openSubFolderHandle(parent.fd.get(), part.constData());
                folder.error = folder.fd.error();
                if (!folder.fd)
                    folder.failedPart = relative.chopped(1);
            }
        }
        return m_folders.emplace(relative, std::move(folder)).first->second;
    }

    // The index in rows.folders of the folder at relative, added on first use.
    quint32 index(FileRows &rows, const QByteArray &relative, int fd)
    {
        if (const auto known = m_indexes.constFind(relative); known != m_indexes.constEnd())
            return *known;
        const QByteArray raw = m_base + relative;
        FileSystem::FileStatus status;
        FileSystem::status(fd, status);
        rows.folders.push_back(FileFolder{decodeFileName(raw), raw, status.device});
        const quint32 added = quint32(rows.folders.size() - 1);
        m_indexes.insert(relative, added);
        return added;
    }

private:
    QByteArray m_base;
    std::map<QByteArray, Folder> m_folders;
    QHash<QByteArray, quint32> m_indexes;
};

QString folderProblem(const FolderWalk::Folder &folder)
{
    const QString part = decodeFileName(folder.failedPart);
    if (folder.error == ENOENT)
        return QStringLiteral("no folder \"%1\"").arg(part);
    if (folder.error == ELOOP || folder.error == ENOTDIR)
        return QStringLiteral("\"%1\" is not a folder (or a link, which is not followed)")
            .arg(part);
    return QStringLiteral("cannot open \"%1\": %2").arg(part, systemErrorText(folder.error));
}

using FolderName = std::pair<quint32, QString>;

} // namespace

QByteArray escaped(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const QStringView view(text);
    qsizetype plain = 0; // start of the characters not yet written
    const auto writePlain = [&](qsizetype upTo) {
        if (upTo > plain)
            out.append(encodeFileName(view.sliced(plain, upTo - plain)));
    };
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view[i].unicode();
        const bool escapedByte = isEscapedByte(c) && (i == 0 || !view[i - 1].isHighSurrogate());
        if (!needsEscape(c) && !escapedByte)
            continue;
        writePlain(i);
        plain = i + 1;
        if (escapedByte) {
            const int byte = c - kFirstEscapedByte + 0x80;
            out.append("\\x", 2);
            out.append("0123456789abcdef"[byte >> 4]);
            out.append("0123456789abcdef"[byte & 0xF]);
        } else {
            out.append('\\');
            out.append(escapeLetter(char(c)));
        }
    }
    writePlain(view.size());
    return out;
}

// ASCII bytes decode to the same characters, so only the five escapes apply; anything else
// takes the way through the decoded name, which knows which bytes are not UTF-8.
void escapeBytes(QByteArrayView bytes, QByteArray &out)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        out = escaped(decodeFileName(bytes));
        return;
    }
    out.resize(2 * bytes.size());
    char *p = out.data();
    for (const char c : bytes) {
        if (needsEscape(char16_t(c))) {
            *p++ = '\\';
            *p++ = escapeLetter(c);
        } else {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
}

Form formOf(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Form::Csv : Form::Text;
}

bool unescape(QByteArrayView field, QByteArray &out, QString &error)
{
    out.clear();
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\0') {
            error = QStringLiteral("holds a NUL byte (write \\0 for one)");
            return false;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 1 == field.size()) {
            error = QStringLiteral("ends in a lone backslash (write \\\\ for one)");
            return false;
        }
        const char letter = field[++i];
        switch (letter) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '0':
            out += '\0';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            const int high = i + 1 < field.size() ? hexValue(field[i + 1]) : -1;
            const int low = i + 2 < field.size() ? hexValue(field[i + 2]) : -1;
            if (high < 0 || low < 0) {
                error = QStringLiteral("\\x needs two hex digits");
                return false;
            }
            out += char(high * 16 + low);
            i += 2;
            break;
        }
        default:
            error = QStringLiteral("invalid escape \"\\%1\" (the escapes are \\t, \\n, \\r, "
                                   "\\\\, \\0 and \\xHH)")
                        .arg(decodeFileName(field.sliced(i, 1)));
            return false;
        }
    }
    return true;
}

MappingRead parse(QByteArrayView text, Form form, const QString &folder)
{
    MappingRead read;
    // Reported, and the rest read as well, so that every problem is named at once.
    if (text.startsWith(kByteOrderMark)) {
        read.problems.push_back({1, byteOrderMarkReason()});
        text = text.sliced(kByteOrderMark.size());
    }
    EntryMaker maker(read, folder);
    if (form == Form::Csv)
        parseCsv(text, maker);
    else
        parseText(text, maker);
    return read;
}

QString readText(const QString &path, QByteArray &text)
{
    const QByteArray bytes = encodeFileName(path);
    // Looked at before it is opened: a FIFO is never opened, so nothing can block.
    FileSystem::FileStatus status;
    const int error = FileSystem::statusAt(FileSystem::kCurrentFolder, bytes.constData(), status,
                                           FileSystem::Links::Followed);
    if (error != 0)
        return systemErrorText(error);
    if (status.type != FileSystem::FileType::Regular)
        return QStringLiteral("not a regular file");
    const QString tooLarge =
        QStringLiteral("too large (at most %1 bytes are read)").arg(kLargestFile);
    if (status.size > kLargestFile)
        return tooLarge;
    // Opened by its path with every link resolved, as opening refuses a link.
    const QString resolved = QFileInfo(path).canonicalFilePath();
    const FileDescriptor fd =
        FileSystem::openFileAt(FileSystem::kCurrentFolder,
                               encodeFileName(resolved.isEmpty() ? path : resolved).constData(),
                               FileSystem::FileAccess::Read);
    if (!fd)
        return systemErrorText(fd.error());
    FileSystem::FileStatus opened;
    if (FileSystem::status(fd.get(), opened) != 0 || opened.type != FileSystem::FileType::Regular)
        return QStringLiteral("not a regular file");
    // Read up to one byte past the limit: a file that grew meanwhile is refused too.
    text.resize(qMin(opened.size, kLargestFile) + 1);
    qint64 filled = 0;
    while (true) {
        int readError = 0;
        const qint64 got =
            FileSystem::read(fd.get(), text.data() + filled, text.size() - filled, readError);
        if (got < 0)
            return systemErrorText(readError);
        if (got == 0)
            break;
        filled += got;
        if (filled > kLargestFile)
            return tooLarge;
        if (filled == text.size())
            text.resize(qMin(text.size() * 2, kLargestFile + 1));
    }
    text.truncate(filled);
    return {};
}

MappingRead readFile(const QString &path, const QString &folder)
{
    QByteArray text;
    if (const QString error = readText(path, text); !error.isEmpty()) {
        MappingRead read;
        read.problems.push_back({0, QStringLiteral("%1: %2").arg(path, error)});
        return read;
    }
    return parse(text, formOf(path), folder);
}

NameLines parseNameLines(QByteArrayView text)
{
    NameLines result;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c == '\n'; }))
        return result;
    if (text.startsWith(kByteOrderMark)) {
        result.problems.push_back({1, byteOrderMarkReason()});
        text = text.sliced(kByteOrderMark.size());
    }
    if (text.endsWith('\n'))
        text.chop(1);
    int line = 0;
    QByteArray bytes;
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size();
        const QByteArrayView content = text.sliced(from, end - from);
        from = end + 1;
        ++line;
        QString error;
        if (content.contains('\r'))
            result.problems.push_back({line, carriageReturnReason()});
        else if (!unescape(content, bytes, error))
            result.problems.push_back({line, error});
        result.names.push_back(decodeFileName(bytes));
    }
    return result;
}

int Plan::renameCount() const
{
    return int(std::count_if(rows.rows.begin(), rows.rows.end(),
                             [](const FileRow &row) { return row.newName != row.loadedName; }));
}

Plan check(const QString &folder, const std::vector<MappingEntry> &entries, bool reorder)
{
    Plan plan;
    QByteArray base = encodeFileName(folder);
    if (!base.endsWith('/'))
        base += '/';
    FileDescriptor root = FileSystem::openFolderHandle(base.constData());
    if (!root) {
        plan.problems.push_back({0, QStringLiteral("cannot open the folder %1: %2")
                                        .arg(folder, systemErrorText(root.error()))});
        return plan;
    }
    FolderWalk walk(std::move(root), base);
    FileRows &rows = plan.rows;
    rows.rows.reserve(entries.size());
    plan.lines.reserve(entries.size());
    QHash<QByteArray, int> sources; // each file's path, to its entry's index
    sources.reserve(qsizetype(entries.size()));
    const auto problem = [&](int line, const QString &reason) {
        plan.problems.push_back({line, reason});
    };

    // The paths first, each folder opened once; then every file looked up, shared out among
    // the cores as the listing's look-ups are; then the rows, in the mapping's order.
    struct Candidate
    {
        const MappingEntry *entry;
        const FolderWalk::Folder *place;
        qsizetype slash; // of the path's last '/', or -1
        FileSystem::FileStatus status;
        QString problem;
    };
    std::vector<Candidate> candidates;
    candidates.reserve(entries.size());
    for (const MappingEntry &entry : entries) {
        if (const QString reason = pathProblem(entry.oldPath); !reason.isEmpty()) {
            problem(entry.line, reason);
            continue;
        }
        const qsizetype slash = entry.oldPath.lastIndexOf('/');
        const FolderWalk::Folder &place = walk.open(entry.oldPath.first(slash + 1));
        if (!place.fd) {
            problem(entry.line, folderProblem(place));
            continue;
        }
        const auto seen = sources.constFind(entry.oldPath);
        if (seen != sources.constEnd()) {
            problem(entry.line, QStringLiteral("\"%1\" is named on line %2 already")
                                    .arg(decodeFileName(entry.oldPath))
                                    .arg(entries[size_t(*seen)].line));
            continue;
        }
        sources.insert(entry.oldPath, int(&entry - entries.data()));
        candidates.push_back({&entry, &place, slash, {}, {}});
    }
    RowThreads::shareOut(candidates.size(), [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            Candidate &c = candidates[i];
            c.problem =
                fileProblem(c.place->fd.get(), c.entry->oldPath.sliced(c.slash + 1), c.status);
        }
    });

    std::vector<int> rowOfEntry(entries.size(), -1);
    QByteArray lastRelative;
    quint32 lastFolder = 0;
    for (const Candidate &candidate : candidates) {
        const MappingEntry &entry = *candidate.entry;
        if (!candidate.problem.isEmpty()) {
            problem(
                entry.line,
                QStringLiteral("\"%1\": %2").arg(decodeFileName(entry.oldPath), candidate.problem));
            continue;
        }
        const QByteArrayView relative = QByteArrayView(entry.oldPath).first(candidate.slash + 1);
        const FileSystem::FileStatus &status = candidate.status;
        rowOfEntry[size_t(candidate.entry - entries.data())] = rows.count();
        FileRow &row = rows.rows.emplace_back();
        row.loadedName = decodeFileName(QByteArrayView(entry.oldPath).sliced(candidate.slash + 1));
        row.newName = entry.newName == row.loadedName ? row.loadedName : entry.newName;
        row.size = status.size;
        row.mtime = status.modifiedSeconds;
        row.inode = status.inode;
        row.serial = qint32(rows.rows.size());
        // Lines of one folder mostly come together.
        if (rows.rows.size() == 1 || relative != lastRelative) {
            lastRelative = relative.toByteArray();
            lastFolder = walk.index(rows, lastRelative, candidate.place->fd.get());
        }
        row.folder = lastFolder;
        row.checked = true;
        plan.lines.push_back(entry.line);
    }

    // Refused and duplicate names, and names taken by a file no line renames.
    std::optional<UnlistedNames> unlisted;
    markNameConflicts(rows, ConflictCheck{false, [&]() -> const UnlistedNames & {
                                              return unlisted.emplace(rows, false);
                                          }});
    // The first line of each duplicate name, looked for only when there is one.
    QHash<FolderName, int> firstOfName;
    if (rows.problems.count(RowProblem::Duplicate) > 0)
        for (size_t i = 0; i < rows.rows.size(); ++i) {
            const FolderName key{quint32(rows.rows[i].folder), rows.rows[i].newName};
            if (rows.problems.kind(i) == RowProblem::Duplicate && !firstOfName.contains(key))
                firstOfName.insert(key, plan.lines[i]);
        }
    QByteArray target;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        const FileRow &row = rows.rows[i];
        if (row.newName == row.loadedName)
            continue;
        const int line = plan.lines[i];
        switch (rows.problems.kind(i)) {
        case RowProblem::Invalid:
            problem(line, QStringLiteral("the new name \"%1\" is %2 (a new name is a name "
                                         "only: files stay in their folder)")
                              .arg(row.newName, rows.problems.detail(i)));
            continue;
        case RowProblem::Duplicate:
            if (const int first = firstOfName.value({quint32(row.folder), row.newName});
                first != line)
                problem(line, QStringLiteral("line %1 gives the same new name \"%2\"")
                                  .arg(first)
                                  .arg(row.newName));
            continue;
        case RowProblem::Exists:
            problem(line,
                    QStringLiteral("the new name \"%1\" is taken in its folder").arg(row.newName));
            continue;
        default:
            break;
        }
        if (reorder)
            continue;
        // A name that another line renames away is free only when the renames are ordered.
        target = rows.folders[row.folder].rawPath.sliced(base.size()) + encodeFileName(row.newName);
        const auto freed = sources.constFind(target);
        if (freed == sources.constEnd())
            continue;
        const int other = rowOfEntry[size_t(*freed)];
        if (other >= 0 && rows.rows[size_t(other)].newName != rows.rows[size_t(other)].loadedName) {
            problem(line, QStringLiteral("the new name \"%1\" is taken by the file that line %2 "
                                         "renames (a chain or a swap)")
                              .arg(row.newName)
                              .arg(entries[size_t(*freed)].line));
            plan.needsReorder = true;
        }
    }
    std::stable_sort(
        plan.problems.begin(), plan.problems.end(),
        [](const MappingProblem &a, const MappingProblem &b) { return a.line < b.line; });
    return plan;
}

} // namespace NameMapping

#include "core/engine/journal/Journal.h"
#include "core/engine/journal/JournalFields.h"

#include <QByteArrayList>

#include <charconv>

// Reading a journal file back: every record checked, anything the writer could not have
// written refused.

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The inverse of appendEscaped; nothing for a field that it could not have written.
std::optional<QByteArray> unescaped(const QByteArray &field)
{
    if (field == "-")
        return QByteArray("");
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '%') {
            if (needsEscape(static_cast<unsigned char>(c)))
                return std::nullopt;
            out.append(c);
            continue;
        }
        const int high = i + 2 < field.size() ? hexValue(field[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(field[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        out.append(char(high * 16 + low));
        i += 2;
    }
    return out;
}

template <typename T> std::optional<T> number(const QByteArray &field)
{
    T value{};
    const char *end = field.constData() + field.size();
    // Digits only: no sign, no leading zeros but a lone "0", nothing after.
    if (field.isEmpty() || (field.size() > 1 && field[0] == '0') || field[0] < '0' ||
        field[0] > '9')
        return std::nullopt;
    const auto [ptr, ec] = std::from_chars(field.constData(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool isFileName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
}

bool isFolderPath(const QByteArray &path)
{
    return path.startsWith('/') && path.endsWith('/') && !path.contains('\0');
}

// Reads the lines of one journal, keeping the number of the current line for messages.
class Reader
{
public:
    explicit Reader(const QByteArray &text) : m_lines(text.split('\n')) {}

    // The text ended with a line break (so its last line is complete) and holds something.
    bool complete() const { return m_lines.size() >= 2 && m_lines.last().isEmpty(); }
    bool atEnd() const { return m_next + 1 >= m_lines.size(); }
    QByteArrayList peek() const { return atEnd() ? QByteArrayList() : m_lines[m_next].split(' '); }
    QByteArrayList take()
    {
        const QByteArrayList fields = peek();
        ++m_next;
        return fields;
    }
    bool fail(QString &error, const QString &what) const
    {
        error = QStringLiteral("line %1: %2").arg(m_next).arg(what);
        return false;
    }

    int version = 0; // of the file, once its first line is read

private:
    QByteArrayList m_lines;
    qsizetype m_next = 0;
};

bool readHeader(Reader &in, JournalEntry &entry, QString &error)
{
    QByteArrayList f = in.take();
    if (f.size() != 2 || f[0] != "quirewell-journal")
        return in.fail(error, QStringLiteral("not a Quirewell journal"));
    const auto version = number<int>(f[1]);
    if (!version || *version < 1 || *version > JournalFormat::kVersion)
        return in.fail(error, QStringLiteral("journal version %1 is not supported (only 1 to %2)")
                                  .arg(QString::fromLatin1(f[1].left(20)))
                                  .arg(JournalFormat::kVersion));
    in.version = *version;
    f = in.take();
    if (f.size() != 2 || f[0] != "id" || !JournalFormat::isValidId(QString::fromLatin1(f[1])))
        return in.fail(error, QStringLiteral("expected \"id ID\""));
    entry.id = QString::fromLatin1(f[1]);
    f = in.take();
    const auto time = f.size() == 2 && f[0] == "time" ? number<qint64>(f[1]) : std::nullopt;
    if (!time)
        return in.fail(error, QStringLiteral("expected \"time SECONDS\""));
    entry.time = *time;
    f = in.take();
    if (f.size() == 2 && f[0] == "kind" && f[1] == "batch")
        entry.kind = JournalKind::Batch;
    else if (f.size() == 2 && f[0] == "kind" && f[1] == "single")
        entry.kind = JournalKind::Single;
    else if (f.size() == 2 && f[0] == "kind" && f[1] == "undo")
        entry.kind = JournalKind::Undo;
    else
        return in.fail(error, QStringLiteral("expected \"kind batch|single|undo\""));
    if (entry.kind == JournalKind::Undo) {
        f = in.take();
        if (f.size() != 2 || f[0] != "undoes" ||
            !JournalFormat::isValidId(QString::fromLatin1(f[1])))
            return in.fail(error, QStringLiteral("expected \"undoes ID\""));
        entry.undoes = QString::fromLatin1(f[1]);
    }
    return true;
}

bool readPlan(Reader &in, JournalEntry &entry, QString &error)
{
    // From version 4 a folder holds its device and inode before its path.
    const bool identified = in.version >= 4;
    const qsizetype folderFields = identified ? 5 : 3;
    while (!in.atEnd() && in.peek().value(0) == "folder") {
        const QByteArrayList f = in.take();
        const bool sized = f.size() == folderFields;
        const auto index = sized ? number<quint32>(f[1]) : std::nullopt;
        const auto path = sized ? unescaped(f.last()) : std::nullopt;
        const auto device = sized && identified ? number<quint64>(f[2]) : std::nullopt;
        const auto inode = sized && identified ? number<quint64>(f[3]) : std::nullopt;
        if (!index || *index != entry.folders.size() || !path || !isFolderPath(*path) ||
            (identified && (!device || !inode)))
            return in.fail(error, QStringLiteral("malformed folder record"));
        entry.folders.push_back(*path);
        if (identified)
            entry.folderIdentities.push_back({*device, *inode});
    }
    while (!in.atEnd() && in.peek().value(0) == "row") {
        const QByteArrayList f = in.take();
        if (f.size() != 6)
            return in.fail(error, QStringLiteral("malformed row record"));
        const auto folder = number<quint32>(f[1]);
        const auto device = number<quint64>(f[2]);
        const auto inode = number<quint64>(f[3]);
        const auto oldName = unescaped(f[4]);
        const auto newName = unescaped(f[5]);
        if (!folder || *folder >= entry.folders.size() || !device || !inode || !oldName ||
            !newName || !isFileName(*oldName) || !isFileName(*newName) || *oldName == *newName)
            return in.fail(error, QStringLiteral("malformed row record"));
        entry.rows.push_back({*folder, *device, *inode, *oldName, *newName, {}});
    }
    qint64 lastParked = -1;
    while (in.version >= 2 && !in.atEnd() && in.peek().value(0) == "parked") {
        const QByteArrayList f = in.take();
        const auto row = f.size() == 3 ? number<quint32>(f[1]) : std::nullopt;
        const auto name = f.size() == 3 ? unescaped(f[2]) : std::nullopt;
        if (!row || *row >= entry.rows.size() || qint64(*row) <= lastParked || !name ||
            !isFileName(*name) || *name == entry.rows[*row].oldName ||
            *name == entry.rows[*row].newName)
            return in.fail(error, QStringLiteral("malformed parked record"));
        lastParked = *row;
        entry.rows[*row].parkedName = *name;
    }
    const QByteArrayList f = in.take();
    const auto count = f.size() == 2 && f[0] == "planned" ? number<quint64>(f[1]) : std::nullopt;
    if (!count)
        return in.fail(error, QStringLiteral("expected \"planned COUNT\" after the rows"));
    if (*count != entry.rows.size())
        return in.fail(error, QStringLiteral("the plan says %1 rows but holds %2")
                                  .arg(*count)
                                  .arg(entry.rows.size()));
    return true;
}

bool readOutcome(Reader &in, JournalEntry &entry, QString &error)
{
    if (in.version >= 3 && !in.atEnd() && in.peek().value(0) == "reserve") {
        const QByteArrayList f = in.take();
        if (!std::all_of(f.begin() + 1, f.end(), [](const QByteArray &s) { return s.isEmpty(); }))
            return in.fail(error, QStringLiteral("malformed reserve record"));
    }
    JournalOutcome outcome;
    while (!in.atEnd() && in.peek().value(0) == "failed") {
        const QByteArrayList f = in.take();
        const auto row = f.size() == 3 ? number<quint32>(f[1]) : std::nullopt;
        const auto reason = f.size() == 3 ? unescaped(f[2]) : std::nullopt;
        if (!row || *row >= entry.rows.size() || !reason ||
            (!outcome.failures.empty() && *row <= outcome.failures.back().row))
            return in.fail(error, QStringLiteral("malformed failed record"));
        outcome.failures.push_back({*row, QString::fromUtf8(*reason)});
    }
    if (in.version >= 4 && !in.atEnd() && in.peek().value(0) == "cancelled") {
        const QByteArrayList f = in.take();
        const auto count = f.size() == 2 ? number<quint32>(f[1]) : std::nullopt;
        if (!count || *count == 0)
            return in.fail(error, QStringLiteral("malformed cancelled record"));
        outcome.cancelled = int(*count);
    }
    if (in.atEnd()) {
        if (!outcome.failures.empty() || outcome.cancelled > 0)
            return in.fail(error, QStringLiteral("failures without a \"finished\" record"));
        return true;
    }
    if (in.peek().value(0) != "finished")
        return true;
    const QByteArrayList f = in.take();
    const auto renamed = f.size() == 4 ? number<quint32>(f[1]) : std::nullopt;
    const auto failed = f.size() == 4 ? number<quint32>(f[2]) : std::nullopt;
    const auto unchanged = f.size() == 4 ? number<quint32>(f[3]) : std::nullopt;
    if (!renamed || !failed || !unchanged || *renamed > entry.rows.size() ||
        *failed + quint64(outcome.cancelled) < outcome.failures.size() ||
        *renamed + outcome.failures.size() > entry.rows.size())
        return in.fail(error, QStringLiteral("malformed finished record"));
    outcome.renamed = int(*renamed);
    outcome.failed = int(*failed);
    outcome.unchanged = int(*unchanged);
    entry.outcome = std::move(outcome);
    return true;
}

bool readEnding(Reader &in, JournalEntry &entry, QString &error)
{
    if (in.atEnd())
        return true;
    const QByteArrayList f = in.take();
    if (f.size() == 2 && f[0] == "undone" && JournalFormat::isValidId(QString::fromLatin1(f[1])))
        entry.undoneBy = QString::fromLatin1(f[1]);
    else if (f.size() == 1 && f[0] == "kept" && !entry.outcome)
        entry.kept = true;
    else
        return in.fail(error, QStringLiteral("unexpected record"));
    if (!in.atEnd())
        return in.fail(error, QStringLiteral("unexpected record after the end of the entry"));
    return true;
}

} // namespace

namespace JournalFormat {

std::optional<JournalEntry> parse(const QByteArray &text, QString &error)
{
    error.clear();
    Reader in(text);
    if (!in.complete()) {
        error = text.isEmpty() ? QStringLiteral("the file is empty")
                               : QStringLiteral("the last line is cut short (truncated file)");
        return std::nullopt;
    }
    JournalEntry entry;
    if (!readHeader(in, entry, error) || !readPlan(in, entry, error) ||
        !readOutcome(in, entry, error) || !readEnding(in, entry, error))
        return std::nullopt;
    return entry;
}

} // namespace JournalFormat

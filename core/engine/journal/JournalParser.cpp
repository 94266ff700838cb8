#include "core/engine/journal/Journal.h"
#include "core/engine/journal/JournalFields.h"

#include <QVarLengthArray>

#include <charconv>
#include <cstring>

// Reading a journal file back: every record checked, anything the writer could not have
// written refused. A batch's journal may hold a million rows: the text is read in one pass,
// its lines and fields as views into it, so that a row costs no allocation but its names.

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
std::optional<QByteArray> unescaped(QByteArrayView field)
{
    if (field == "-")
        return QByteArray("");
    // Most names need no unescaping: copied at once.
    const auto plain = [](char c) { return !needsEscape(static_cast<unsigned char>(c)); };
    if (std::all_of(field.begin(), field.end(), plain))
        return field.toByteArray();
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

template <typename T> std::optional<T> number(QByteArrayView field)
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

// The space-separated fields of one line; a line of more fields than this is refused anyway.
using Fields = QVarLengthArray<QByteArrayView, 8>;

// Reads the lines of one journal, keeping the number of the current line for messages.
class Reader
{
public:
    explicit Reader(QByteArrayView text) : m_text(text) { split(); }

    // The text ended with a line break (so its last line is complete) and holds something.
    bool complete() const { return m_text.endsWith('\n'); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    const Fields &peek() const { return m_fields; }
    QByteArrayView first() const { return m_fields.value(0); }
    Fields take()
    {
        Fields fields = m_fields;
        if (!atEnd()) {
            m_pos = m_lineEnd + 1;
            ++m_line;
            split();
        }
        return fields;
    }
    // The lines from the current one to the end: room enough for the records that follow,
    // reserved at once rather than grown (and copied) step by step. Reserved room that is
    // never written costs address space only. The text's lines are counted once.
    qsizetype linesLeft()
    {
        if (m_lines < 0) {
            m_lines = 0;
            const char *end = m_text.data() + m_text.size();
            for (const char *p = m_text.data();
                 (p = static_cast<const char *>(std::memchr(p, '\n', end - p))); ++p)
                ++m_lines;
        }
        return m_lines - m_line;
    }
    bool fail(QString &error, const QString &what) const
    {
        error = QStringLiteral("line %1: %2").arg(m_line).arg(what);
        return false;
    }

    int version = 0; // of the file, once its first line is read

private:
    // The fields of the line at m_pos (none at the end).
    void split()
    {
        m_fields.clear();
        if (atEnd())
            return;
        const char *begin = m_text.data() + m_pos;
        const char *end = m_text.data() + m_text.size();
        const auto *lineEnd = static_cast<const char *>(std::memchr(begin, '\n', end - begin));
        if (!lineEnd)
            lineEnd = end; // a complete text ends with a line break: never taken
        m_lineEnd = lineEnd - m_text.data();
        for (const char *field = begin;;) {
            const auto *space = static_cast<const char *>(std::memchr(field, ' ', lineEnd - field));
            m_fields.append(QByteArrayView(field, (space ? space : lineEnd) - field));
            if (!space)
                break;
            field = space + 1;
        }
    }

    QByteArrayView m_text;
    qsizetype m_pos = 0;     // where the current line starts
    qsizetype m_lineEnd = 0; // its line break
    qsizetype m_line = 0;    // lines taken
    qsizetype m_lines = -1;  // lines of the text, once counted
    Fields m_fields;
};

bool readHeader(Reader &in, JournalEntry &entry, QString &error)
{
    Fields f = in.take();
    if (f.size() != 2 || f[0] != "quirewell-journal")
        return in.fail(error, QStringLiteral("not a Quirewell journal"));
    const auto version = number<int>(f[1]);
    if (!version || *version < 1 || *version > JournalFormat::kVersion)
        return in.fail(
            error, QStringLiteral("journal version %1 is not supported (only 1 to %2)")
                       .arg(QString::fromLatin1(f[1].first(std::min<qsizetype>(f[1].size(), 20))))
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
    while (!in.atEnd() && in.first() == "folder") {
        const Fields f = in.take();
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
    if (!in.atEnd() && in.first() == "row")
        entry.rows.reserve(size_t(in.linesLeft()));
    while (!in.atEnd() && in.first() == "row") {
        const Fields f = in.take();
        if (f.size() != 6)
            return in.fail(error, QStringLiteral("malformed row record"));
        const auto folder = number<quint32>(f[1]);
        const auto device = number<quint64>(f[2]);
        const auto inode = number<quint64>(f[3]);
        auto oldName = unescaped(f[4]);
        auto newName = unescaped(f[5]);
        if (!folder || *folder >= entry.folders.size() || !device || !inode || !oldName ||
            !newName || !isFileName(*oldName) || !isFileName(*newName) || *oldName == *newName)
            return in.fail(error, QStringLiteral("malformed row record"));
        entry.rows.push_back(
            {*folder, *device, *inode, std::move(*oldName), std::move(*newName), {}});
    }
    qint64 lastParked = -1;
    while (in.version >= 2 && !in.atEnd() && in.first() == "parked") {
        const Fields f = in.take();
        const auto row = f.size() == 3 ? number<quint32>(f[1]) : std::nullopt;
        const auto name = f.size() == 3 ? unescaped(f[2]) : std::nullopt;
        if (!row || *row >= entry.rows.size() || qint64(*row) <= lastParked || !name ||
            !isFileName(*name) || *name == entry.rows[*row].oldName ||
            *name == entry.rows[*row].newName)
            return in.fail(error, QStringLiteral("malformed parked record"));
        lastParked = *row;
        entry.rows[*row].parkedName = *name;
    }
    const Fields f = in.take();
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
    if (in.version >= 3 && !in.atEnd() && in.first() == "reserve") {
        const Fields f = in.take();
        if (!std::all_of(f.begin() + 1, f.end(), [](QByteArrayView s) { return s.isEmpty(); }))
            return in.fail(error, QStringLiteral("malformed reserve record"));
    }
    JournalOutcome outcome;
    // A stopped batch records the same reason for nearly every row: it is decoded once and
    // its text shared.
    QByteArrayView lastField;
    QString lastText;
    if (!in.atEnd() && in.first() == "failed")
        outcome.failures.reserve(size_t(in.linesLeft()));
    while (!in.atEnd() && in.first() == "failed") {
        const Fields f = in.take();
        const auto row = f.size() == 3 ? number<quint32>(f[1]) : std::nullopt;
        const bool again = f.size() == 3 && !lastField.isNull() && f[2] == lastField;
        const auto reason = f.size() == 3 && !again ? unescaped(f[2]) : std::nullopt;
        if (!row || *row >= entry.rows.size() || (!again && !reason) ||
            (!outcome.failures.empty() && *row <= outcome.failures.back().row))
            return in.fail(error, QStringLiteral("malformed failed record"));
        if (!again) {
            lastField = f[2];
            lastText = QString::fromUtf8(*reason);
        }
        outcome.failures.push_back({*row, lastText});
    }
    if (in.version >= 4 && !in.atEnd() && in.first() == "cancelled") {
        const Fields f = in.take();
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
    if (in.first() != "finished")
        return true;
    const Fields f = in.take();
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
    const Fields f = in.take();
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

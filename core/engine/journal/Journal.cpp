#include "core/engine/journal/Journal.h"

#include "core/engine/names/FileNames.h"

#include <QByteArrayList>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool needsEscape(unsigned char c)
{
    return c <= ' ' || c >= 0x7F || c == '%';
}

// A field that appendEscaped writes exactly as it is: not empty, not "-", nothing to escape.
bool isWrittenAsIs(const QByteArray &bytes)
{
    return !bytes.isEmpty() && bytes != "-" && std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return needsEscape(static_cast<unsigned char>(c));
    });
}

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

const char *kindName(JournalKind kind)
{
    switch (kind) {
    case JournalKind::Batch:
        return "batch";
    case JournalKind::Single:
        return "single";
    case JournalKind::Undo:
        return "undo";
    }
    return "batch";
}

void appendNumber(QByteArray &out, quint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, qsizetype(result.ptr - digits));
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
    while (!in.atEnd() && in.peek().value(0) == "folder") {
        const QByteArrayList f = in.take();
        const auto index = f.size() == 3 ? number<quint32>(f[1]) : std::nullopt;
        const auto path = f.size() == 3 ? unescaped(f[2]) : std::nullopt;
        if (!index || *index != entry.folders.size() || !path || !isFolderPath(*path))
            return in.fail(error, QStringLiteral("malformed folder record"));
        entry.folders.push_back(*path);
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
    if (in.atEnd()) {
        if (!outcome.failures.empty())
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
        *failed < outcome.failures.size() || *renamed + outcome.failures.size() > entry.rows.size())
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

QByteArray JournalEntry::commonFolder() const
{
    if (folders.empty())
        return {};
    QByteArray common = folders.front();
    for (const QByteArray &folder : folders) {
        qsizetype n = 0;
        while (n < common.size() && n < folder.size() && common[n] == folder[n])
            ++n;
        common.truncate(n);
    }
    // Back to the last whole folder name.
    common.truncate(common.lastIndexOf('/') + 1);
    return common;
}

namespace JournalFormat {

void appendEscaped(QByteArray &out, const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        out.append('-');
        return;
    }
    // Most names need no escape: one append.
    if (isWrittenAsIs(bytes)) {
        out.append(bytes);
        return;
    }
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (!needsEscape(u) && !(u == '-' && bytes.size() == 1)) {
            out.append(c);
            continue;
        }
        out.append('%');
        out.append(kHex[u >> 4]);
        out.append(kHex[u & 15]);
    }
}

bool isValidId(const QString &id)
{
    if (id.isEmpty() || id.size() > 64 || !id.front().isDigit())
        return false;
    for (const QChar c : id)
        if (!(c.unicode() < 0x80 && (c.isDigit() || c == u'-')))
            return false;
    return true;
}

QByteArray headerText(const JournalEntry &entry)
{
    QByteArray out = "quirewell-journal " + QByteArray::number(kVersion) + "\nid " +
                     entry.id.toLatin1() + "\ntime " + QByteArray::number(entry.time) + "\nkind " +
                     kindName(entry.kind) + '\n';
    if (entry.kind == JournalKind::Undo)
        out += "undoes " + entry.undoes.toLatin1() + '\n';
    return out;
}

void PlanBody::reserve(qsizetype rows)
{
    m_rows.reserve(size_t(rows) * 64);
}

void PlanBody::addFolder(const QByteArray &path)
{
    m_folders.append("folder ", 7);
    appendNumber(m_folders, m_folderCount++);
    m_folders.append(' ');
    appendEscaped(m_folders, path);
    m_folders.append('\n');
}

void PlanBody::startRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName)
{
    ++m_rowCount;
    m_row.clear();
    m_row.append("row ", 4);
    appendNumber(m_row, folder);
    m_row.append(' ');
    appendNumber(m_row, device);
    m_row.append(' ');
    appendNumber(m_row, inode);
    m_row.append(' ');
    appendEscaped(m_row, oldName);
    m_row.append(' ');
}

void PlanBody::endRow()
{
    m_row.append('\n');
    m_rows.insert(m_rows.end(), m_row.cbegin(), m_row.cend());
}

void PlanBody::addRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName,
                      QStringView newName)
{
    // The usual ASCII name is copied as it is; any other goes through its exact bytes.
    const bool plain = !newName.isEmpty() && newName != u"-" &&
                       std::all_of(newName.begin(), newName.end(), [](QChar c) {
                           return c.unicode() < 0x80 && !needsEscape(uchar(c.unicode()));
                       });
    if (plain && isWrittenAsIs(oldName)) {
        // The usual row, nothing to escape in either name, is written through one pointer:
        // a batch of a million rows builds its plan before the first rename.
        ++m_rowCount;
        const size_t at = m_rows.size();
        constexpr size_t kNumbers = 3 * 21; // three numbers of at most 20 digits, a space each
        m_rows.resize(at + 4 + kNumbers + size_t(oldName.size()) + 1 + size_t(newName.size()) + 1);
        char *out = m_rows.data() + at;
        char *const end = m_rows.data() + m_rows.size();
        std::memcpy(out, "row ", 4);
        out += 4;
        for (const quint64 number : {quint64(folder), device, inode}) {
            out = std::to_chars(out, end, number).ptr;
            *out++ = ' ';
        }
        std::memcpy(out, oldName.constData(), size_t(oldName.size()));
        out += oldName.size();
        *out++ = ' ';
        for (const QChar c : newName)
            *out++ = char(c.unicode());
        *out++ = '\n';
        m_rows.resize(size_t(out - m_rows.data()));
        return;
    }
    startRow(folder, device, inode, oldName);
    if (plain) {
        for (const QChar c : newName)
            m_row.append(char(c.unicode()));
    } else {
        appendEscaped(m_row, encodeFileName(newName));
    }
    endRow();
}

void PlanBody::addRow(const JournalRow &row)
{
    startRow(row.folder, row.device, row.inode, row.oldName);
    appendEscaped(m_row, row.newName);
    endRow();
    if (!row.parkedName.isEmpty())
        parkLastRow(row.parkedName);
}

void PlanBody::parkLastRow(const QByteArray &name)
{
    m_parked.append("parked ", 7);
    appendNumber(m_parked, m_rowCount - 1);
    m_parked.append(' ');
    appendEscaped(m_parked, name);
    m_parked.append('\n');
}

QByteArrayList PlanBody::pieces() const
{
    QByteArray planned = "planned ";
    appendNumber(planned, m_rowCount);
    planned += '\n';
    return {m_folders, QByteArray::fromRawData(m_rows.data(), qsizetype(m_rows.size())), m_parked,
            planned};
}

PlanBody planBody(const JournalEntry &entry)
{
    PlanBody body;
    body.reserve(qsizetype(entry.rows.size()));
    for (const QByteArray &folder : entry.folders)
        body.addFolder(folder);
    for (const JournalRow &row : entry.rows)
        body.addRow(row);
    return body;
}

QByteArray planText(const JournalEntry &entry)
{
    return headerText(entry) + planBody(entry).text();
}

QByteArray reserveText()
{
    QByteArray out("reserve");
    out.append(kReserved - out.size() - 1, ' ');
    out.append('\n');
    return out;
}

QByteArray outcomeText(const JournalOutcome &outcome)
{
    QByteArray out;
    for (const JournalFailure &failure : outcome.failures) {
        out += "failed " + QByteArray::number(failure.row) + ' ';
        appendEscaped(out, failure.reason.toUtf8());
        out += '\n';
    }
    out += "finished " + QByteArray::number(outcome.renamed) + ' ' +
           QByteArray::number(outcome.failed) + ' ' + QByteArray::number(outcome.unchanged) + '\n';
    return out;
}

QByteArray undoneText(const QString &undoId)
{
    return "undone " + undoId.toLatin1() + '\n';
}

QByteArray keptText()
{
    return "kept\n";
}

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

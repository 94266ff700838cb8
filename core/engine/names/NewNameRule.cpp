#include "core/engine/names/NewNameRule.h"

#include "core/engine/names/AsciiSpelling.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/NamePart.h"
#include "core/engine/names/RowThreads.h"
#include "core/engine/names/TemplateStep.h"
#include "core/engine/names/TextSteps.h"
#include "core/engine/settings/AppSettings.h"

#include <QChar>

#include "core/system/FileDescriptor.h"
#include "core/system/FileSystem.h"

#include <algorithm>
#include <cerrno>

QString fileTitle(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

namespace {

// The first steps only ever produce head + [end number] + tail, so the working name is kept
// as views into the loaded name and the parameters until it has to be a real string.
struct WorkingName
{
    QStringView title; // the title, shortened once the initial characters are removed
    QStringView extension;
    QStringView head;
    QStringView tail;
    bool found = false;    // title + extension is then the loaded name
    bool composed = false; // head + [end number] + tail replaces the loaded name
    bool hasEndNumber = false;
    qint64 endNumber = 0;
    int endPadding = 0;
};

// Decimal digits of a 64-bit number, at least minDigits of them (zeros go after the minus
// sign), written backwards from the end of a buffer.
struct Decimal
{
    // A sign and the most digits a padding asks for (more than the 19 of the 64-bit limits).
    static constexpr int kSize = 1 + RenameParameters::kMaximumPadding;
    char16_t digits[kSize];
    int first = kSize;

    explicit Decimal(qint64 n, int minDigits = 0)
    {
        quint64 u = n < 0 ? 0u - quint64(n) : quint64(n);
        do {
            digits[--first] = char16_t(u'0' + u % 10);
            u /= 10;
        } while (u != 0);
        const int padded = kSize - std::clamp(minDigits, 0, RenameParameters::kMaximumPadding);
        while (first > padded)
            digits[--first] = u'0';
        if (n < 0)
            digits[--first] = u'-';
    }
    QStringView view() const { return QStringView(digits + first, kSize - first); }
};

// The counter's value for this row, and moves it on to the next row.
qint64 take(RunningNumber &counter)
{
    const qint64 value = counter.value;
    counter.skip(1);
    return value;
}

WorkingName startWorkingName(const QString &loadedName, bool fileFound)
{
    WorkingName w;
    w.found = fileFound;
    if (fileFound) {
        // The file system reports the listed name, so its title is the loaded name's.
        const QStringView name(loadedName);
        const qsizetype dot = name.lastIndexOf(u'.');
        w.title = dot < 0 ? name : name.first(dot);
        w.extension = name.sliced(w.title.size());
    }
    return w;
}

// Where the first count characters (code points) of text end, or -1 when text has no more
// than count of them. A surrogate pair is one character and is never cut.
qsizetype endOfCharacters(QStringView text, qint64 count)
{
    qsizetype i = 0;
    for (qint64 k = 0; k < count; ++k) {
        if (i >= text.size())
            return -1;
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        i += pair ? 2 : 1;
    }
    return i < text.size() ? i : -1;
}

void removeInitialCharacters(const RenameParameters &p, WorkingName &w)
{
    // Signed on purpose: a negative length keeps the whole title but still recomposes.
    const qint64 length = p.removeInitialCharactersLength;
    if (!p.checkRemoveInitialCharacters || length >= w.title.size())
        return;
    const qsizetype cut = length > 0 ? endOfCharacters(w.title, length) : 0;
    if (cut < 0)
        return; // the title has no more than length characters
    if (length <= 0 && w.found)
        return; // title + extension: the loaded name, still shared
    if (length > 0)
        w.title = w.title.sliced(cut);
    w.head = w.title;
    w.tail = w.extension;
    w.composed = true;
}

void appendNumberAtEnd(const RenameParameters &p, WorkingName &w, RenameCounters &counters)
{
    if (!p.checkNumberAtEnd)
        return;
    w.head = w.title;
    w.tail = w.extension;
    w.composed = true;
    w.hasEndNumber = true;
    w.endNumber = take(counters.end);
    w.endPadding = p.padNumberAtEnd;
}

void replaceTitleByNewName(const RenameParameters &p, WorkingName &w)
{
    if (!p.checkNewFileName || w.title.isEmpty())
        return;
    // The working name always begins with the title here, so its first occurrence is the head.
    if (!w.composed) {
        w.head = w.title;
        w.tail = w.extension;
        w.composed = true;
    }
    w.head = p.newFileName;
}

// The working name with prefix before it, as a string; shares the loaded name's data when
// no step changed it.
QString materialise(const QString &loadedName, const WorkingName &w, QStringView prefix)
{
    if (!w.composed && prefix.isEmpty())
        return loadedName;
    QString name;
    if (!w.composed) {
        name.reserve(prefix.size() + loadedName.size());
        name.append(prefix).append(loadedName);
        return name;
    }
    const Decimal end(w.endNumber, w.endPadding);
    const QStringView number = w.hasEndNumber ? end.view() : QStringView();
    name.reserve(prefix.size() + w.head.size() + number.size() + w.tail.size());
    name.append(prefix).append(w.head).append(number).append(w.tail);
    return name;
}

bool holdsEscapedBytes(const QString &name)
{
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return isEscapedByte(c.unicode()); });
}

QString withCase(const QString &name, bool upper)
{
    if (!holdsEscapedBytes(name))
        return upper ? name.toUpper() : name.toLower();
    return convertBetweenEscapedBytes(
        name, [upper](const QString &text) { return upper ? text.toUpper() : text.toLower(); });
}

void changeCase(const RenameParameters &p, QString &name)
{
    if (!p.checkUpperCase && !p.checkLowerCase)
        return;
    applyToPart(name, namePartFrom(p.applyTo), [&p](QString &part) {
        if (p.checkUpperCase)
            part = withCase(part, true);
        if (p.checkLowerCase)
            part = withCase(part, false);
    });
}

// Title and sentence case change the title of the whole name, or the part chosen.
void changeCaseStyle(const RenameParameters &p, QString &name)
{
    if (!p.checkTitleCase && !p.checkSentenceCase)
        return;
    const NamePart chosen = namePartFrom(p.applyTo);
    const NamePart part = chosen == NamePart::Name ? NamePart::Title : chosen;
    const CaseStyle style = p.checkTitleCase ? CaseStyle::Title : CaseStyle::Sentence;
    applyToPart(name, part, [style](QString &text) { text = withCaseStyle(text, style); });
}

// The text steps that follow the other operations, in their order. False, with failure filled in,
// when a step cannot be applied.
bool applyTextSteps(const RenameParameters &p, QString &name, RuleFailure *failure)
{
    changeCaseStyle(p, name);
    if (p.checkTrimSpaces)
        trimSpaces(name);
    if (p.checkAscii) {
        QString error;
        if (!spellInAscii(name, &error)) {
            if (failure)
                *failure = {RowProblem::RuleFailed, error};
            return false;
        }
        // A spelling may bring spaces of its own ("½" -> " 1/2"); trimmed names stay trimmed.
        if (p.checkTrimSpaces)
            trimSpaces(name);
    }
    if (p.checkLowerExtension)
        lowerExtension(name);
    return true;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Gives every run of ASCII digits in the title (the part before the last '.') at least the
// asked number of digits; the extension is left as it is.
void padNumbersInTitle(const RenameParameters &p, QString &name)
{
    const int digits = std::min(p.padNumbersDigits, RenameParameters::kMaximumPadding);
    if (!p.checkPadNumbers || digits <= 1)
        return;
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype titleSize = dot < 0 ? name.size() : dot;
    QString padded;
    qsizetype copied = 0; // name[0, copied) is in padded already
    for (qsizetype i = 0; i < titleSize;) {
        if (!isAsciiDigit(name[i])) {
            ++i;
            continue;
        }
        qsizetype runEnd = i;
        while (runEnd < titleSize && isAsciiDigit(name[runEnd]))
            ++runEnd;
        if (runEnd - i < digits) {
            if (padded.isNull())
                padded.reserve(name.size() + digits);
            padded.append(QStringView(name).sliced(copied, i - copied));
            padded.append(QString(digits - (runEnd - i), u'0'));
            copied = i;
        }
        i = runEnd;
    }
    if (padded.isNull())
        return;
    padded.append(QStringView(name).sliced(copied));
    name = padded;
}

bool needsTitle(const RenameParameters &p)
{
    // A template's name is built here, so its title is known without the file system.
    return !p.checkNameTemplate &&
           (p.checkRemoveInitialCharacters || p.checkNumberAtEnd || p.checkNewFileName);
}

} // namespace

QString computeNewName(const RenameParameters &params, const QString &loadedName, bool fileFound,
                       RenameCounters &counters, RuleFailure *failure)
{
    if ((params.checkNumberAtStart && counters.start.outOfRange) ||
        (params.checkNumberAtEnd && counters.end.outOfRange)) {
        if (failure)
            *failure = {RowProblem::RuleFailed,
                        QStringLiteral("the running number is beyond the 64-bit limits")};
        return loadedName;
    }
    WorkingName w = startWorkingName(loadedName, fileFound);
    removeInitialCharacters(params, w);
    appendNumberAtEnd(params, w, counters);
    replaceTitleByNewName(params, w);

    QString name;
    if (params.checkNumberAtStart && !findAndReplaceApplies(params)) {
        // Nothing searches the name between here and the start number: build it in one go.
        const Decimal start(take(counters.start), params.padNumberAtStart);
        name = materialise(loadedName, w, start.view());
    } else {
        name = materialise(loadedName, w, {});
        bool replaced = true;
        applyToPart(name, namePartFrom(params.applyTo),
                    [&](QString &part) { replaced = replaceMatches(params, part, failure); });
        if (params.checkNumberAtStart) {
            const Decimal start(take(counters.start), params.padNumberAtStart);
            name.prepend(start.view());
        }
        if (!replaced)
            return loadedName; // the row keeps its name; the counters moved on all the same
    }
    changeCase(params, name);
    padNumbersInTitle(params, name);
    if (!applyTextSteps(params, name, failure))
        return loadedName;
    return name;
}

void RunningNumber::skip(qint64 rows)
{
    qint64 moved = 0;
    if (__builtin_mul_overflow(step, rows, &moved) || __builtin_add_overflow(value, moved, &value))
        outOfRange = true;
}

namespace {

// The bytes of a row's name into buffer, which is reused from row to row.
const char *nameForLookup(const FileRow &row, QByteArray &buffer)
{
    encodeFileName(row.loadedName, buffer);
    return buffer.constData();
}

// Rows of each folder together, so each folder is opened once (counting sort by folder).
std::vector<int> rowsByFolder(const FileRows &rows)
{
    std::vector<int> start(rows.folders.size() + 1, 0);
    for (const FileRow &r : rows.rows)
        ++start[r.folder + 1];
    for (size_t f = 1; f < start.size(); ++f)
        start[f] += start[f - 1];
    std::vector<int> order(rows.rows.size());
    for (int i = 0; i < rows.count(); ++i)
        order[size_t(start[rows.rows[size_t(i)].folder]++)] = i;
    return order;
}

// Looks up the rows order[from, to) into present; writes nothing else.
void lookUpRange(const FileRows &rows, const std::vector<int> &order, size_t from, size_t to,
                 std::vector<std::uint8_t> &present)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    QByteArray buffer;
    bool folderOpened = false;
    bool outOfResources = false;
    FileDescriptor opened;
    int dirFd = -1;
    quint32 openFolder = 0;
    for (size_t k = from; k < to; ++k) {
        const int i = order[k];
        const FileRow &row = rows.rows[size_t(i)];
        if (!folderOpened || row.folder != openFolder) {
            opened.reset(); // before the next open: descriptors may be scarce
            folderOpened = true;
            openFolder = row.folder;
            const QByteArray &folder = rows.folders[row.folder].rawPath;
            opened = folder.isEmpty() ? FileDescriptor()
                                      : FileSystem::openFolderHandle(folder.constData());
            dirFd = folder.isEmpty() ? FileSystem::kCurrentFolder : opened.get();
            const int error = opened.error();
            outOfResources = dirFd == -1 && (error == EMFILE || error == ENFILE || error == ENOMEM);
        }
        if (dirFd == -1 && !outOfResources) {
            present[size_t(i)] = 0; // lstat of any path below the folder fails in the same way
            continue;
        }
        if (row.loadedName.isEmpty() || dirFd == -1) {
            // The full path is the folder itself, or no descriptor was to be had.
            present[size_t(i)] =
                FileSystem::existsAt(FileSystem::kCurrentFolder, rows.fullPathBytes(i).constData());
            continue;
        }
        present[size_t(i)] = FileSystem::existsAt(dirFd, nameForLookup(row, buffer));
    }
}

// Records a row's failure, and clears the mark of a row the rule has computed again.
void markRuleFailure(RowProblems &problems, size_t row, const RuleFailure &failure)
{
    if (failure.problem != RowProblem::None)
        problems.set(row, failure.problem, failure.detail);
    else if (problems.kind(row) == RowProblem::RuleFailed ||
             problems.kind(row) == RowProblem::MissingValue)
        problems.set(row, RowProblem::None);
}

// The first row of the run of rows that row is in: the run of its folder when the numbers
// restart in every folder, otherwise the whole list.
size_t firstRowOfRun(const FileRows &rows, const RenameParameters &params, size_t row)
{
    if (!params.restartNumbersEachFolder)
        return 0;
    const quint32 folder = rows.rows[row].folder;
    while (row > 0 && rows.rows[row - 1].folder == folder)
        --row;
    return row;
}

// The new name of row i when the name template is on: the template's name, then the other
// steps on it. A row the template cannot name keeps its loaded name (its counters move on).
QString templatedName(const RenameParameters &params, const TemplateStep &step,
                      const FileRows &rows, size_t i, RenameCounters &counters,
                      RuleFailure &failure)
{
    const QString &loadedName = rows.rows[i].loadedName;
    QString reason;
    const std::optional<QString> start = step.startingName(rows, i, &reason);
    if (!start) {
        failure = {step.isValid() ? RowProblem::MissingValue : RowProblem::RuleFailed, reason};
        counters.skip(1);
        return loadedName;
    }
    const QString name = computeNewName(params, *start, true, counters, &failure);
    if (failure.problem != RowProblem::None)
        return loadedName;
    return name == loadedName ? loadedName : name; // shares the loaded name's data when equal
}

// Rows [from, to) of one run. Every row advances each counter whose operation is on, so the
// counters at row k are the stored values plus k steps, k counted from the first row of k's
// run.
void computeRange(FileRows &rows, const RenameParameters &params,
                  const std::vector<std::uint8_t> *present, size_t from, size_t to,
                  NewNameHashes *hashes)
{
    if (from >= to)
        return; // an empty part, as of an empty list: no row to find the run of
    RenameCounters counters = RenameCounters::from(params);
    counters.skip(qint64(from - firstRowOfRun(rows, params, from)));
    const std::optional<TemplateStep> step = TemplateStep::of(params);
    for (size_t i = from; i < to; ++i) {
        FileRow &row = rows.rows[i];
        if (params.restartNumbersEachFolder && i > from && row.folder != rows.rows[i - 1].folder)
            counters = RenameCounters::from(params);
        RuleFailure failure;
        if (step) {
            row.newName = templatedName(params, *step, rows, i, counters, failure);
        } else {
            const bool found = present ? (*present)[i] != 0 : true;
            row.newName = computeNewName(params, row.loadedName, found, counters, &failure);
        }
        markRuleFailure(rows.problems, i, failure);
        if (hashes)
            hashes->take(rows, i); // while the names are in the cache
    }
}

} // namespace

bool newNamesNeedPresence(const RenameParameters &params)
{
    return needsTitle(params);
}

std::vector<std::uint8_t> lookUpPresence(const FileRows &rows)
{
    std::vector<std::uint8_t> present(rows.rows.size(), 0);
    // Each thread takes its own run of folders; a folder split between two is opened twice.
    const std::vector<int> order = rowsByFolder(rows);
    RowThreads::shareOut(
        order.size(), [&](size_t from, size_t to) { lookUpRange(rows, order, from, to, present); });
    return present;
}

void ComputeNewFileNames(FileRows &rows, const RenameParameters &params,
                         const std::vector<std::uint8_t> *present, NewNameHashes *hashes)
{
    // Only the first three steps look at the title, so only they need the file system.
    std::vector<std::uint8_t> looked;
    if (!present && needsTitle(params)) {
        looked = lookUpPresence(rows);
        present = &looked;
    }
    rows.problems.reset(rows.rows.size());
    // Each row depends only on its own name and its index, so the rows are shared out in
    // contiguous parts; every thread writes its own rows' new names and nothing else.
    const auto compute = [&](size_t from, size_t to) {
        computeRange(rows, params, present, from, to, hashes);
    };
    // A row whose template reads its file may cost a hundred times another (read or found in
    // the cache, a slow disk): such rows are taken in pieces.
    const std::optional<TemplateStep> step = TemplateStep::of(params);
    if (step && step->readsFiles())
        RowThreads::shareOutInPieces(rows.rows.size(), compute);
    else
        RowThreads::shareOut(rows.rows.size(), compute);
}

void ComputeNewFileNames(FileRows &rows, const RenameParameters &params,
                         const std::vector<std::uint8_t> *present, std::size_t from, std::size_t to,
                         NewNameHashes *hashes)
{
    to = std::min(to, rows.rows.size());
    if (from >= to)
        return;
    std::vector<std::uint8_t> looked;
    if (!present && needsTitle(params)) {
        looked = lookUpPresence(rows);
        present = &looked;
    }
    if (rows.problems.size() != rows.rows.size())
        rows.problems.reset(rows.rows.size());
    computeRange(rows, params, present, from, to, hashes);
}

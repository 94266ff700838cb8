// The new-name rule and the duplicate check on any parameters and names: no crash, no
// undefined behaviour, and the properties the rule promises whatever the input.
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NamePart.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/PairwiseDuplicate.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

using Key = CAppSettings::Key;

// The seed corpora lay the parameters out as: the flags as the bits of one byte, then the
// numbers, then the texts, in these orders.
constexpr Key kFlagBits[] = {Key::CheckRemoveInitialCharacters,
                             Key::CheckNumberAtEnd,
                             Key::CheckNewFileName,
                             Key::CheckFindAndReplace,
                             Key::CheckNumberAtStart,
                             Key::CheckUpperCase,
                             Key::CheckLowerCase};
constexpr Key kNumbers[] = {Key::RemoveInitialCharactersLength, Key::NumberAtEnd,
                            Key::NumberAtStart};
constexpr Key kTexts[] = {Key::NewFileName, Key::FindText, Key::ReplaceText};

bool laidOut(Key key)
{
    return std::ranges::find(kFlagBits, key) != std::end(kFlagBits) ||
           std::ranges::find(kNumbers, key) != std::end(kNumbers) ||
           std::ranges::find(kTexts, key) != std::end(kTexts);
}

// Every parameter of the settings table gets a value: one outside the layout above is read
// after it, in table order (a flag as one byte), so a new parameter is fuzzed too.
RenameParameters readParameters(FuzzInput &in)
{
    RenameParameters p;
    const uint8_t flags = in.byte();
    for (size_t bit = 0; bit < std::size(kFlagBits); ++bit)
        p.setValue(kFlagBits[bit], (flags >> bit) & 1);
    for (const Key key : kNumbers)
        p.setValue(key, in.int32());
    for (const Key key : kTexts)
        p.setValue(key, in.text());
    for (int i = 0; i < CAppSettings::kKeyCount; ++i) {
        const auto key = Key(i);
        if (!RenameParameters::isParameter(key) || laidOut(key))
            continue;
        switch (CAppSettings::kind(key)) {
        case SettingKind::Flag:
            p.setValue(key, in.byte() & 1);
            break;
        case SettingKind::Number:
            p.setValue(key, in.int32());
            break;
        case SettingKind::Text:
            p.setValue(key, in.text());
            break;
        }
    }
    return p;
}

// Whether any flag among the parameters switches an operation on.
bool anyOperationOn(const RenameParameters &p)
{
    for (int i = 0; i < CAppSettings::kKeyCount; ++i) {
        const auto key = Key(i);
        if (RenameParameters::isParameter(key) && CAppSettings::kind(key) == SettingKind::Flag &&
            p.value(key).toInt() != 0)
            return true;
    }
    return false;
}

// The counters count on past the 32-bit limit by their step, never wrapping.
qint64 plusStep(qint32 n, qint32 step)
{
    return qint64(n) + step;
}

// n with at least digits digits, zeros after the minus sign, built apart from the rule.
QString padded(qint32 n, int digits)
{
    const QString magnitude = QString::number(qAbs(qint64(n)));
    const qsizetype width = std::clamp(digits, 0, int(RenameParameters::kMaximumPadding));
    return (n < 0 ? QStringLiteral("-") : QString()) +
           magnitude.rightJustified(std::max(width, magnitude.size()), u'0');
}

QString withoutZeros(QString text)
{
    return text.remove(u'0');
}

bool holdsLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// Whether only the steps that change the text of the name as it is are on: the case and text
// steps (find and replace, a new name, removal and the numbers are off).
bool onlyTextSteps(const RenameParameters &p)
{
    return !p.checkFindAndReplace && !p.checkNewFileName && !p.checkRemoveInitialCharacters &&
           !p.checkNumberAtStart && !p.checkNumberAtEnd;
}

QString escapedBytesOf(const QString &name)
{
    QString bytes;
    for (const QChar c : name)
        if (isEscapedByte(c.unicode()))
            bytes += c;
    return bytes;
}

// The text steps keep every byte that is not UTF-8, in its order, and never bring a '/'; a step
// scoped to the title leaves the extension as it was.
void checkTextSteps(const RenameParameters &p, const QString &loaded, const QString &name)
{
    if (onlyTextSteps(p)) {
        require(escapedBytesOf(name) == escapedBytesOf(loaded),
                "text steps keep the escaped bytes in order");
        require(loaded.contains(u'/') || !name.contains(u'/'), "text steps bring no '/'");
    }
    const bool scopedToTitle = !p.checkNewFileName && !p.checkRemoveInitialCharacters &&
                               !p.checkNumberAtStart && !p.checkNumberAtEnd && !p.checkTrimSpaces &&
                               !p.checkAscii && !p.checkLowerExtension;
    if (scopedToTitle && namePartFrom(p.applyTo) == NamePart::Title) {
        const qsizetype dot = loaded.lastIndexOf(u'.');
        const QStringView extension = dot < 0 ? QStringView() : QStringView(loaded).sliced(dot);
        require(name.endsWith(extension), "steps on the title keep the extension");
    }
}

void checkOneName(const RenameParameters &p, const QString &loaded, bool found)
{
    RenameCounters counters = RenameCounters::from(p);
    RuleFailure failure;
    const QString name = computeNewName(p, loaded, found, counters, &failure);
    if (failure.problem != RowProblem::None)
        require(name == loaded, "a row the rule fails keeps its name");
    if (!holdsLoneSurrogate(loaded) && !holdsLoneSurrogate(p.findText) &&
        !holdsLoneSurrogate(p.replaceText) && !holdsLoneSurrogate(p.newFileName))
        require(!holdsLoneSurrogate(name), "no step splits a character beyond 16 bits");
    require(counters.start.value == (p.checkNumberAtStart
                                         ? plusStep(p.numberAtStart, p.stepNumberAtStart)
                                         : p.numberAtStart),
            "start counter advances by its step exactly when its operation is on");
    require(counters.end.value ==
                (p.checkNumberAtEnd ? plusStep(p.numberAtEnd, p.stepNumberAtEnd) : p.numberAtEnd),
            "end counter advances by its step exactly when its operation is on");

    if (!anyOperationOn(p))
        require(name == loaded, "with every operation off the name is kept");
    RenameParameters onlyStart;
    onlyStart.checkNumberAtStart = true;
    onlyStart.numberAtStart = p.numberAtStart;
    onlyStart.padNumberAtStart = p.padNumberAtStart;
    onlyStart.stepNumberAtStart = p.stepNumberAtStart;
    onlyStart.restartNumbersEachFolder = p.restartNumbersEachFolder;
    if (p == onlyStart)
        require(name == padded(p.numberAtStart, p.padNumberAtStart) + loaded,
                "start number prefixes, padded");
    RenameParameters onlyPadding;
    onlyPadding.checkPadNumbers = true;
    onlyPadding.padNumbersDigits = p.padNumbersDigits;
    if (p == onlyPadding) {
        require(withoutZeros(name) == withoutZeros(loaded), "padding only adds zeros");
        const qsizetype dot = loaded.lastIndexOf(u'.');
        require(dot < 0 || name.endsWith(QStringView(loaded).sliced(dot)),
                "padding leaves the extension");
    }
    checkTextSteps(p, loaded, name);
    (void)refusedNameReason(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const RenameParameters params = readParameters(in);
    const uint8_t found = in.byte();
    const QString loaded = in.text(FuzzInput::kMaxName);
    checkOneName(params, loaded, found & 1);

    // A few rows through the whole computation, then the duplicate check against a plain
    // pairwise comparison.
    FileRows rows;
    rows.folders.push_back(FileFolder{QStringLiteral("/nonexistent/"), "/nonexistent/"});
    rows.folders.push_back(FileFolder{QStringLiteral("/elsewhere/"), "/elsewhere/"});
    std::vector<std::uint8_t> present;
    for (int i = 0; i < 6 && !in.atEnd(); ++i) {
        FileRow row;
        row.loadedName = i == 0 ? loaded : in.text(FuzzInput::kMaxName);
        row.newName = row.loadedName;
        row.folder = (in.byte() & 1) ? 1 : 0; // runs of rows per folder, for the restart
        rows.rows.push_back(row);
        present.push_back(uint8_t(found >> (i + 1)) & 1);
    }
    ComputeNewFileNames(rows, params, &present);
    // Any tail of the list computed on its own gets the names of the whole run.
    for (size_t from = 1; from < rows.rows.size(); ++from) {
        FileRows part = rows;
        for (FileRow &row : part.rows)
            row.newName = row.loadedName;
        ComputeNewFileNames(part, params, &present, from, part.rows.size());
        for (size_t i = from; i < rows.rows.size(); ++i)
            require(part.rows[i].newName == rows.rows[i].newName,
                    "a range of rows gets the names of the whole run");
    }
    require(findDuplicateNewName(rows) == pairwiseDuplicate(rows),
            "duplicate check agrees with a pairwise comparison");
    return 0;
}

// The new-name rule and the duplicate check on any parameters and names: no crash, no
// undefined behaviour, and the properties the rule promises whatever the input.
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/PairwiseDuplicate.h"

#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

RenameParameters readParameters(FuzzInput &in)
{
    const uint8_t flags = in.byte();
    RenameParameters p;
    p.checkRemoveInitialCharacters = flags & 1;
    p.checkNumberAtEnd = flags & 2;
    p.checkNewFileName = flags & 4;
    p.checkFindAndReplace = flags & 8;
    p.checkNumberAtStart = flags & 16;
    p.checkUpperCase = flags & 32;
    p.checkLowerCase = flags & 64;
    p.removeInitialCharactersLength = in.int32();
    p.numberAtEnd = in.int32();
    p.numberAtStart = in.int32();
    p.newFileName = in.text();
    p.findText = in.text();
    p.replaceText = in.text();
    return p;
}

qint32 plusOne(qint32 n)
{
    return qint32(quint32(n) + 1u);
}

void checkOneName(const RenameParameters &p, const QString &loaded, bool found)
{
    RenameCounters counters = RenameCounters::from(p);
    const QString name = computeNewName(p, loaded, found, counters);
    require(counters.start == (p.checkNumberAtStart ? plusOne(p.numberAtStart) : p.numberAtStart),
            "start counter advances by one exactly when its operation is on");
    require(counters.end == (p.checkNumberAtEnd ? plusOne(p.numberAtEnd) : p.numberAtEnd),
            "end counter advances by one exactly when its operation is on");

    const bool anyOn = p.checkRemoveInitialCharacters || p.checkNumberAtEnd || p.checkNewFileName ||
                       p.checkFindAndReplace || p.checkNumberAtStart || p.checkUpperCase ||
                       p.checkLowerCase;
    if (!anyOn)
        require(name == loaded, "with every operation off the name is kept");
    RenameParameters onlyStart;
    onlyStart.checkNumberAtStart = true;
    onlyStart.numberAtStart = p.numberAtStart;
    if (p == onlyStart)
        require(name == QString::number(p.numberAtStart) + loaded, "start number prefixes");
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
    std::vector<std::uint8_t> present;
    for (int i = 0; i < 6 && !in.atEnd(); ++i) {
        FileRow row;
        row.loadedName = i == 0 ? loaded : in.text(FuzzInput::kMaxName);
        row.newName = row.loadedName;
        rows.rows.push_back(row);
        present.push_back(uint8_t(found >> (i + 1)) & 1);
    }
    ComputeNewFileNames(rows, params, &present);
    require(findDuplicateNewName(rows) == pairwiseDuplicate(rows),
            "duplicate check agrees with a pairwise comparison");
    return 0;
}

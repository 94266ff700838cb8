// quirewell-cli apply and edit: renames given as a list, checked whole before any rename.

#include "cli/CliCommands.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/TerminalPrompter.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/NameMapping.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Nothing was renamed because the mapping (or the edited names) could not be used.
constexpr int kRefused = 2;

// One line of standard error a problem, "PLACE:LINE: REASON". Line breaks and tabs are
// escaped as in every message, but a backslash is left as it is: the reasons quote escapes.
void printProblems(const QString &place, const std::vector<MappingProblem> &problems)
{
    for (const MappingProblem &problem : problems) {
        QByteArray line = escapedField(
            problem.line > 0
                ? QStringLiteral("%1:%2: %3").arg(place).arg(problem.line).arg(problem.reason)
                : problem.reason);
        line.replace("\\\\", "\\");
        line += '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    }
}

// The planned renames on standard output, "OLD<TAB>NEW" a line, escaped as preview prints.
void printPlan(const NameMapping::Plan &plan)
{
    OutputBuffer out(stdout);
    const FileRows &rows = plan.rows;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        const FileRow &row = rows.rows[i];
        if (row.newName == row.loadedName)
            continue;
        out.append(escapedField(rows.fullPath(int(i))));
        out.append('\t');
        out.append(escapedField(row.newName));
        out.append('\n');
    }
}

// Checks entries against the folder and, when every line is fine, renames by them.
// Problems found while reading (readProblems) are named together with the others, by line.
int applyEntries(const CliOptions &options, const std::vector<MappingEntry> &entries,
                 const QString &place, bool showPlan, std::vector<MappingProblem> readProblems = {})
{
    NameMapping::Plan plan = NameMapping::check(options.folder, entries, options.reorder);
    if (!readProblems.empty() || !plan.problems.empty()) {
        readProblems.insert(readProblems.end(), plan.problems.begin(), plan.problems.end());
        std::stable_sort(
            readProblems.begin(), readProblems.end(),
            [](const MappingProblem &a, const MappingProblem &b) { return a.line < b.line; });
        printProblems(place, readProblems);
        if (plan.needsReorder)
            printMessage(QStringLiteral("Add --reorder to rename chains and swaps."));
        printMessage(QStringLiteral("Nothing renamed."));
        return kRefused;
    }
    if (plan.renameCount() == 0) {
        printMessage(QStringLiteral("No name changes: nothing renamed."));
        return 0;
    }
    if (showPlan) {
        printPlan(plan);
        std::fflush(stdout);
    }
    const CliInterrupt interrupt;
    TerminalPrompter prompter(options.yes);
    BatchResult result;
    // The mapping's own check compared names as the file system does; the batch's check,
    // which ignores case, is left out as for a listing with sub-folders.
    const BatchOutcome outcome =
        runBatchRename(plan.rows, true, options.reorder, prompter, &result, {}, interrupt.flag());
    return finishBatch(plan.rows, outcome, result, interrupt.interrupted(), 0);
}

// The path of a listed row relative to the listed folder, as a mapping names it.
QByteArray relativePath(const FileRows &rows, int row, const QByteArray &root)
{
    const QByteArray full = rows.fullPathBytes(row);
    return full.startsWith(root) ? full.sliced(root.size()) : full;
}

// Runs the user's editor on path, through the shell as other programs do (so that an
// editor given with its options, "code --wait", works). Returns why it failed, or "".
QString runEditor(const QString &path)
{
    QString editor = qEnvironmentVariable("VISUAL");
    if (editor.isEmpty())
        editor = qEnvironmentVariable("EDITOR");
    if (editor.isEmpty())
        editor = QStringLiteral("vi");
    std::fflush(stdout);
    std::fflush(stderr);
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments(
        {QStringLiteral("-c"), editor + QStringLiteral(" \"$1\""), QStringLiteral("sh"), path});
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start();
    if (!process.waitForStarted(-1))
        return QStringLiteral("The editor (%1) could not be started: %2")
            .arg(editor, process.errorString());
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("The editor (%1) crashed").arg(editor);
    if (process.exitCode() != 0)
        return QStringLiteral("The editor (%1) exited with status %2")
            .arg(editor)
            .arg(process.exitCode());
    return {};
}

} // namespace

int runApply(const CliOptions &options)
{
    const MappingRead read = NameMapping::readFile(options.mapping, options.folder);
    return applyEntries(options, read.entries, options.mapping, false, read.problems);
}

int runEdit(const CliOptions &options)
{
    FileRows rows;
    if (const int status = listWithNewNames(options, rows); status >= 0)
        return status;
    if (rows.rows.empty())
        return 0; // the listing said that no file was found

    QByteArray written;
    for (const FileRow &row : rows.rows) {
        written += escapedField(row.newName);
        written += '\n';
    }
    // A folder only this user can enter, removed with what it holds.
    const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quirewell-edit-XXXXXX"));
    if (!folder.isValid()) {
        printMessage(
            QStringLiteral("Could not make a temporary folder: %1").arg(folder.errorString()));
        return kRefused;
    }
    const QString path = folder.filePath(QStringLiteral("new-names.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            file.write(written) != written.size() || !file.flush()) {
            printMessage(QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
            return kRefused;
        }
    }
    if (const QString failure = runEditor(path); !failure.isEmpty()) {
        printMessage(failure + QStringLiteral(": nothing renamed."));
        return kRefused;
    }
    QByteArray saved;
    if (const QString error = NameMapping::readText(path, saved); !error.isEmpty()) {
        printMessage(QStringLiteral("Could not read %1: %2: nothing renamed.").arg(path, error));
        return kRefused;
    }
    if (saved == written) {
        printMessage(QStringLiteral("No name changed: nothing renamed."));
        return 0;
    }
    const NameMapping::NameLines lines = NameMapping::parseNameLines(saved);
    if (!lines.problems.empty()) {
        printProblems(QStringLiteral("new names"), lines.problems);
        printMessage(QStringLiteral("Nothing renamed."));
        return kRefused;
    }
    if (lines.names.empty()) {
        printMessage(QStringLiteral("The file of new names was emptied: nothing renamed."));
        return 0;
    }
    if (lines.names.size() != rows.rows.size()) {
        printMessage(QStringLiteral("The file of new names has %1 lines for %2 files: lines "
                                    "cannot be added or removed. Nothing renamed.")
                         .arg(lines.names.size())
                         .arg(rows.rows.size()));
        return kRefused;
    }
    QByteArray root = encodeFileName(options.folder);
    if (!root.endsWith('/'))
        root += '/';
    std::vector<MappingEntry> entries;
    entries.reserve(rows.rows.size());
    for (int i = 0; i < rows.count(); ++i)
        entries.push_back({i + 1, relativePath(rows, i, root), lines.names[size_t(i)]});
    return applyEntries(options, entries, QStringLiteral("new names"), true);
}

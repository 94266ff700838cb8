// (13) Renames given as a list, over 100,000 files in one folder:
// - the batch of a mapping file (read, every line checked against the folder, renamed with its
//   journal, as quirewell-cli apply does) next to the same batch from the rule (the folder
//   listed, the new names computed, renamed with its journal, as quirewell-cli rename does);
// - the mapping loaded into the desktop program's list ("Rename from List": read, matched to
//   the listed rows, the names shown and their conflicts marked), against a one-second target.
// The files are put back under their old names before every batch, outside the timing.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/NameMapping.h"
#include "core/listing/FileListLoader.h"
#include "desktop/view/ListController.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFiles = 100000;

// Answers yes at once, as --yes does.
class YesPrompter : public BatchPrompter
{
public:
    void warn(const QString &message) override
    {
        std::fprintf(stderr, "warning: %s\n", qPrintable(message));
    }
    Answer ask(const QString &) override { return Answer::Yes; }
};

RenameParameters ruleParameters()
{
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = QStringLiteral("file");
    p.replaceText = QStringLiteral("photo");
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 7;
    bench::TempFolder temp;
    const QByteArray folder = temp.path() + "/batch";
    const QString folderName = QFile::decodeName(folder);
    qputenv("XDG_STATE_HOME", temp.path() + "/state");
    qputenv("XDG_CONFIG_HOME", temp.path() + "/config");
    if (!bench::makePlainFiles(folder, kFiles)) {
        std::fprintf(stderr, "could not make the files\n");
        return 2;
    }

    // The mapping: the same renames as the rule's.
    // Both names of every file, one after the other in a single buffer, for the C loop that
    // puts the files back.
    const QString mapping = QFile::decodeName(temp.path() + "/mapping.tsv");
    std::vector<char> names(size_t(kFiles) * 32);
    std::vector<const char *> fromC(kFiles), toC(kFiles);
    {
        QFile file(mapping);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        for (int i = 0; i < kFiles; ++i) {
            char *pair = names.data() + size_t(i) * 32;
            std::snprintf(pair, 14, "file%05d.txt", i);
            std::snprintf(pair + 14, 15, "photo%05d.txt", i);
            fromC[size_t(i)] = pair;
            toC[size_t(i)] = pair + 14;
            file.write(QByteArray(pair) + '\t' + QByteArray(pair + 14) + '\n');
        }
    }

    YesPrompter prompter;
    int ruleRenamed = 0, mappingRenamed = 0, runs = 0;
    bool renamed = false;
    const auto putBack = [&] {
        cbase::putBackAndSync(folder.constData(), fromC.data(), toC.data(), fromC.size(), &renamed);
    };
    // Apply's batch against the rule's, each on the files under their old names.
    const bench::Medians m = bench::compare(
        repetitions,
        [&] {
            FileRows rows;
            FileListLoader loader;
            loader.setFilters(true, true);
            loader.load(folderName, false, rows);
            ComputeNewFileNames(rows, ruleParameters());
            BatchResult result;
            runBatchRename(rows, false, false, prompter, &result);
            ruleRenamed += result.renamed;
            ++runs;
        },
        [&] {
            const MappingRead read = NameMapping::readFile(mapping, folderName);
            const NameMapping::Plan plan = NameMapping::check(folderName, read.entries, false);
            if (!read.problems.empty() || !plan.problems.empty())
                return;
            BatchResult result;
            runBatchRename(plan.rows, true, false, prompter, &result);
            mappingRenamed += result.renamed;
        },
        putBack);
    if (ruleRenamed != runs * kFiles || mappingRenamed != runs * kFiles)
        std::fprintf(stderr, "renamed %d by the rule, %d by the mapping, of %d each\n", ruleRenamed,
                     mappingRenamed, runs * kFiles);
    bench::printRow("(13) quirewell-cli apply's work: a 100,000-line mapping read, checked and "
                    "renamed, journal included (the same batch from the rule: listed, computed, "
                    "renamed = 1)",
                    m.baseline, m.ours, 1.1);
    putBack();

    // Rename from List in the desktop program's list of the same folder.
    ListController controller(nullptr, nullptr, [](int) {});
    QSignalSpy loaded(&controller, &ListController::loadFinished);
    controller.requestLoad(folderName, ListController::AfterLoad::Nothing);
    if (!loaded.wait(120000) || controller.fileModel().rowCount() != kFiles) {
        std::fprintf(stderr, "the list did not load\n");
        return 2;
    }
    controller.finishNewNames();
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        controller.onDisplayNewNames(); // the rule's names back, edits dropped
        controller.finishNewNames();
        const double start = bench::nowMs();
        const std::vector<MappingProblem> problems = controller.loadNamesFromList(mapping);
        times.push_back(bench::nowMs() - start);
        if (!problems.empty() || controller.fileModel().rows().rows[0].newName.at(0) != u'p')
            std::fprintf(stderr, "the mapping was not loaded into the list\n");
    }
    const double median = bench::median(times);
    std::printf("| (13b) Rename from List: a 100,000-line mapping loaded into the desktop "
                "program's list, names shown and conflicts marked | | %.0f ms | | <= 1000 ms | %s "
                "|\n",
                median, median <= 1000 ? "yes" : "NO");
    return 0;
}

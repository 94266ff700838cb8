// Runs a fuzz target without libFuzzer: every file of its starting corpus, then deterministic
// mutations of them (flipped bits, cut and doubled pieces, spliced inputs), then any files
// named on the command line. Lets every build, with or without clang, exercise the targets.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

void runOne(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
}

QByteArray mutate(const QList<QByteArray> &corpus, QRandomGenerator &rng)
{
    QByteArray input = corpus[rng.bounded(int(corpus.size()))];
    const int steps = 1 + rng.bounded(4);
    for (int s = 0; s < steps; ++s) {
        const int at = input.isEmpty() ? 0 : rng.bounded(int(input.size()));
        switch (rng.bounded(5)) {
        case 0:
            if (!input.isEmpty())
                input[at] = char(input[at] ^ (1 << rng.bounded(8)));
            break;
        case 1:
            if (!input.isEmpty())
                input[at] = char(rng.bounded(256));
            break;
        case 2:
            input.remove(at, rng.bounded(8));
            break;
        case 3:
            input.insert(at, input.mid(at, rng.bounded(16)));
            break;
        default:
            input.append(corpus[rng.bounded(int(corpus.size()))]);
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char **argv)
{
    QList<QByteArray> corpus;
    const QDir folder(QStringLiteral(QUIREWELL_FUZZ_CORPUS));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            corpus << file.readAll();
    }
    if (corpus.isEmpty()) {
        std::fprintf(stderr, "no starting corpus in %s\n", QUIREWELL_FUZZ_CORPUS);
        return 1;
    }
    for (const QByteArray &input : corpus)
        runOne(input);

    const int mutations = qEnvironmentVariableIntValue("QUIREWELL_FUZZ_REPLAY_RUNS") > 0
                              ? qEnvironmentVariableIntValue("QUIREWELL_FUZZ_REPLAY_RUNS")
                              : QUIREWELL_FUZZ_REPLAY_MUTATIONS;
    QRandomGenerator rng(20261208);
    for (int i = 0; i < mutations; ++i)
        runOne(mutate(corpus, rng));

    for (int i = 1; i < argc; ++i) {
        QFile file(QFile::decodeName(argv[i]));
        if (file.open(QIODevice::ReadOnly))
            runOne(file.readAll());
    }
    std::printf("%lld seeds and %d mutations ran\n", static_cast<long long>(corpus.size()),
                mutations);
    return 0;
}

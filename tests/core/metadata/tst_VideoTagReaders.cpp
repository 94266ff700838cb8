// Video tags read in processes of their own: a file that makes MediaInfo run away costs a
// bounded time and memory of another process, readers that hang, crash or answer nonsense are
// killed and replaced, none is left behind as a zombie, and readers that cannot start leave
// the fields empty with the reason said.
#include "core/metadata/MetadataCache.h"
#include "core/metadata/VideoTagMessages.h"
#include "core/metadata/VideoTagReaders.h"
#include "tests/support/SampleMedia.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <thread>
#include <vector>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// The children of this process in the given state ('Z': ended but not waited for), by id.
QList<qint64> childrenInState(char state)
{
    QList<qint64> found;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    const QStringList entries = QDir(u"/proc"_qs).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile status(u"/proc/"_qs + entry + u"/stat"_qs);
        if (!status.open(QIODevice::ReadOnly))
            continue;
        // pid (name) state ppid ...: the name may hold spaces, so fields count from the ')'.
        const QByteArray line = status.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1] == self && fields[0] == QByteArray(1, state))
            found.append(entry.toLongLong());
    }
    return found;
}

int zombieChildren()
{
    return int(childrenInState('Z').size());
}

// The most memory this process has had in RAM so far, in KiB.
long peakKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class VideoTagReadersTest : public QObject
{
    Q_OBJECT

    TestTree m_tree;

    QByteArray path(const QString &name) { return QFile::encodeName(m_tree.path(name)); }

    // A reader program written as a shell script, which misbehaves as told.
    QByteArray fakeReader(const QString &name, const QByteArray &body)
    {
        const QString file = m_tree.path(name);
        if (!m_tree.createFile(name, "#!/bin/sh\n" + body + '\n') ||
            !QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return {};
        return QFile::encodeName(file);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tree.isValid());
        QVERIFY2(!VideoTagReaders::findProgram().isEmpty(), "the build made no reader");
        QByteArray output;
        QVERIFY2(runTool(u"ffmpeg"_qs,
                         {u"-loglevel"_qs, u"error"_qs, u"-y"_qs, u"-f"_qs, u"lavfi"_qs, u"-i"_qs,
                          u"color=c=blue:s=32x24:d=2"_qs, u"-pix_fmt"_qs, u"yuv420p"_qs,
                          m_tree.path(u"clip.mp4"_qs)},
                         &output),
                 output.constData());
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("valid");
        QTest::newRow("both") << QByteArray("2000\n2021-05-06T07:08:09Z") << true;
        QTest::newRow("neither") << QByteArray("\n") << true;
        QTest::newRow("no separator") << QByteArray("2000") << false;
        QTest::newRow("two separators") << QByteArray("2000\n\n") << false;
        QTest::newRow("sign") << QByteArray("-5\n") << false;
        QTest::newRow("too many digits") << QByteArray("1234567890123456\n") << false;
        QTest::newRow("no date") << QByteArray("\n2021-13-06T07:08:09Z") << false;
        QTest::newRow("local time") << QByteArray("\n2021-05-06T07:08:09+") << false;
        QTest::newRow("text") << QByteArray("\n<script>alert(1)</script>") << false;
    }
    // The reader's answer is taken as fields only when it looks like what MediaInfo gives.
    void answers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, valid);
        FileMetadata m;
        m.set(MetadataField::VideoDuration, u"kept"_qs);
        QCOMPARE(VideoTagMessages::parseAnswer(answer, m), valid);
        if (!valid)
            QCOMPARE(m.value(MetadataField::VideoDuration), u"kept"_qs);
        QCOMPARE(VideoTagMessages::parseRequest(VideoTagMessages::request(123456789).constData(),
                                                VideoTagMessages::kRequestBytes),
                 123456789);
    }

    // The fuzzer's file that makes MediaInfo grow to about 12 GB in one call: the reader
    // gives up within its bounds, this process stays small, and the next file still reads.
    void runawayFileIsContained()
    {
        const QString hostile = QStringLiteral(QUIREWELL_HOSTILE_VIDEO);
        QVERIFY(QFile::copy(hostile, m_tree.path(u"runaway.mp4"_qs)));
        VideoTagReaders readers(VideoTagReaders::findProgram(), 1, 3000);
        MetadataCache cache(readers);
        const long peakBefore = peakKilobytes();
        QElapsedTimer clock;
        clock.start();
        const FileMetadata m = cache.read(path(u"runaway.mp4"_qs), kVideoMetadata);
        const qint64 ms = clock.elapsed();
        qInfo("runaway file: %lld ms, this process's peak grew by %ld KiB", ms,
              peakKilobytes() - peakBefore);
        QVERIFY2(ms < 15000, qPrintable(QString::number(ms)));
        QVERIFY(m.problem.isEmpty());
        QVERIFY(m.value(MetadataField::VideoDuration).isEmpty());
        QVERIFY(m.value(MetadataField::VideoCreated).isEmpty());
        QVERIFY(peakKilobytes() - peakBefore < 256 * 1024);

        const FileMetadata next = cache.read(path(u"clip.mp4"_qs), kVideoMetadata);
        const qint64 duration = next.value(MetadataField::VideoDuration).toLongLong();
        QVERIFY2(duration >= 1900 && duration <= 2100,
                 qPrintable(next.value(MetadataField::VideoDuration)));
        QCOMPARE(zombieChildren(), 0);
    }

    // A kept reader killed from outside while it waits is replaced when next needed.
    void killedReaderIsReplaced()
    {
        VideoTagReaders readers(VideoTagReaders::findProgram(), 1, 3000);
        MetadataCache cache(readers);
        QVERIFY(!cache.read(path(u"clip.mp4"_qs), kVideoMetadata)
                     .value(MetadataField::VideoDuration)
                     .isEmpty());
        // Once answered, the reader goes back to wait for the next request.
        QList<qint64> waiting;
        QTRY_COMPARE((waiting = childrenInState('S')).size(), 1);
        QCOMPARE(::kill(pid_t(waiting[0]), SIGKILL), 0);
        QTRY_COMPARE(zombieChildren(), 1);

        QVERIFY(m_tree.createFile(u"second.mp4"_qs, m_tree.contents(u"clip.mp4"_qs)));
        QVERIFY(!cache.read(path(u"second.mp4"_qs), kVideoMetadata)
                     .value(MetadataField::VideoDuration)
                     .isEmpty());
        QCOMPARE(readers.processCount(), 1);
        QCOMPARE(zombieChildren(), 0);
    }

    void failingReaders_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: no program at all
        QTest::addColumn<bool>("started");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("ends at once") << QByteArray("exit 0") << true;
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << true;
        QTest::newRow("hangs") << QByteArray("exec sleep 60") << true;
        QTest::newRow("nonsense") << QByteArray("printf 'x\\ny' >&3; exec sleep 60") << true;
        QTest::newRow("too long") << QByteArray("printf '%0200d\\n' 1 >&3; exec sleep 60") << true;
    }
    // A reader that misbehaves is killed and waited for within the time per file; the file's
    // video fields stay empty, and asking again starts a new reader.
    void failingReaders()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, started);
        const QString tag = QString::fromUtf8(QTest::currentDataTag()).replace(u' ', u'-');
        const QByteArray program =
            script.isEmpty() ? path(u"no-such-reader"_qs) : fakeReader(tag + u".sh"_qs, script);
        QVERIFY(!program.isEmpty());
        VideoTagReaders readers(program, 2, 400);
        MetadataCache cache(readers);
        for (int round = 0; round < 2; ++round) {
            QElapsedTimer clock;
            clock.start();
            const FileMetadata m = cache.read(path(u"clip.mp4"_qs), kVideoMetadata);
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(m.value(MetadataField::VideoDuration).isEmpty());
            QCOMPARE(m.problem.startsWith(u"cannot start the video tag reader"_qs), !started);
            // A reader that never started is tried again; one that gave up is not.
            QCOMPARE(cache.filesRead(), quint64(started ? 1 : round + 1));
            QCOMPARE(readers.processCount(), 0);
            QCOMPARE(zombieChildren(), 0);
        }
    }

    // Many threads at once share a few readers, each file read by one of them.
    void manyThreadsShareFewReaders()
    {
        constexpr int kFiles = 24;
        const QByteArray clip = m_tree.contents(u"clip.mp4"_qs);
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(m_tree.createFile(u"many/%1.mp4"_qs.arg(i), clip));
        VideoTagReaders readers(VideoTagReaders::findProgram(), 2, 3000);
        MetadataCache cache(readers);
        std::vector<QString> durations(kFiles);
        std::vector<std::thread> threads;
        for (int t = 0; t < 6; ++t) {
            threads.emplace_back([&, t] {
                for (int i = t; i < kFiles; i += 6)
                    durations[size_t(i)] =
                        cache.read(path(u"many/%1.mp4"_qs.arg(i)), kVideoMetadata)
                            .value(MetadataField::VideoDuration);
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        for (const QString &duration : durations)
            QVERIFY2(duration.toLongLong() >= 1900 && duration.toLongLong() <= 2100,
                     qPrintable(duration));
        QVERIFY(readers.processCount() >= 1 && readers.processCount() <= 2);
        QCOMPARE(cache.filesRead(), quint64(kFiles));
    }
};

QTEST_GUILESS_MAIN(VideoTagReadersTest)
#include "tst_VideoTagReaders.moc"

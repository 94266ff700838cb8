// The name template as quirewell-cli takes it: --template, --help-tokens, bad templates,
// and files without a value, in preview and rename.
#include "tests/cli/CliProcess.h"
#include "tests/support/SampleMedia.h"
#include "tests/support/TestTree.h"

#include <QTest>

#include <memory>

class TestCliTemplate : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;

    CliRun run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        return runCli(QStringList{QStringLiteral("--config"), m_tree->settingsFile()} + arguments,
                      environment);
    }
    void makePhotos()
    {
        QVERIFY(m_tree->createFile(u"a.jpg"_qs, exifJpeg("X100V", "2023:07:14 09:08:07")));
        QVERIFY(m_tree->createFile(u"b.JPG"_qs, exifJpeg("EOS R5", "2021:01:02 03:04:05")));
        QVERIFY(m_tree->createFile(u"c.jpg"_qs, "no exif here"));
    }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        QVERIFY(m_tree->isValid());
        m_tree->useTemporarySettings();
    }

    void badTemplatesAreBadUsage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown token")
            << u"{title}-{photo.date}"_qs
            << QByteArray("quirewell-cli: invalid template at position 10: unknown token "
                          "'photo.date'\n");
        QTest::newRow("never closed") << u"x{counter:3"_qs
                                      << QByteArray("quirewell-cli: invalid template at "
                                                    "position 2: a '{' that is never closed\n");
    }
    void badTemplatesAreBadUsage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, message);
        makePhotos();
        for (const char *command : {"preview", "rename"}) {
            const CliRun r = run({QString::fromLatin1(command), m_tree->root(), u"--template"_qs,
                                  text, u"--yes"_qs});
            QCOMPARE(r.code, 2);
            QCOMPARE(r.err, message);
            QVERIFY(r.out.isEmpty());
        }
        QVERIFY(m_tree->exists(u"a.jpg"_qs));
    }

    void helpTokensListsEveryToken()
    {
        const CliRun r = run({u"--help-tokens"_qs});
        QCOMPARE(r.code, 0);
        for (const char *token : {"{name}",
                                  "{title}",
                                  "{ext}",
                                  "{folder}",
                                  "{parent}",
                                  "{counter:N}",
                                  "{modified:FMT}",
                                  "{photo.taken:FMT}",
                                  "{photo.digitized:FMT}",
                                  "{photo.make}",
                                  "{photo.model}",
                                  "{photo.lens}",
                                  "{photo.width:N}",
                                  "{photo.height:N}",
                                  "{audio.artist}",
                                  "{audio.albumartist}",
                                  "{audio.album}",
                                  "{audio.title}",
                                  "{audio.track:N}",
                                  "{audio.disc:N}",
                                  "{audio.year:N}",
                                  "{audio.genre}",
                                  "{video.duration}",
                                  "{video.created:FMT}"})
            QVERIFY2(r.out.contains(token), token);
        const CliRun help = run({u"--help"_qs});
        QVERIFY(help.out.contains("--template TEXT"));
        QVERIFY(help.out.contains("--help-tokens"));
    }

    void previewShowsTheReason()
    {
        makePhotos();
        const CliRun r = run({u"preview"_qs, m_tree->root(), u"--status"_qs, u"--template"_qs,
                              u"{photo.taken:%Y-%m-%d_%H%M%S} {photo.model}{ext}"_qs});
        QCOMPARE(r.code, 1);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QByteArrayList names, reasons;
        for (const QByteArray &line : lines) {
            names << line.split('\t').value(2);
            reasons << line.split('\t').value(6);
        }
        QCOMPARE(names, (QByteArrayList{"2023-07-14_090807 X100V.jpg",
                                        "2021-01-02_030405 EOS R5.JPG", "c.jpg"}));
        QCOMPARE(reasons, (QByteArrayList{"", "", "no photo.taken"}));
        QVERIFY(r.err.contains("1 skipped"));

        // An alternative with a value leaves nothing to skip.
        const CliRun fallback = run({u"preview"_qs, m_tree->root(), u"--template"_qs,
                                     uR"({photo.model|"Unknown"}-{counter:2}{ext:lower})"_qs});
        QCOMPARE(fallback.code, 0);
        QVERIFY(fallback.out.contains("\tX100V-01.jpg\t"));
        QVERIFY(fallback.out.contains("\tEOS R5-02.jpg\t"));
        QVERIFY(fallback.out.contains("\tUnknown-03.jpg\t"));
    }

    void renameSkipsRowsWithoutValue()
    {
        makePhotos();
        QVERIFY(m_tree->createFile(u"d.jpg"_qs, exifJpeg("A/..B", "2020:02:03 00:00:00")));
        const CliRun r = run({u"rename"_qs, m_tree->root(), u"--yes"_qs, u"--upper"_qs,
                              u"--template"_qs, u"{photo.model}_{photo.taken:%Y}{ext}"_qs});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Could not rename " + m_tree->path(u"c.jpg"_qs).toUtf8() +
                                ": no photo.model\n"),
                 r.err.constData());
        QVERIFY2(r.err.contains("3 renamed, 0 failed, 0 unchanged, 1 skipped"), r.err.constData());
        // The template's name, then the other steps (upper case); '/' made safe.
        QCOMPARE(m_tree->entries(), (QStringList{u"A_..B_2020.JPG"_qs, u"EOS R5_2021.JPG"_qs,
                                                 u"X100V_2023.JPG"_qs, u"c.jpg"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestCliTemplate)
#include "tst_CliTemplate.moc"

// The running numbers' digits, steps and restart, and the padding of numbers in names, as
// quirewell-cli takes them: for one run, from the options, and refused when out of range.
#include "core/engine/settings/AppSettings.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestTree.h"

#include <QTest>

#include <memory>

class TestCliNumbering : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;

    CliRun run(const QStringList &arguments)
    {
        return runCli(QStringList{QStringLiteral("--config"), m_tree->settingsFile()} + arguments,
                      QProcessEnvironment::systemEnvironment());
    }
    // The new names of a preview with these options, in list order.
    QByteArrayList previewNames(const QStringList &options, bool recursive = false)
    {
        QStringList arguments{QStringLiteral("preview"), m_tree->root()};
        if (recursive)
            arguments << QStringLiteral("--recursive");
        const CliRun r = run(arguments + options);
        if (r.code != 0)
            return {"exit " + QByteArray::number(r.code) + ": " + r.err};
        QByteArrayList names;
        for (const QByteArray &line : r.out.split('\n'))
            if (!line.isEmpty())
                names << line.split('\t').value(2);
        return names;
    }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        QVERIFY(m_tree->isValid());
        m_tree->useTemporarySettings();
    }

    void digitsStepsAndRestart_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArrayList>("expected");
        const QStringList numbers{u"--number-start=5"_qs, u"--step-start=-5"_qs,
                                  u"--pad-start=3"_qs,    u"--number-end=9"_qs,
                                  u"--step-end=2"_qs,     u"--pad-end=2"_qs};
        QTest::newRow("one run over both folders")
            << numbers << QByteArrayList{"005a09.txt", "000b11.txt", "-005c13.txt", "-010d15.txt"};
        QTest::newRow("restart in each folder")
            << numbers + QStringList{u"--restart-each-folder"_qs}
            << QByteArrayList{"005a09.txt", "000b11.txt", "005c09.txt", "000d11.txt"};
        // Digits and steps alone switch no number on.
        QTest::newRow("settings of numbers that are off")
            << QStringList{u"--pad-start=3"_qs, u"--step-end=4"_qs}
            << QByteArrayList{"a.txt", "b.txt", "c.txt", "d.txt"};
    }
    void digitsStepsAndRestart()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArrayList, expected);
        for (const char *name : {"a.txt", "b.txt", "sub/c.txt", "sub/d.txt"})
            QVERIFY(m_tree->createFile(QString::fromUtf8(name)));
        QCOMPARE(previewNames(options, true), expected);
        // Nothing given on the command line is stored.
        const CAppSettings settings;
        QCOMPARE(settings.intValue(CAppSettings::Key::RestartNumbersEachFolder), 0);
        QCOMPARE(settings.intValue(CAppSettings::Key::PadNumberAtStart), 0);
    }

    void numbersInNamesArePadded()
    {
        for (const char *name : {"IMG_7.jpg", "IMG_12.v2", "x.mp3"})
            QVERIFY(m_tree->createFile(QString::fromUtf8(name)));
        QCOMPARE(previewNames({u"--pad-numbers"_qs, u"3"_qs}),
                 (QByteArrayList{"IMG_012.v2", "IMG_007.jpg", "x.mp3"}));
        const CliRun r = run({u"rename"_qs, m_tree->root(), u"--pad-numbers=4"_qs, u"--yes"_qs});
        QCOMPARE(r.code, 0);
        QCOMPARE(m_tree->entries(),
                 (QStringList{u"IMG_0007.jpg"_qs, u"IMG_0012.v2"_qs, u"x.mp3"_qs}));
    }

    void outOfRangeIsBadUsage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("start digits")
            << QStringList{u"--pad-start=256"_qs} << QByteArray("--pad-start");
        QTest::newRow("end digits negative")
            << QStringList{u"--pad-end"_qs, u"-1"_qs} << QByteArray("--pad-end");
        QTest::newRow("padded numbers")
            << QStringList{u"--pad-numbers=1000"_qs} << QByteArray("--pad-numbers");
        QTest::newRow("step beyond 32 bits")
            << QStringList{u"--step-start=2147483648"_qs} << QByteArray("--step-start");
        QTest::newRow("step not a number")
            << QStringList{u"--step-end=two"_qs} << QByteArray("--step-end");
    }
    void outOfRangeIsBadUsage()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, named);
        QVERIFY(m_tree->createFile(u"a.txt"_qs));
        const CliRun r = run(QStringList{u"rename"_qs, m_tree->root(), u"--yes"_qs} + options);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(named), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QCOMPARE(m_tree->entries(), QStringList{u"a.txt"_qs});
    }

    // A settings file that stores more digits than any padding takes is refused by name.
    void storedPaddingAboveTheLimitIsRefused()
    {
        QVERIFY(m_tree->createFile(u"a.txt"_qs));
        {
            CAppSettings settings;
            settings.setValue(CAppSettings::Key::CheckNumberAtEnd, 1);
            settings.setValue(CAppSettings::Key::PadNumberAtEnd, 300);
        }
        const CliRun r = run({u"rename"_qs, m_tree->root(), u"--yes"_qs});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("PadNumberAtEnd") && r.err.contains("0 to 255"), r.err.constData());
        QCOMPARE(m_tree->entries(), QStringList{u"a.txt"_qs});
    }
};

QTEST_GUILESS_MAIN(TestCliNumbering)
#include "tst_CliNumbering.moc"

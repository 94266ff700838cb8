// quirewell-cli writes English whatever the desktop's language: its lists, summaries and
// messages are the same bytes under LANGUAGE, LC_MESSAGES and LANG of a shipped translation
// as in English, so that scripts reading them keep working.
#include "tests/cli/CliProcess.h"
#include "tests/support/TestTree.h"

#include <QTest>

class TestCliLanguage : public QObject
{
    Q_OBJECT

    TestTree m_tree;

    CliRun run(const QStringList &arguments, const QStringList &language)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QLatin1String(name));
        for (const QString &setting : language)
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        return runCli(QStringList{QStringLiteral("--config"), m_tree.settingsFile()} + arguments,
                      environment);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tree.isValid());
        m_tree.useTemporarySettings();
        QVERIFY(m_tree.createFile(QStringLiteral("IMG_1.jpg"), "one"));
        QVERIFY(m_tree.createFile(QStringLiteral("sub/IMG_2.jpg"), "two"));
    }

    void outputStaysEnglish_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("englishText"); // a text the English run must hold
        const QString root = m_tree.root();
        QTest::newRow("list") << QStringList{u"list"_qs, root, u"--recursive"_qs}
                              << QByteArray("File(s) Listed from Folder [");
        QTest::newRow("preview") << QStringList{u"preview"_qs, root, u"--find=IMG"_qs,
                                                u"--replace=Photo"_qs}
                                 << QByteArray("File(s) from Sub Folder(s) Not Listed");
        QTest::newRow("missing folder") << QStringList{u"list"_qs, root + u"/missing"_qs}
                                        << QByteArray("Could Not List Files from [");
    }

    void outputStaysEnglish()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, englishText);
        const CliRun english = run(arguments, {u"LANG=C.UTF-8"_qs});
        QVERIFY2(english.code >= 0, english.err.constData());
        QVERIFY2((english.out + english.err).contains(englishText),
                 (english.out + english.err).constData());
        const QList<QStringList> languages{
            {u"LANGUAGE=de"_qs, u"LANG=de_DE.UTF-8"_qs},
            {u"LC_ALL=fr_FR.UTF-8"_qs},
            {u"LC_MESSAGES=ru_RU.UTF-8"_qs, u"LANG=ru_RU.UTF-8"_qs},
            {u"LANGUAGE=ja:zh_CN"_qs},
        };
        for (const QStringList &language : languages) {
            const CliRun translated = run(arguments, language);
            QCOMPARE(translated.code, english.code);
            QCOMPARE(translated.out, english.out);
            QCOMPARE(translated.err, english.err);
        }
    }
};

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_CliLanguage.moc"

#include "core/engine/settings/PresetStore.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

// The new names of a preview, in row order.
QByteArrayList newNames(const CliRun &run)
{
    QByteArrayList names;
    for (const QByteArray &line : run.out.split('\n'))
        if (!line.isEmpty())
            names << line.split('\t').value(2);
    return names;
}

} // namespace

// quirewell-cli presets and --preset NAME, with the presets in $XDG_CONFIG_HOME.
class TestCliPresets : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void presetsPrintsSortedNames();
    void presetIsTheStartAndOptionsWin();
    void badPresetRenamesNothing_data();
    void badPresetRenamesNothing();

private:
    CliRun run(const QStringList &arguments, const QByteArray &input = {});
    QString presetFolder() const { return m_config->path(QStringLiteral("quirewell/presets")); }
    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<TestTree> m_config;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

void TestCliPresets::init()
{
    m_tree = std::make_unique<TestTree>();
    m_config = std::make_unique<TestTree>();
    QVERIFY(m_tree->isValid() && m_config->isValid());
    m_tree->useTemporarySettings();
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->root());
    // The stored parameters, which a preset replaces.
    QSettings stored(m_tree->settingsFile(), QSettings::IniFormat);
    stored.setValue(QStringLiteral("Settings/CheckLowerCase"), 1);
    stored.setValue(QStringLiteral("Settings/CheckNumberAtStart"), 1);
    stored.sync();
    QVERIFY(m_tree->createFile(QStringLiteral("files/a.txt")));
    QVERIFY(m_tree->createFile(QStringLiteral("files/b.txt")));
}

CliRun TestCliPresets::run(const QStringList &arguments, const QByteArray &input)
{
    return runCli(QStringList{QStringLiteral("--config"), m_tree->settingsFile()} + arguments,
                  m_environment, input);
}

void TestCliPresets::presetsPrintsSortedNames()
{
    // No folder of presets yet: nothing, and success.
    CliRun listed = run(QStringList{u"presets"_qs});
    QCOMPARE(listed.code, 0);
    QCOMPARE(listed.out, QByteArray());
    const PresetStore store(presetFolder());
    for (const char *name : {"b", "Holiday 2024", "a", "été"})
        QCOMPARE(store.save(QString::fromUtf8(name), RenameParameters{}), QString());
    QVERIFY(m_config->createFile(QStringLiteral("quirewell/presets/notes.txt")));
    listed = run(QStringList{u"presets"_qs});
    QCOMPARE(listed.code, 0);
    QCOMPARE(listed.out, QByteArray("Holiday 2024\na\nb\nété\n"));
    QCOMPARE(listed.err, QByteArray());
    QCOMPARE(run(QStringList{u"presets"_qs, u"extra"_qs}).code, 2);
}

void TestCliPresets::presetIsTheStartAndOptionsWin()
{
    RenameParameters upper;
    upper.checkUpperCase = true;
    upper.checkNumberAtEnd = true;
    upper.numberAtEnd = 5;
    QCOMPARE(PresetStore(presetFolder()).save(QStringLiteral("Up"), upper), QString());

    // The stored lower case and number at the start play no part.
    CliRun preview =
        run(QStringList{u"preview"_qs, u"--preset"_qs, u"Up"_qs} << m_tree->path(u"files"_qs));
    QCOMPARE(preview.code, 0);
    QCOMPARE(newNames(preview), (QByteArrayList{"A5.TXT", "B6.TXT"}));
    // Options on the command line win over the preset, before or after it.
    preview = run(
        QStringList{u"preview"_qs, u"--lower"_qs, u"--preset=Up"_qs, u"--number-end"_qs, u"9"_qs}
        << m_tree->path(u"files"_qs));
    QCOMPARE(preview.code, 0);
    QCOMPARE(newNames(preview), (QByteArrayList{"a9.txt", "b10.txt"}));

    const CliRun renamed = run(QStringList{u"rename"_qs, u"--yes"_qs, u"--preset"_qs, u"Up"_qs}
                               << m_tree->path(u"files"_qs));
    QCOMPARE(renamed.code, 0);
    QCOMPARE(m_tree->entries(),
             (QStringList{u"files/"_qs, u"files/A5.TXT"_qs, u"files/B6.TXT"_qs}));
}

void TestCliPresets::badPresetRenamesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file"); // written as preset "bad", when not empty
    QTest::addColumn<QByteArray>("message");
    const QStringList renameBad = QStringList{u"rename"_qs, u"--yes"_qs, u"--preset"_qs, u"bad"_qs};
    QTest::newRow("unknown") << renameBad << QByteArray() << QByteArray("no preset named \"bad\"");
    QTest::newRow("bad name") << QStringList{u"rename"_qs, u"--yes"_qs, u"--preset"_qs, u"a/b"_qs}
                              << QByteArray()
                              << QByteArray("\"a/b\" cannot name a preset: it holds \"/\"");
    QTest::newRow("empty name") << QStringList{u"preview"_qs, u"--preset="_qs} << QByteArray()
                                << QByteArray("a preset name cannot be empty");
    QTest::newRow("garbage") << renameBad << QByteArray("\x01\x02 binary\n")
                             << QByteArray("bad.conf: line 1 is not a group");
    QTest::newRow("wrong type") << renameBad << QByteArray("[Settings]\nNumberAtEnd=lots\n")
                                << QByteArray("the value of NumberAtEnd is not a whole");
    QTest::newRow("link") << renameBad << QByteArray("link")
                          << QByteArray("bad.conf: it is a symbolic link");
    QTest::newRow("on list") << QStringList{u"list"_qs, u"--preset"_qs, u"Up"_qs} << QByteArray()
                             << QByteArray("--preset is an option of preview and rename only");
}

void TestCliPresets::badPresetRenamesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, message);
    RenameParameters upper;
    upper.checkUpperCase = true;
    QCOMPARE(PresetStore(presetFolder()).save(QStringLiteral("Up"), upper), QString());
    if (file == "link")
        QVERIFY(m_config->createLink(QStringLiteral("Up.conf"),
                                     QStringLiteral("quirewell/presets/bad.conf")));
    else if (!file.isEmpty())
        QVERIFY(m_config->createFile(QStringLiteral("quirewell/presets/bad.conf"), file));
    const QStringList before = m_tree->entries();
    const CliRun refused = run(arguments << m_tree->path(u"files"_qs));
    QCOMPARE(refused.code, 2);
    QCOMPARE(refused.out, QByteArray());
    QVERIFY2(refused.err.startsWith("quirewell-cli: ") && refused.err.contains(message),
             refused.err.constData());
    QCOMPARE(m_tree->entries(), before);
}

QTEST_GUILESS_MAIN(TestCliPresets)
#include "tst_CliPresets.moc"

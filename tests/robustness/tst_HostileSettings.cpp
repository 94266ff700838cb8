#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/PresetStore.h"
#include "tests/robustness/HostileStores.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every warning Qt or the program prints while a test reads its settings.
QStringList g_messages;
QtMessageHandler g_previousHandler = nullptr;

void collectMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_messages << text;
    g_previousHandler(type, context, text);
}

struct ReadBack
{
    RenameParameters params;
    int hidden, readOnly, subFolders, look, column0;
    bool placement;
};

ReadBack readEverything()
{
    const CAppSettings settings;
    return {
        RenameParameters::fromSettings(settings),
        settings.GetDisplayHiddenFiles(),
        settings.GetDisplayReadOnlyFiles(),
        settings.GetViewFilesInSubFolders(),
        CAppSettings::applicationLook(),
        CAppSettings::GetProfileInt(QStringLiteral("Column0"), 75),
        CAppSettings::GetProfileBinary(QStringLiteral("DlgRenameParametersLocation")).has_value()};
}

} // namespace

// Broken settings files: every reader gets its default, nothing is printed, nothing
// crashes, and the store takes new values again.
class HostileSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(collectMessage); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }
    void init()
    {
        g_messages.clear();
        QVERIFY(m_dir.isValid());
        // A new name each time: QSettings caches each file's values within the process.
        m_store = m_dir.filePath(QStringLiteral("settings%1.ini").arg(++m_stores));
        CAppSettings::useStoreFile(m_store);
    }
    void cleanup() { CAppSettings::useStoreFile(QString()); }

    void brokenStoreReadsAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const HostileStore &store : hostileStores())
            QTest::newRow(store.name) << store.content;
        // Qt itself names a stored type that it does not know, once per read; the values
        // still fall back to their defaults.
        QTest::newRow("unknown variant") << QByteArray(
            "[Settings]\nNumberAtStart=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QFoo\\0)\n");
    }

    void brokenStoreReadsAsDefaults()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeStore(m_store, content));
        const ReadBack read = readEverything();
        QCOMPARE(read.params, RenameParameters{});
        QCOMPARE(read.hidden, 0);
        QCOMPARE(read.readOnly, 0);
        QCOMPARE(read.subFolders, 0);
        QCOMPARE(read.look, 216);
        QCOMPARE(read.column0, 75);
        QVERIFY(!read.placement);
        if (QByteArray(QTest::currentDataTag()) == "unknown variant") {
            QCOMPARE(g_messages.size(), 1);
            QVERIFY(g_messages[0].startsWith(u"QVariant::load: unknown user type"));
            g_messages.clear();
        }
        QCOMPARE(g_messages, QStringList());

        // The rule runs on what was read, and the store accepts a change afterwards.
        RenameCounters counters = RenameCounters::from(read.params);
        QCOMPARE(computeNewName(read.params, QStringLiteral("a.txt"), true, counters),
                 QStringLiteral("a.txt"));
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::NumberAtStart, 42);
        QCOMPARE(settings.intValue(CAppSettings::Key::NumberAtStart), 42);
        QFile written(m_store);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("NumberAtStart=42"));
        QCOMPARE(g_messages, QStringList());
    }

    // The limits of the 32-bit range are sound values and read back exactly.
    void limitsOfTheRangeAreKept()
    {
        QVERIFY(writeStore(m_store, "[Settings]\nNumberAtStart=2147483647\n"
                                    "NumberAtEnd=-2147483648\nRemoveInitialCharactersLength=-1\n"));
        const CAppSettings settings;
        QCOMPARE(settings.intValue(CAppSettings::Key::NumberAtStart), 2147483647);
        QCOMPARE(settings.intValue(CAppSettings::Key::NumberAtEnd), int(-2147483647 - 1));
        QCOMPARE(settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), -1);
    }

    // Stores that are not files at all.
    void storeThatIsNoFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("folder") << 0;
        QTest::newRow("dangling link") << 1;
        QTest::newRow("link loop") << 2;
    }

    void storeThatIsNoFile()
    {
        QFETCH(int, kind);
        const QByteArray path = QFile::encodeName(m_store);
        if (kind == 0)
            QVERIFY(QDir().mkpath(m_store));
        else if (kind == 1)
            QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("missing")), m_store));
        else
            QVERIFY(QFile::link(m_store, m_store));
        const ReadBack read = readEverything();
        QCOMPARE(read.params, RenameParameters{});
        QCOMPARE(read.look, 216);
        QCOMPARE(g_messages, QStringList());
        CAppSettings().setValue(CAppSettings::Key::NumberAtEnd, 3); // silently lost, never a crash
        QDir(m_store).removeRecursively();
        QFile::remove(m_store);
    }

    // Presets: where the user's store reads a broken file as the defaults, a preset made of
    // it is refused, naming the file, and applies nothing.
    void brokenStoreIsRefusedAsAPreset_data() { brokenStoreReadsAsDefaults_data(); }
    void brokenStoreIsRefusedAsAPreset()
    {
        QFETCH(QByteArray, content);
        const PresetStore store(m_dir.filePath(QStringLiteral("presets%1").arg(m_stores)));
        QVERIFY(QDir().mkpath(store.folder()));
        QVERIFY(writeStore(store.fileOf(QStringLiteral("broken")), content));
        const auto loaded = store.load(QStringLiteral("broken"));
        QVERIFY(!loaded);
        QVERIFY2(loaded.error.contains(store.fileOf(QStringLiteral("broken"))),
                 qPrintable(loaded.error));
        g_messages.clear(); // Qt names an unknown stored type, as above
    }

private:
    QTemporaryDir m_dir;
    QString m_store;
    int m_stores = 0;
};

QTEST_GUILESS_MAIN(HostileSettingsTest)
#include "tst_HostileSettings.moc"

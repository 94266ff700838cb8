#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/PresetStore.h"
#include "core/engine/settings/SettingsFileCheck.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Key = CAppSettings::Key;

// What stands at a hostile preset's place.
enum Kind
{
    kFile,
    kLink,
    kUnreadable,
    kFifo,
    kFolder
};

// Every parameter away from its default, each to a value of its own; texts carry what INI
// files escape or quote.
RenameParameters everyParameterChanged()
{
    RenameParameters params;
    for (int k = 0; k < CAppSettings::kKeyCount; ++k) {
        const auto key = Key(k);
        if (!RenameParameters::isParameter(key))
            continue;
        switch (CAppSettings::kind(key)) {
        case SettingKind::Flag:
            params.setValue(key, CAppSettings::defaultInt(key) == 0 ? 1 : 0);
            break;
        case SettingKind::Number:
            params.setValue(key, RenameParameters::problemWithNumber(key, 200 + k).isEmpty()
                                     ? 200 + k
                                     : -7 - k);
            break;
        case SettingKind::Text:
            params.setValue(key, QStringLiteral("t%1 a,b;c=\"d\"\\e [x] é #").arg(k));
            break;
        }
    }
    params.applyTo = 2; // a choice: its largest value
    return params;
}

} // namespace

// Presets: files that round-trip every rename parameter in the settings store's own keys, and
// hostile files that are refused with their name and the reason.
class PresetStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_store = std::make_unique<PresetStore>(m_tree->path(QStringLiteral("presets")));
    }
    void cleanup()
    {
        CAppSettings::useStoreFile(QString());
        m_store.reset();
        m_tree.reset();
    }

    void everyParameterRoundTrips();
    void olderPresetGetsDefaults();
    void hostileFileIsRefused_data();
    void hostileFileIsRefused();
    void namesAreChecked_data();
    void namesAreChecked();
    void listingRenamingAndDeleting();
    void importAndExport();
    void defaultFolderFollowsXdg();

private:
    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<PresetStore> m_store;
};

void PresetStoreTest::everyParameterRoundTrips()
{
    const RenameParameters params = everyParameterChanged();
    QVERIFY(params != RenameParameters{});
    QCOMPARE(m_store->save(QStringLiteral("All of them"), params), QString());
    const auto loaded = m_store->load(QStringLiteral("All of them"));
    QVERIFY2(loaded, qPrintable(loaded.error));
    QCOMPARE(*loaded.value, params);

    // The file is one the settings store reads as it is, and it holds the parameters only.
    const QString file = m_store->fileOf(QStringLiteral("All of them"));
    QCOMPARE(SettingsFileCheck::problemWith(file), QString());
    CAppSettings::useStoreFile(file);
    QCOMPARE(RenameParameters::fromSettings(CAppSettings()), params);
    const QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("Settings")});
    for (const QString &stored : raw.allKeys())
        QVERIFY2(stored != QStringLiteral("Settings/DisplayHiddenFiles") &&
                     stored != QStringLiteral("Settings/ResolveChains"),
                 qPrintable(stored));

    // Saving again replaces the preset and leaves no temporary file behind.
    QCOMPARE(m_store->save(QStringLiteral("All of them"), RenameParameters{}), QString());
    QCOMPARE(*m_store->load(QStringLiteral("All of them")).value, RenameParameters{});
    QCOMPARE(
        QDir(m_store->folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("All of them.conf")});
}

void PresetStoreTest::olderPresetGetsDefaults()
{
    QVERIFY(m_tree->createFile(QStringLiteral("presets/old.conf"),
                               "[Settings]\nCheckUpperCase=1\nFindText=abc\nUnknownLater=5\n"));
    const auto loaded = m_store->load(QStringLiteral("old"));
    QVERIFY2(loaded, qPrintable(loaded.error));
    RenameParameters expected;
    expected.checkUpperCase = true;
    expected.findText = QStringLiteral("abc");
    QCOMPARE(*loaded.value, expected);
    // The defaults are the settings table's.
    m_tree->useTemporarySettings();
    QCOMPARE(RenameParameters::fromSettings(CAppSettings()), RenameParameters{});
}

void PresetStoreTest::hostileFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("garbage") << QByteArray("\x7f"
                                           "ELF\x02\x01\x01\0\0\0",
                                           10)
                             << int(kFile) << u"NUL bytes"_qs;
    QTest::newRow("not UTF-8") << QByteArray("[Settings]\nFindText=\xff\xfe\n") << int(kFile)
                               << u"not UTF-8"_qs;
    QTest::newRow("prose") << QByteArray("my favourite preset\n") << int(kFile)
                           << u"line 1 is not a group"_qs;
    QTest::newRow("huge") << QByteArray("[Settings]\nFindText=" + QByteArray(2 << 20, 'x') + '\n')
                          << int(kFile) << u"larger than 1048576 bytes"_qs;
    QTest::newRow("text for a number") << QByteArray("[Settings]\nNumberAtStart=many\n")
                                       << int(kFile) << u"NumberAtStart is not a whole"_qs;
    QTest::newRow("number beyond 32 bits") << QByteArray("[Settings]\nCheckAscii=4294967296\n")
                                           << int(kFile) << u"CheckAscii is not a whole"_qs;
    QTest::newRow("padding out of range")
        << QByteArray("[Settings]\nPadNumberAtEnd=999\n") << int(kFile) << u"from 0 to 255"_qs;
    QTest::newRow("unknown stored type")
        << QByteArray("[Settings]\nNumberAtStart=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QFoo\\0)\n")
        << int(kFile) << u"NumberAtStart cannot be read"_qs;
    QTest::newRow("other group only") << QByteArray("[Workspace]\nApplicationLook=3\n")
                                      << int(kFile) << u"holds no rename parameter"_qs;
    QTest::newRow("empty") << QByteArray() << int(kFile) << u"holds no rename parameter"_qs;
    QTest::newRow("symbolic link")
        << QByteArray("[Settings]\nCheckUpperCase=1\n") << int(kLink) << u"symbolic link"_qs;
    QTest::newRow("unreadable") << QByteArray("[Settings]\nCheckUpperCase=1\n") << int(kUnreadable)
                                << u"Permission denied"_qs;
    QTest::newRow("FIFO") << QByteArray() << int(kFifo) << u"not a regular file"_qs;
    QTest::newRow("folder") << QByteArray() << int(kFolder) << u"it is a folder"_qs;
}

void PresetStoreTest::hostileFileIsRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(QString, reason);
    if (kind == kUnreadable && ::geteuid() == 0)
        QSKIP("root reads every file");
    QVERIFY(
        m_tree->createFile(QStringLiteral("presets/keep.conf"), "[Settings]\nCheckLowerCase=1\n"));
    const QString file = m_store->fileOf(QStringLiteral("bad"));
    switch (Kind(kind)) {
    case kFile:
    case kUnreadable:
        QVERIFY(m_tree->createFile(QStringLiteral("presets/bad.conf"), content));
        if (kind == kUnreadable)
            QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
        break;
    case kLink:
        QVERIFY(m_tree->createFile(QStringLiteral("elsewhere.conf"), content));
        QVERIFY(m_tree->createLink(QStringLiteral("../elsewhere.conf"),
                                   QStringLiteral("presets/bad.conf")));
        break;
    case kFifo:
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        break;
    case kFolder:
        QVERIFY(m_tree->createFolder(QStringLiteral("presets/bad.conf")));
        break;
    }
    const QStringList before = m_tree->entries();

    const auto loaded = m_store->load(QStringLiteral("bad"));
    QVERIFY(!loaded);
    QVERIFY2(loaded.error.contains(file) && loaded.error.contains(reason),
             qPrintable(loaded.error));
    // Imported from elsewhere, it is refused alike and no preset is made of it.
    const QString imported = m_store->importFile(file, QStringLiteral("copy"), false);
    QVERIFY2(imported.contains(file) && imported.contains(reason), qPrintable(imported));
    QCOMPARE(m_tree->entries(), before);
    QCOMPARE(m_tree->contents(QStringLiteral("presets/keep.conf")),
             QByteArray("[Settings]\nCheckLowerCase=1\n"));
    if (kind == kLink) // a preset is never written through a link either
        QVERIFY(m_store->save(QStringLiteral("bad"), RenameParameters{}).contains(reason));
    QCOMPARE(m_tree->entries(), before);
    if (kind == kUnreadable)
        QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner | QFileDevice::ReadOwner));
}

void PresetStoreTest::namesAreChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem"); // empty: the name is taken
    QTest::newRow("plain") << u"Photos 2024"_qs << QString();
    QTest::newRow("accents") << u"Ünïcode – ok"_qs << QString();
    QTest::newRow("longest") << QString(PresetStore::kMaximumNameBytes, u'a') << QString();
    QTest::newRow("empty") << QString() << u"cannot be empty"_qs;
    QTest::newRow("dot") << u"."_qs << u"starts with \".\""_qs;
    QTest::newRow("dot dot") << u".."_qs << u"starts with \".\""_qs;
    QTest::newRow("hidden") << u".x"_qs << u"starts with \".\""_qs;
    QTest::newRow("slash") << u"a/b"_qs << u"holds \"/\""_qs;
    QTest::newRow("line feed") << u"a\nb"_qs << u"control character"_qs;
    QTest::newRow("too long") << QString(PresetStore::kMaximumNameBytes / 2 + 1, u'é')
                              << u"longer than 200 bytes"_qs;
}

void PresetStoreTest::namesAreChecked()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    const QString saved = m_store->save(name, RenameParameters{});
    if (problem.isEmpty()) {
        QCOMPARE(saved, QString());
        QCOMPARE(m_store->names().value, QStringList{name});
        QVERIFY(m_store->load(name));
    } else {
        QVERIFY2(saved.contains(problem), qPrintable(saved));
        QCOMPARE(m_store->load(name).error, saved);
        QVERIFY(m_tree->entries().isEmpty() || m_tree->entries() == QStringList{u"presets/"_qs});
    }
}

void PresetStoreTest::listingRenamingAndDeleting()
{
    // No folder yet: no presets, and no error.
    QCOMPARE(m_store->names().value, QStringList());
    RenameParameters upper;
    upper.checkUpperCase = true;
    for (const QString &name : {u"b"_qs, u"a"_qs, u"C"_qs})
        QCOMPARE(m_store->save(name, upper), QString());
    QVERIFY(m_tree->createFile(QStringLiteral("presets/notes.txt")));
    QVERIFY(
        m_tree->createFile(QStringLiteral("presets/.hidden.conf"), "[Settings]\nCheckAscii=1\n"));
    QVERIFY(m_tree->createFolder(QStringLiteral("presets/folder.conf")));
    QCOMPARE(m_store->names().value, (QStringList{u"C"_qs, u"a"_qs, u"b"_qs}));

    QVERIFY(m_store->rename(u"a"_qs, u"b"_qs).contains(u"already exists"));
    QVERIFY(m_store->rename(u"x"_qs, u"y"_qs).contains(u"no preset named \"x\""));
    QCOMPARE(m_store->rename(u"a"_qs, u"d"_qs), QString());
    QCOMPARE(*m_store->load(u"d"_qs).value, upper);
    QCOMPARE(m_store->remove(u"b"_qs), QString());
    QVERIFY(m_store->remove(u"b"_qs).contains(u"no preset named \"b\""));
    QCOMPARE(m_store->names().value, (QStringList{u"C"_qs, u"d"_qs}));
}

void PresetStoreTest::importAndExport()
{
    const RenameParameters params = everyParameterChanged();
    QCOMPARE(m_store->save(u"mine"_qs, params), QString());
    const QString exported = m_tree->path(QStringLiteral("Shared Preset.conf"));
    QCOMPARE(m_store->exportTo(u"mine"_qs, exported), QString());
    QCOMPARE(PresetStore::suggestedName(exported), u"Shared Preset"_qs);
    QCOMPARE(m_store->importFile(exported, PresetStore::suggestedName(exported), false), QString());
    QCOMPARE(*m_store->load(u"Shared Preset"_qs).value, params);
    // A name taken is replaced only when asked.
    QVERIFY(m_store->importFile(exported, u"mine"_qs, false).contains(u"already exists"));
    QCOMPARE(m_store->importFile(exported, u"mine"_qs, true), QString());
    // An export never writes through a link.
    QVERIFY(m_tree->createFile(QStringLiteral("target.conf"), "keep"));
    QVERIFY(m_tree->createLink(QStringLiteral("target.conf"), QStringLiteral("link.conf")));
    QVERIFY(m_store->exportTo(u"mine"_qs, m_tree->path(QStringLiteral("link.conf")))
                .contains(u"symbolic link"));
    QCOMPARE(m_tree->contents(QStringLiteral("target.conf")), QByteArray("keep"));
    QVERIFY(m_tree->contents(QStringLiteral("Shared Preset.conf")).startsWith("[Settings]\n"));
}

void PresetStoreTest::defaultFolderFollowsXdg()
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/some/where");
    QCOMPARE(PresetStore::defaultFolder(), u"/some/where/quirewell/presets"_qs);
    qputenv("XDG_CONFIG_HOME", "relative");
    QCOMPARE(PresetStore::defaultFolder(), QDir::homePath() + u"/.config/quirewell/presets"_qs);
    PresetStore::useFolder(u"/chosen"_qs);
    QCOMPARE(PresetStore().folder(), u"/chosen"_qs);
    PresetStore::useFolder(QString());
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

QTEST_GUILESS_MAIN(PresetStoreTest)
#include "tst_PresetStore.moc"

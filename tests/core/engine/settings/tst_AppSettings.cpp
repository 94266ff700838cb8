#include "core/engine/settings/AppSettings.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QSettings>
#include <QTest>

#include <climits>

// The store behind CAppSettings, on a temporary INI file.
class AppSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_tree.reset(); }

    void defaultsOnAnEmptyStore();
    void everyAccessorWritesItsOwnName();
    void emptyTextIsStoredAsPresent();
    void integersKeepTheirBitPattern();
    void wrongKindReadsAsDefault_data();
    void wrongKindReadsAsDefault();
    void corruptFileGivesDefaults();
    void binaryAndWorkspaceValues();
    void instancesShareTheStore();

private:
    QSettings raw() const { return QSettings(m_tree->settingsFile(), QSettings::IniFormat); }
    std::unique_ptr<TestTree> m_tree;
};

void AppSettingsTest::init()
{
    m_tree = std::make_unique<TestTree>();
    m_tree->useTemporarySettings();
}

void AppSettingsTest::defaultsOnAnEmptyStore()
{
    const CAppSettings s;
    QCOMPARE(s.GetDisplayHiddenFiles(), 0);
    QCOMPARE(s.GetDisplayReadOnlyFiles(), 0);
    QCOMPARE(s.GetViewFilesInSubFolders(), 0);
    QCOMPARE(s.intValue(CAppSettings::Key::CheckFindAndReplace), 0);
    QCOMPARE(s.textValue(CAppSettings::Key::FindText), QString());
    QCOMPARE(s.textValue(CAppSettings::Key::ReplaceText), QString());
    QCOMPARE(s.intValue(CAppSettings::Key::CheckNumberAtStart), 0);
    QCOMPARE(s.intValue(CAppSettings::Key::NumberAtStart), 1);
    QCOMPARE(s.intValue(CAppSettings::Key::CheckNumberAtEnd), 0);
    QCOMPARE(s.intValue(CAppSettings::Key::NumberAtEnd), 1);
    QCOMPARE(s.intValue(CAppSettings::Key::CheckNewFileName), 0);
    QCOMPARE(s.textValue(CAppSettings::Key::NewFileName), QString());
    QCOMPARE(s.intValue(CAppSettings::Key::CheckRemoveInitialCharacters), 0);
    QCOMPARE(s.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 1);
    QCOMPARE(s.intValue(CAppSettings::Key::CheckUpperCase), 0);
    QCOMPARE(s.intValue(CAppSettings::Key::CheckLowerCase), 0);
    QCOMPARE(s.GetResolveChains(), 0);
    QCOMPARE(CAppSettings::applicationLook(), 216);
    // Reading writes nothing.
    QVERIFY(raw().allKeys().isEmpty());
}

void AppSettingsTest::everyAccessorWritesItsOwnName()
{
    CAppSettings s;
    // Distinct values, so a setter that writes another value's name shows up.
    s.SetDisplayHiddenFiles(101);
    s.SetDisplayReadOnlyFiles(102);
    s.SetViewFilesInSubFolders(103);
    s.setValue(CAppSettings::Key::CheckFindAndReplace, 104);
    s.setValue(CAppSettings::Key::FindText, u"t105"_qs);
    s.setValue(CAppSettings::Key::ReplaceText, u"t106"_qs);
    s.setValue(CAppSettings::Key::CheckNumberAtStart, 107);
    s.setValue(CAppSettings::Key::NumberAtStart, 108);
    s.setValue(CAppSettings::Key::CheckNumberAtEnd, 109);
    s.setValue(CAppSettings::Key::NumberAtEnd, 110);
    s.setValue(CAppSettings::Key::CheckNewFileName, 111);
    s.setValue(CAppSettings::Key::NewFileName, u"t112"_qs);
    s.setValue(CAppSettings::Key::CheckRemoveInitialCharacters, 113);
    s.setValue(CAppSettings::Key::RemoveInitialCharactersLength, 114);
    s.setValue(CAppSettings::Key::CheckUpperCase, 115);
    s.setValue(CAppSettings::Key::CheckLowerCase, 116);
    s.SetResolveChains(117);

    const QStringList names{
        u"DisplayHiddenFiles"_qs,
        u"DisplayReadOnlyFiles"_qs,
        u"ViewFilesInSubFolders"_qs,
        u"CheckFindAndReplace"_qs,
        u"FindText"_qs,
        u"ReplaceText"_qs,
        u"CheckNumberAtStart"_qs,
        u"NumberAtStart"_qs,
        u"CheckNumberAtEnd"_qs,
        u"NumberAtEnd"_qs,
        u"CheckNewFileName"_qs,
        u"NewFileName"_qs,
        u"CheckRemoveInitialCharacters"_qs,
        u"RemoveInitialCharactersLength"_qs,
        u"CheckUpperCase"_qs,
        u"CheckLowerCase"_qs,
        u"ResolveChains"_qs,
    };
    QSettings store = raw();
    store.beginGroup(u"Settings"_qs);
    QCOMPARE(store.childKeys().size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(CAppSettings::keyName(CAppSettings::Key(i)), names[i]);
        const QString value = store.value(names[i]).toString();
        QVERIFY2(value.endsWith(QString::number(101 + i)), qPrintable(names[i]));
    }
    QCOMPARE(s.intValue(CAppSettings::Key::NumberAtEnd), 110);
    QCOMPARE(s.textValue(CAppSettings::Key::NewFileName), u"t112"_qs);
}

void AppSettingsTest::emptyTextIsStoredAsPresent()
{
    CAppSettings s;
    s.setValue(CAppSettings::Key::FindText, u"x"_qs);
    s.setValue(CAppSettings::Key::FindText, QString());
    s.setValue(CAppSettings::Key::ReplaceText, u""_qs);
    QSettings store = raw();
    QVERIFY(store.contains(u"Settings/FindText"_qs));
    QVERIFY(store.contains(u"Settings/ReplaceText"_qs));
    QCOMPARE(s.textValue(CAppSettings::Key::FindText), QString());
    QVERIFY(CAppSettings::GetProfileString(u"ReplaceText"_qs, u"absent"_qs).isEmpty());
}

void AppSettingsTest::integersKeepTheirBitPattern()
{
    CAppSettings s;
    for (const int value : {-1, -42, INT_MIN, INT_MAX, 0}) {
        s.setValue(CAppSettings::Key::NumberAtStart, value);
        QCOMPARE(s.intValue(CAppSettings::Key::NumberAtStart), value);
    }
}

void AppSettingsTest::wrongKindReadsAsDefault_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("text") << QVariant(u"abc"_qs);
    QTest::newRow("fraction") << QVariant(u"1.5"_qs);
    QTest::newRow("beyond 32 bits") << QVariant(u"4294967296"_qs);
    QTest::newRow("bytes") << QVariant(QByteArray("\x01\x02", 2));
    QTest::newRow("list") << QVariant(QStringList{u"1"_qs, u"2"_qs});
}

void AppSettingsTest::wrongKindReadsAsDefault()
{
    QFETCH(QVariant, stored);
    raw().setValue(u"Settings/NumberAtEnd"_qs, stored);
    QCOMPARE(CAppSettings().intValue(CAppSettings::Key::NumberAtEnd), 1);
    QCOMPARE(CAppSettings::GetProfileInt(u"NumberAtEnd"_qs, 75), 75);
}

void AppSettingsTest::corruptFileGivesDefaults()
{
    QFile file(m_tree->settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x00\xff[Settings\nNumberAtStart=@Variant(\x01garbage\n=\n[[[\n", 48);
    file.close();
    const CAppSettings s;
    QCOMPARE(s.intValue(CAppSettings::Key::NumberAtStart), 1);
    QCOMPARE(s.textValue(CAppSettings::Key::FindText), QString());
}

void AppSettingsTest::binaryAndWorkspaceValues()
{
    QCOMPARE(CAppSettings::GetProfileBinary(u"DlgRenameParametersLocation"_qs), std::nullopt);
    const QByteArray placement(44, '\x7f');
    CAppSettings::WriteProfileBinary(u"DlgRenameParametersLocation"_qs, placement);
    QCOMPARE(CAppSettings::GetProfileBinary(u"DlgRenameParametersLocation"_qs), placement);
    CAppSettings::WriteProfileString(u"DlgRenameParametersLocation"_qs, u"text"_qs);
    QCOMPARE(CAppSettings::GetProfileBinary(u"DlgRenameParametersLocation"_qs), std::nullopt);

    CAppSettings::setApplicationLook(212);
    QCOMPARE(CAppSettings::applicationLook(), 212);
    QVERIFY(!raw().contains(u"Settings/ApplicationLook"_qs));
}

void AppSettingsTest::instancesShareTheStore()
{
    CAppSettings one;
    const CAppSettings two;
    one.SetViewFilesInSubFolders(1);
    QCOMPARE(two.GetViewFilesInSubFolders(), 1);
    one.SetViewFilesInSubFolders(two.GetViewFilesInSubFolders() == 0 ? 1 : 0);
    QCOMPARE(two.GetViewFilesInSubFolders(), 0);
}

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "tst_AppSettings.moc"

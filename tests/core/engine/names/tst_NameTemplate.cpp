// The name template: its parser, the values of its tokens, the rules that make values safe in
// a name, and the template as the first step of the rule over real rows.
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameTemplate.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/names/TemplateStep.h"
#include "core/engine/names/TemplateValues.h"
#include "core/engine/settings/AppSettings.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

class NameTemplateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }
    void parse_data();
    void parse();
    void values_data();
    void values();
    void safeValues_data();
    void safeValues();
    void longNamesAreShortened_data();
    void longNamesAreShortened();
    void templateComesFirstInTheRule();
    void anOldSettingsFileGivesTheSameNames();
};

namespace {

FileMetadata photo()
{
    FileMetadata m;
    m.kindsRead = kPhotoMetadata | kAudioMetadata | kVideoMetadata;
    m.set(MetadataField::PhotoTaken, QStringLiteral("2023-07-14 09:08:07"));
    m.set(MetadataField::PhotoModel, QStringLiteral("X100V"));
    m.set(MetadataField::PhotoMake, QStringLiteral("FUJIFILM"));
    m.set(MetadataField::AudioArtist, QStringLiteral("AC/DC"));
    m.set(MetadataField::AudioTrack, QStringLiteral("7"));
    m.set(MetadataField::AudioTitle, QStringLiteral("..\nhidden\ttitle "));
    m.set(MetadataField::VideoDuration, QStringLiteral("3723499"));
    m.set(MetadataField::VideoCreated, QStringLiteral("2021-05-06T07:08:09Z"));
    return m;
}

} // namespace

void NameTemplateTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position"); // 0: valid
    QTest::addColumn<QString>("message");
    QTest::newRow("plain text") << u"holiday.jpg"_qs << 0 << QString();
    QTest::newRow("every token")
        << u"{name}{title}{ext}{folder}{parent}{counter}{counter:3}{modified}{modified:%Y}"
           "{photo.taken:%F_%T}{photo.digitized}{photo.make:upper}{photo.model:lower}"
           "{photo.lens}{photo.width}{photo.height}{photo.orientation}{audio.artist}"
           "{audio.albumartist}{audio.album}{audio.title}{audio.track:2}{audio.disc:2}"
           "{audio.year}{audio.genre}{video.duration}{video.created:%Y}"_qs
        << 0 << QString();
    QTest::newRow("alternatives and a text")
        << uR"({photo.taken:%Y|modified:%Y} {audio.artist|audio.albumartist|"Unknown"})"_qs << 0
        << QString();
    QTest::newRow("literal braces") << u"{{a}} {{{name}}}"_qs << 0 << QString();
    QTest::newRow("unknown token") << u"ab{photo.date}"_qs << 4 << u"unknown token 'photo.date'"_qs;
    QTest::newRow("unknown in an alternative")
        << u"{name|nmae}"_qs << 7 << u"unknown token 'nmae'"_qs;
    QTest::newRow("never closed") << u"x{name"_qs << 2 << u"never closed"_qs;
    QTest::newRow("never closed after option") << u"{counter:3"_qs << 1 << u"never closed"_qs;
    QTest::newRow("lone closing brace") << u"a}b"_qs << 2 << u"closes nothing"_qs;
    QTest::newRow("empty field") << u"{}"_qs << 2 << u"a token is missing"_qs;
    QTest::newRow("empty alternative") << u"{name|}"_qs << 7 << u"a token is missing"_qs;
    QTest::newRow("bad digits") << u"{counter:x}"_qs << 10 << u"not a number of digits"_qs;
    QTest::newRow("too many digits") << u"{counter:256}"_qs << 10 << u"not a number"_qs;
    QTest::newRow("empty option") << u"{counter:}"_qs << 10 << u"an empty option"_qs;
    QTest::newRow("bad date conversion")
        << u"{modified:%Y-%q}"_qs << 14 << u"unknown date conversion '%q'"_qs;
    QTest::newRow("lone percent") << u"{modified:%Y%}"_qs << 13 << u"'%'"_qs;
    QTest::newRow("bad case option") << u"{name:title}"_qs << 7 << u"upper or lower"_qs;
    QTest::newRow("text before the end") << u"{\"x\"|name}"_qs << 5 << u"must be the last"_qs;
    QTest::newRow("unclosed quote") << u"{audio.artist|\"x}"_qs << 15 << u"quoted text"_qs;
}

void NameTemplateTest::parse()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, message);
    TemplateError error;
    const std::optional<NameTemplate> parsed = NameTemplate::parse(text, &error);
    QCOMPARE(parsed.has_value(), position == 0);
    if (position == 0)
        return;
    QCOMPARE(error.position, position);
    QVERIFY2(error.message.contains(message), qPrintable(error.message));
    QVERIFY(error.text().startsWith(u"invalid template at position %1: "_qs.arg(position)));
}

void NameTemplateTest::values_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withMetadata");
    QTest::addColumn<QString>("expected"); // empty: no name
    QTest::addColumn<QString>("reason");
    QTest::newRow("file tokens") << u"{folder}-{parent}-{title}{ext}-{name}"_qs << false
                                 << u"Trip-photos-IMG_1.JPG-IMG_1.JPG"_qs << QString();
    QTest::newRow("case and counter")
        << u"{title:lower}_{counter:4}{ext:lower}"_qs << false << u"img_1_0042.jpg"_qs << QString();
    QTest::newRow("modified, local time")
        << u"{modified:%Y%m%d %H%M%S %j %a %b %y %I%p}"_qs << false
        << u"20240229 134506 060 Thu Feb 24 01PM"_qs << QString();
    QTest::newRow("default date format")
        << u"{modified}"_qs << false << u"2024-02-29"_qs << QString();
    QTest::newRow("photo date as recorded")
        << u"{photo.taken:%Y-%m-%d_%H%M%S} {photo.model}{ext}"_qs << true
        << u"2023-07-14_090807 X100V.JPG"_qs << QString();
    QTest::newRow("padded track, safe artist") << u"{audio.track:3} {audio.artist} {audio.title}"_qs
                                               << true << u"007 AC_DC hidden title"_qs << QString();
    QTest::newRow("video") << u"{video.created:%Y-%m-%d %H%M} {video.duration}"_qs << true
                           << u"2021-05-06 0708 1h02m03s"_qs << QString();
    QTest::newRow("missing value")
        << u"{photo.lens}{ext}"_qs << true << QString() << u"no photo.lens"_qs;
    QTest::newRow("nothing read is missing too")
        << u"{photo.taken}"_qs << false << QString() << u"no photo.taken"_qs;
    QTest::newRow("alternative token")
        << u"{photo.digitized:%Y|modified:%Y}"_qs << true << u"2024"_qs << QString();
    QTest::newRow("alternative text")
        << uR"({audio.album|"Unknown"} {{x}})"_qs << true << u"Unknown {x}"_qs << QString();
    QTest::newRow("missing names the first alternative")
        << u"{audio.album|audio.genre}"_qs << true << QString() << u"no audio.album"_qs;
}

void NameTemplateTest::values()
{
    QFETCH(QString, text);
    QFETCH(bool, withMetadata);
    QFETCH(QString, expected);
    QFETCH(QString, reason);
    const std::optional<NameTemplate> parsed = NameTemplate::parse(text, nullptr);
    QVERIFY(parsed);
    const FileMetadata metadata = photo();
    TemplateRow row;
    row.loadedName = u"IMG_1.JPG"_qs;
    row.location = u"/home/u/photos/Trip/";
    row.modified =
        QDateTime(QDate(2024, 2, 29), QTime(13, 45, 6), QTimeZone::utc()).toSecsSinceEpoch();
    row.modifiedKnown = true;
    row.counter = 42;
    row.metadata = withMetadata ? &metadata : nullptr;
    QString why;
    const std::optional<QString> name = evaluateTemplate(*parsed, row, &why);
    QCOMPARE(name.value_or(QString()), expected);
    QCOMPARE(why, reason);
}

void NameTemplateTest::safeValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"Nikon D750"_qs << u"Nikon D750"_qs;
    QTest::newRow("slash") << u"AC/DC/.."_qs << u"AC_DC_.."_qs;
    QTest::newRow("only slashes") << u"//"_qs << u"__"_qs;
    QTest::newRow("NUL and controls") << QString::fromUtf16(u"a\0b\x01"
                                                            "c\x7f"
                                                            "d\x85"
                                                            "e",
                                                            9)
                                      << u"a b c d e"_qs;
    QTest::newRow("leading dots") << u"...hidden"_qs << u"hidden"_qs;
    QTest::newRow("dot dot") << u".."_qs << QString();
    QTest::newRow("dots after spaces") << u"  . x"_qs << u"x"_qs;
    QTest::newRow("surrounding spaces") << u"\t Canon \n"_qs << u"Canon"_qs;
    QTest::newRow("nothing but controls") << u"\n\r\t"_qs << QString();
    QTest::newRow("lone surrogate") << QString(QChar(0xDC80)) + u"x"_qs << u"\uFFFDx"_qs;
    QTest::newRow("emoji kept") << u"\U0001F600 x"_qs << u"\U0001F600 x"_qs;
    // The edges of plain ASCII, taken as it stands.
    QTest::newRow("every printable")
        << u"!\"#$%&'()*+,-.0:;<=>?@[\\]^_`{|}~ a"_qs << u"!\"#$%&'()*+,-.0:;<=>?@[\\]^_`{|}~ a"_qs;
    QTest::newRow("space last") << u"x "_qs << u"x"_qs;
    QTest::newRow("space first") << u" x"_qs << u"x"_qs;
    QTest::newRow("DEL last") << u"x\x7f"_qs << u"x"_qs;
    QTest::newRow("tab inside") << u"a\tb"_qs << u"a b"_qs;
}

void NameTemplateTest::safeValues()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(safeNameValue(value), expected);
}

void NameTemplateTest::longNamesAreShortened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short") << u"a.jpg"_qs << u"a.jpg"_qs;
    QTest::newRow("255 bytes") << QString(251, u'a') + u".jpg"_qs
                               << QString(251, u'a') + u".jpg"_qs;
    QTest::newRow("title cut") << QString(300, u'a') + u".jpg"_qs
                               << QString(251, u'a') + u".jpg"_qs;
    // Three bytes each: 83 of them fill 249 bytes, an 84th would pass 251.
    QTest::newRow("never inside a character")
        << QString(100, QChar(0x20AC)) + u".jpg"_qs << QString(83, QChar(0x20AC)) + u".jpg"_qs;
    QTest::newRow("never inside a pair") << QString(u"\U0001F600"_qs).repeated(70) + u".x"_qs
                                         << QString(u"\U0001F600"_qs).repeated(63) + u".x"_qs;
    QTest::newRow("extension too long")
        << u"a."_qs + QString(300, u'b') << u"a."_qs + QString(253, u'b');
}

void NameTemplateTest::longNamesAreShortened()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString fitted = fitNameLength(name);
    QCOMPARE(fitted, expected);
    QVERIFY(fitted.toUtf8().size() <= 255);
}

// Over real files: the template gives the starting name, the other steps then apply; a row
// without a value keeps its name and is marked; an invalid template names nothing.
void NameTemplateTest::templateComesFirstInTheRule()
{
    TestTree tree;
    QVERIFY(tree.isValid());
    const QDateTime when(QDate(2020, 1, 2), QTime(3, 4, 5), QTimeZone::utc());
    QVERIFY(tree.createFile(u"b.txt"_qs, "x", when));
    QVERIFY(tree.createFile(u"a.txt"_qs, "x", when));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    for (FileRow &row : rows.rows)
        row.mtime = when.toSecsSinceEpoch();
    RenameParameters p;
    p.checkNameTemplate = true;
    p.nameTemplate = u"{modified:%Y} {title} {counter:2}{ext}"_qs;
    p.checkUpperCase = true;
    p.checkNumberAtStart = true;
    ComputeNewFileNames(rows, p);
    QCOMPARE(newNames(rows), (QStringList{u"12020 A 01.TXT"_qs, u"22020 B 02.TXT"_qs}));
    QCOMPARE(rows.problems.count(RowProblem::None), size_t(2));

    p.nameTemplate = u"{audio.artist} {name}"_qs;
    ComputeNewFileNames(rows, p);
    QCOMPARE(newNames(rows), (QStringList{u"a.txt"_qs, u"b.txt"_qs}));
    QCOMPARE(rows.problems.count(RowProblem::MissingValue), size_t(2));
    QCOMPARE(rows.problems.detail(0), u"no audio.artist"_qs);

    // A row that vanished since the listing says why its value is missing.
    QVERIFY(tree.remove(u"b.txt"_qs));
    ComputeNewFileNames(rows, p);
    QVERIFY2(rows.problems.detail(1).startsWith(u"no audio.artist (cannot read the file: "_qs),
             qPrintable(rows.problems.detail(1)));

    p.nameTemplate = u"{name"_qs;
    QVERIFY(templateError(p));
    ComputeNewFileNames(rows, p);
    QCOMPARE(newNames(rows), (QStringList{u"a.txt"_qs, u"b.txt"_qs}));
    QCOMPARE(rows.problems.count(RowProblem::RuleFailed), size_t(2));
    p.checkNameTemplate = false;
    QVERIFY(!templateError(p));
}

// A settings file written before the template existed: the template is off and empty, and
// the names are those the other parameters give.
void NameTemplateTest::anOldSettingsFileGivesTheSameNames()
{
    TestTree tree;
    tree.useTemporarySettings();
    {
        QFile file(tree.settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nCheckNumberAtStart=1\nNumberAtStart=7\nCheckUpperCase=1\n");
    }
    const RenameParameters p = RenameParameters::fromSettings(CAppSettings());
    QVERIFY(!p.checkNameTemplate);
    QVERIFY(p.nameTemplate.isEmpty());
    QVERIFY(!templateError(p));
    QVERIFY(tree.createFile(u"a.txt"_qs));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    ComputeNewFileNames(rows, p);
    QCOMPARE(newNames(rows), QStringList{u"7A.TXT"_qs});
}

QTEST_GUILESS_MAIN(NameTemplateTest)
#include "tst_NameTemplate.moc"

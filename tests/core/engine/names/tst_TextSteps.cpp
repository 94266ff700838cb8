#include "core/engine/names/NamePart.h"
#include "core/engine/names/NewNameRule.h"

#include <QTest>

#include <thread>
#include <vector>

Q_DECLARE_METATYPE(RenameParameters)

// The text steps and the part of the name the rule applies to, through the whole rule: one
// table for the steps, one for their parts and order.
class TextStepsTest : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void parts_data();
    void parts();
    void asciiFromSeveralThreadsAtOnce();
};

namespace {

using Key = CAppSettings::Key;

// Parameters with each of keys switched on.
RenameParameters with(std::initializer_list<Key> keys)
{
    RenameParameters p;
    for (const Key key : keys)
        p.setValue(key, 1);
    return p;
}

RenameParameters findReplace(const QString &find, const QString &replace, NamePart part)
{
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = find;
    p.replaceText = replace;
    p.applyTo = int(part);
    return p;
}

RenameParameters inPart(RenameParameters p, NamePart part)
{
    p.applyTo = int(part);
    return p;
}

QString once(const RenameParameters &p, const QString &name)
{
    RenameCounters counters = RenameCounters::from(p);
    return computeNewName(p, name, true, counters);
}

void addColumns()
{
    QTest::addColumn<RenameParameters>("params");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("expected");
}

// The current data row: the rule gives the expected name.
void compareRow()
{
    QFETCH(RenameParameters, params);
    QFETCH(QString, loaded);
    QFETCH(QString, expected);
    QCOMPARE(once(params, loaded), expected);
}

const QString kEmoji = u"\U0001F600"_qs;

} // namespace

void TextStepsTest::steps_data()
{
    addColumns();
    const RenameParameters title = with({Key::CheckTitleCase});
    QTest::newRow("title: separators")
        << title << u"my_holiday-photos 2024.JPG"_qs << u"My_Holiday-Photos 2024.JPG"_qs;
    QTest::newRow("title: rest lower") << title << u"HELLO wORLD.txt"_qs << u"Hello World.txt"_qs;
    QTest::newRow("title: apostrophes")
        << title << u"don't 'tis it\u2019s.txt"_qs << u"Don't 'Tis It\u2019s.txt"_qs;
    QTest::newRow("title: digit starts a word")
        << title << u"1ST pLACE.txt"_qs << u"1st Place.txt"_qs;
    QTest::newRow("title: dot inside the title")
        << title << u"archive.tar.gz"_qs << u"Archive.Tar.gz"_qs;
    QTest::newRow("title: no extension") << title << u"README"_qs << u"Readme"_qs;
    QTest::newRow("title: .profile") << title << u".profile"_qs << u".profile"_qs;
    QTest::newRow("title: empty title") << title << u".PROFILE"_qs << u".PROFILE"_qs;
    QTest::newRow("title: title case is not upper case")
        << title << u"\u01c6emal.txt"_qs << u"\u01c5emal.txt"_qs;
    QTest::newRow("title: accents")
        << title << u"\u00e9LAN vital.txt"_qs << u"\u00c9lan Vital.txt"_qs;
    QTest::newRow("title: a pair beyond 16 bits")
        << title << u"\U00010428\U00010428 x.txt"_qs << u"\U00010400\U00010428 X.txt"_qs;
    QTest::newRow("title: emoji separates")
        << title << kEmoji + u"party.txt"_qs << kEmoji + u"Party.txt"_qs;
    QTest::newRow("title: escaped bytes kept, inside words")
        << title << u"caf\xdce9 AU\xdcffLAIT.TXT"_qs << u"Caf\xdce9 Au\xdcfflait.TXT"_qs;
    QTest::newRow("title: escaped byte first") << title << u"\xdce9TE.txt"_qs << u"\xdce9te.txt"_qs;

    const RenameParameters sentence = with({Key::CheckSentenceCase});
    QTest::newRow("sentence") << sentence << u"HELLO WORLD.TXT"_qs << u"Hello world.TXT"_qs;
    QTest::newRow("sentence: bracket first")
        << sentence << u"(draft) REPORT.txt"_qs << u"(Draft) report.txt"_qs;
    QTest::newRow("sentence: digit first")
        << sentence << u"2024 REPORT.txt"_qs << u"2024 report.txt"_qs;
    QTest::newRow("sentence: .profile") << sentence << u".Profile"_qs << u".Profile"_qs;

    const RenameParameters trim = with({Key::CheckTrimSpaces});
    QTest::newRow("trim: title ends and runs") << trim << u"  a   b  .txt"_qs << u"a b.txt"_qs;
    QTest::newRow("trim: end of the name") << trim << u"a.t  x  "_qs << u"a.t x"_qs;
    QTest::newRow("trim: no extension") << trim << u" a  b "_qs << u"a b"_qs;
    QTest::newRow("trim: spaces-only title kept") << trim << u"   .txt"_qs << u"   .txt"_qs;
    QTest::newRow("trim: spaces-only name kept") << trim << u"   "_qs << u"   "_qs;
    QTest::newRow("trim: .profile") << trim << u".profile "_qs << u".profile"_qs;
    QTest::newRow("trim: other spaces kept")
        << trim << u"a\u00a0 \tb.txt"_qs << u"a\u00a0 \tb.txt"_qs;
    QTest::newRow("trim: around escaped bytes")
        << trim << u"a  \xdcff  b.txt"_qs << u"a \xdcff b.txt"_qs;

    const RenameParameters ascii = with({Key::CheckAscii});
    QTest::newRow("ascii: Danish")
        << ascii << u"\u00c6r\u00f8sk\u00f8bing.txt"_qs << u"AEroskobing.txt"_qs;
    QTest::newRow("ascii: Cyrillic")
        << ascii << u"\u041c\u043e\u0441\u043a\u0432\u0430.JPG"_qs << u"Moskva.JPG"_qs;
    QTest::newRow("ascii: emoji kept")
        << ascii << kEmoji + u" Stra\u00dfe.txt"_qs << kEmoji + u" Strasse.txt"_qs;
    QTest::newRow("ascii: escaped bytes kept")
        << ascii << u"caf\xdce9 cr\u00e8me\xdcff.txt"_qs << u"caf\xdce9 creme\xdcff.txt"_qs;
    QTest::newRow("ascii: never a slash") << ascii << u"\u00bd.txt"_qs << u" 1-2.txt"_qs;
    QTest::newRow("ascii: then trimmed")
        << with({Key::CheckAscii, Key::CheckTrimSpaces}) << u"\u00bd.txt"_qs << u"1-2.txt"_qs;
    QTest::newRow("ascii: ASCII unchanged") << ascii << u"a-b_c (1).txt"_qs << u"a-b_c (1).txt"_qs;

    const RenameParameters lowerExtension = with({Key::CheckLowerExtension});
    QTest::newRow("lower extension") << lowerExtension << u"Photo.JPG"_qs << u"Photo.jpg"_qs;
    QTest::newRow("lower extension: last dot")
        << lowerExtension << u"A.TAR.GZ"_qs << u"A.TAR.gz"_qs;
    QTest::newRow("lower extension: none") << lowerExtension << u"README"_qs << u"README"_qs;
    QTest::newRow("lower extension: escaped byte")
        << lowerExtension << u"A.B\xdcff\x43"_qs << u"A.b\xdcff\x63"_qs;
}

void TextStepsTest::steps()
{
    compareRow();
}

void TextStepsTest::parts_data()
{
    addColumns();
    QTest::newRow("find in the name")
        << findReplace(u"jpg"_qs, u"x"_qs, NamePart::Name) << u"jpg.jpg"_qs << u"x.x"_qs;
    QTest::newRow("find in the title")
        << findReplace(u"jpg"_qs, u"x"_qs, NamePart::Title) << u"jpg.jpg"_qs << u"x.jpg"_qs;
    QTest::newRow("find in the extension")
        << findReplace(u"jpg"_qs, u"x"_qs, NamePart::Extension) << u"jpg.jpg"_qs << u"jpg.x"_qs;
    QTest::newRow("find a dot in the title")
        << findReplace(u"."_qs, u"_"_qs, NamePart::Title) << u"a.b.c"_qs << u"a_b.c"_qs;
    QTest::newRow("find the dot of the extension")
        << findReplace(u"."_qs, u"_"_qs, NamePart::Extension) << u"a.b.c"_qs << u"a.b_c"_qs;
    QTest::newRow("find in the extension of .profile")
        << findReplace(u"pro"_qs, QString(), NamePart::Extension) << u".profile"_qs << u".file"_qs;
    QTest::newRow("find in the title of .profile")
        << findReplace(u"pro"_qs, QString(), NamePart::Title) << u".profile"_qs << u".profile"_qs;
    QTest::newRow("find in the extension of a name without one")
        << findReplace(u"a"_qs, u"b"_qs, NamePart::Extension) << u"data"_qs << u"data"_qs;
    QTest::newRow("unknown part is the name")
        << findReplace(u"a"_qs, u"b"_qs, NamePart(7)) << u"a.a"_qs << u"b.b"_qs;
    QTest::newRow("find in the title keeps escaped bytes")
        << findReplace(u"a"_qs, u"b"_qs, NamePart::Title) << u"a\xdcff.a\xdcfe"_qs
        << u"b\xdcff.a\xdcfe"_qs;
    RenameParameters startNumber = findReplace(u"a"_qs, u"b"_qs, NamePart::Title);
    startNumber.checkNumberAtStart = true;
    QTest::newRow("start number after find in the title") << startNumber << u"a.a"_qs << u"1b.a"_qs;
    RenameParameters endNumber = findReplace(u"1"_qs, u"x"_qs, NamePart::Extension);
    endNumber.checkNumberAtEnd = true;
    QTest::newRow("end number is in the title") << endNumber << u"f.t1"_qs << u"f1.tx"_qs;

    QTest::newRow("upper in the title") << inPart(with({Key::CheckUpperCase}), NamePart::Title)
                                        << u"photo.jpg"_qs << u"PHOTO.jpg"_qs;
    QTest::newRow("lower in the extension")
        << inPart(with({Key::CheckLowerCase}), NamePart::Extension) << u"Photo.JPG"_qs
        << u"Photo.jpg"_qs;
    QTest::newRow("upper in the extension, emoji")
        << inPart(with({Key::CheckUpperCase}), NamePart::Extension) << kEmoji + u"a.b"_qs + kEmoji
        << kEmoji + u"a.B"_qs + kEmoji;
    QTest::newRow("title case never changes the extension")
        << with({Key::CheckTitleCase}) << u"a.JPEG"_qs << u"A.JPEG"_qs;
    QTest::newRow("title case in the extension")
        << inPart(with({Key::CheckTitleCase}), NamePart::Extension) << u"a.JPEG"_qs << u"a.Jpeg"_qs;
    QTest::newRow("sentence case in the title")
        << inPart(with({Key::CheckSentenceCase}), NamePart::Title) << u"A B.C D"_qs
        << u"A b.C D"_qs;

    // The steps' order: case, spaces, ASCII, the extension's case.
    QTest::newRow("title then lower extension")
        << with({Key::CheckTitleCase, Key::CheckLowerExtension}) << u"hello there.JPG"_qs
        << u"Hello There.jpg"_qs;
    QTest::newRow("trim before title case")
        << with({Key::CheckTitleCase, Key::CheckTrimSpaces}) << u"  a  b .TXT"_qs << u"A B.TXT"_qs;
    QTest::newRow("upper, then lower extension")
        << with({Key::CheckUpperCase, Key::CheckLowerExtension}) << u"a.b"_qs << u"A.b"_qs;
    QTest::newRow("ascii after sentence case") << with({Key::CheckSentenceCase, Key::CheckAscii})
                                               << u"\u00e6BLE.txt"_qs << u"AEble.txt"_qs;
    QTest::newRow("every step") << with({Key::CheckTitleCase, Key::CheckTrimSpaces, Key::CheckAscii,
                                         Key::CheckLowerExtension})
                                << u" \u00e9t\u00e9  \u00e0 PARIS .JPG"_qs << u"Ete A Paris.jpg"_qs;
}

void TextStepsTest::parts()
{
    compareRow();
}

void TextStepsTest::asciiFromSeveralThreadsAtOnce()
{
    // Each thread spells with its own copy of the transforms.
    const RenameParameters p = with({Key::CheckAscii});
    const QString loaded = u"\u041c\u043e\u0441\u043a\u0432\u0430 \u00c6r\u00f8.txt"_qs;
    constexpr int kThreads = 8;
    std::vector<QString> wrong(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                const QString name = once(p, loaded);
                if (name != u"Moskva AEro.txt"_qs) {
                    wrong[size_t(t)] = name;
                    return;
                }
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    for (const QString &name : wrong)
        QCOMPARE(name, QString());
}

QTEST_APPLESS_MAIN(TextStepsTest)
#include "tst_TextSteps.moc"

#include "core/engine/names/FileNames.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

// Names decode losslessly: every byte that is not part of valid UTF-8 is U+DC80 + byte.
class FileNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void randomBytesSurviveTheRoundTrip();
    void surrogatesThatStandForNoByte();
    void shownAndOpened();
    void trailingSlashes();
};

void FileNamesTest::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("ASCII") << QByteArray("a b.txt") << u"a b.txt"_qs;
    QTest::newRow("two bytes") << QByteArray("\xc3\xa9t\xc3\xa9") << u"\u00e9t\u00e9"_qs;
    QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80"
                                              "ab")
                                << u"\U0001F600ab"_qs;
    QTest::newRow("latin-1 byte") << QByteArray("caf\xe9.txt") << u"caf\xdce9.txt"_qs;
    QTest::newRow("two bad bytes") << QByteArray("bad\xff\xfe") << u"bad\xdcff\xdcfe"_qs;
    QTest::newRow("lone continuation") << QByteArray("\x80") << u"\xdc80"_qs;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << u"\xdcc0\xdcaf"_qs;
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf") << u"\xdce0\xdc80\xdcaf"_qs;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << u"\xdced\xdca0\xdc80"_qs;
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << u"\xdcf4\xdc90\xdc80\xdc80"_qs;
    QTest::newRow("cut short before a letter") << QByteArray("\xf0\x9f\x98"
                                                             "a")
                                               << u"\xdcf0\xdc9f\xdc98"
                                                  "a"_qs;
    QTest::newRow("cut short at the end") << QByteArray("a\xe2\x82") << u"a\xdce2\xdc82"_qs;
    QTest::newRow("U+FFFD written out") << QByteArray("\xef\xbf\xbd") << u"\ufffd"_qs;
    QTest::newRow("last code point")
        << QByteArray("\xf4\x8f\xbf\xbf") << QString::fromUcs4(U"\U0010FFFF", 1);
}

void FileNamesTest::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QCOMPARE(decodeFileName(bytes), name);
    QByteArray back;
    QVERIFY(encodeFileName(name, back));
    QCOMPARE(back, bytes);
}

// Any bytes, most of them near the UTF-8 boundaries, come back unchanged, and two different
// byte strings never decode alike.
void FileNamesTest::randomBytesSurviveTheRoundTrip()
{
    QRandomGenerator rng(20261208);
    const char interesting[] = {'\x00', '\x41', '\x7f', '\x80', '\xbf', '\xc0', '\xc2', '\xdf',
                                '\xe0', '\xed', '\xef', '\xf0', '\xf4', '\xf5', '\xff', '\xa0'};
    QHash<QString, QByteArray> seen;
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes;
        const int length = int(rng.bounded(12));
        for (int k = 0; k < length; ++k)
            bytes += rng.bounded(3) == 0 ? char(rng.bounded(256))
                                         : interesting[rng.bounded(int(sizeof interesting))];
        const QString name = decodeFileName(bytes);
        QByteArray back;
        QVERIFY(encodeFileName(name, back));
        QCOMPARE(back, bytes);
        const auto known = seen.constFind(name);
        if (known != seen.constEnd())
            QCOMPARE(*known, bytes);
        seen.insert(name, bytes);
    }
}

void FileNamesTest::surrogatesThatStandForNoByte()
{
    QByteArray bytes;
    QVERIFY(!encodeFileName(u"a\xd83d"_qs, bytes)); // half a pair
    QVERIFY(!encodeFileName(u"\xde00z"_qs, bytes));
    QVERIFY(!encodeFileName(u"\xdc41"_qs, bytes)); // would be an ASCII byte
    QCOMPARE(encodeFileName(u"a\xd83d"_qs), QByteArray("a\xef\xbf\xbd"));
}

void FileNamesTest::shownAndOpened()
{
    QCOMPARE(displayedFileName(u"bad\xdcff\xdcfe.txt"_qs), u"bad\ufffd\ufffd.txt"_qs);
    const QString emoji = u"\U0001F600.txt"_qs;
    QCOMPARE(displayedFileName(emoji), emoji);

    const QUrl url = localFileUrl(QByteArray("/tmp/caf\xe9 #1%.txt"));
    QCOMPARE(url.toEncoded(), QByteArray("file:///tmp/caf%E9%20%231%25.txt"));
    QCOMPARE(url.scheme(), u"file"_qs);
    QCOMPARE(localFileUrl("/tmp/\xc3\xa9").toLocalFile(), u"/tmp/\u00e9"_qs);
}

void FileNamesTest::trailingSlashes()
{
    QCOMPARE(withoutTrailingSlashes(u"/a/b//"_qs), u"/a/b"_qs);
    QCOMPARE(withoutTrailingSlashes(u"/"_qs), u"/"_qs);
    QCOMPARE(withoutTrailingSlashes(u"//"_qs), u"/"_qs);
    QCOMPARE(withoutTrailingSlashes(u"a"_qs), u"a"_qs);
}

QTEST_GUILESS_MAIN(FileNamesTest)
#include "tst_FileNames.moc"

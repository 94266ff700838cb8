#include "core/listing/ListingTexts.h"

#include <QDateTime>
#include <QTest>

#include <ctime>
#include <limits>

class TestListingTexts : public QObject
{
    Q_OBJECT
private slots:
    void byteSize_data();
    void byteSize();
    void lastWriteTime_data();
    void lastWriteTime();
    void timeOutOfRange();
    void summaries();
    void captionsAndMessages();

private:
    void useZone(const char *zone);
};

void TestListingTexts::byteSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    const qint64 KB = 1024, MB = KB * KB, GB = MB * KB, TB = GB * KB, PB = TB * KB, EB = PB * KB;
    const struct
    {
        qint64 bytes;
        const char *text;
    } table[] = {
        {0, "0 bytes"},       {1, "1 bytes"},
        {1000, "1000 bytes"}, {1023, "1023 bytes"},
        {1024, "1.00 KB"},    {1536, "1.50 KB"},
        {2047, "1.99 KB"},    {10239, "9.99 KB"},
        {10240, "10.0 KB"},   {102399, "99.9 KB"},
        {102400, "100 KB"},   {1023999, "999 KB"},
        {1024000, "0.97 MB"}, {1048575, "0.99 MB"},
        {MB, "1.00 MB"},      {2560000, "2.44 MB"},
        {GB - 1, "0.99 GB"},  {5 * GB + GB / 2, "5.50 GB"},
        {123 * TB, "123 TB"}, {PB, "1.00 PB"},
        {EB, "1.00 EB"},      {std::numeric_limits<qint64>::max(), "7.99 EB"},
    };
    for (const auto &row : table)
        QTest::newRow(row.text) << row.bytes << QString::fromLatin1(row.text);
}

void TestListingTexts::byteSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(ListingTexts::byteSize(bytes), text);
}

void TestListingTexts::useZone(const char *zone)
{
    if (zone)
        qputenv("TZ", zone);
    tzset();
}

void TestListingTexts::lastWriteTime_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("text");
    QTest::newRow("afternoon") << QByteArray("UTC")
                               << QDateTime(QDate(2021, 3, 4), QTime(14, 5, 9), Qt::UTC)
                               << QStringLiteral("14:05:09       Thursday, March 04, 2021");
    QTest::newRow("epoch") << QByteArray("UTC")
                           << QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC)
                           << QStringLiteral("00:00:00       Thursday, January 01, 1970");
    // Local time: two hours east of UTC moves the clock and the date.
    QTest::newRow("east") << QByteArray("XYZ-2")
                          << QDateTime(QDate(2019, 12, 31), QTime(23, 30, 0), Qt::UTC)
                          << QStringLiteral("01:30:00       Wednesday, January 01, 2020");
    QTest::newRow("before epoch") << QByteArray("UTC")
                                  << QDateTime(QDate(1960, 9, 18), QTime(6, 7, 8), Qt::UTC)
                                  << QStringLiteral("06:07:08       Sunday, September 18, 1960");
}

void TestListingTexts::lastWriteTime()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, utc);
    QFETCH(QString, text);
    const QByteArray saved = qgetenv("TZ");
    useZone(zone.constData());
    const QString shown = ListingTexts::lastWriteTime(utc.toSecsSinceEpoch());
    if (saved.isNull())
        qunsetenv("TZ");
    useZone(saved.isNull() ? nullptr : saved.constData());
    QCOMPARE(shown, text);
}

void TestListingTexts::timeOutOfRange()
{
    // A time that the local-time conversion rejects leaves the column empty.
    QCOMPARE(ListingTexts::lastWriteTime(std::numeric_limits<qint64>::max()), QString());
}

void TestListingTexts::summaries()
{
    const QString folder = QStringLiteral("/home/me/%1 pics");
    QCOMPARE(ListingTexts::fileStatistics(10, folder, false, false),
             QStringLiteral("10 File(s) Listed from Folder [/home/me/%1 pics]"));
    QCOMPARE(
        ListingTexts::fileStatistics(10, folder, true, false),
        QStringLiteral("10 File(s) Listed from Folder [/home/me/%1 pics] Hidden File(s) Ignored"));
    QCOMPARE(
        ListingTexts::fileStatistics(0, folder, true, true),
        QStringLiteral("0 File(s) Listed from Folder [/home/me/%1 pics] Hidden File(s) Ignored "
                       "Read Only File(s) Ignored"));
    QCOMPARE(ListingTexts::fileStatistics(1, folder, false, true),
             QStringLiteral(
                 "1 File(s) Listed from Folder [/home/me/%1 pics] Read Only File(s) Ignored"));

    QCOMPARE(ListingTexts::folderInformation(1),
             QStringLiteral("File(s) from Sub Folder(s) Not Listed"));
    QCOMPARE(ListingTexts::folderInformation(0),
             QStringLiteral("File(s) from Sub Folder(s) Not Listed"));
    QCOMPARE(ListingTexts::folderInformation(3), QStringLiteral("2 Folder(s) Searched"));
    QCOMPARE(ListingTexts::fileStatisticsLabel(), QStringLiteral("File(s) Statistics"));
    QCOMPARE(ListingTexts::folderInformationLabel(), QStringLiteral("Folder(s) Information"));
}

void TestListingTexts::captionsAndMessages()
{
    QCOMPARE(ListingTexts::folderCaption(QStringLiteral("/data")),
             QStringLiteral("List of Files Found in Folder /data"));
    QCOMPARE(ListingTexts::folderCaption(QString()),
             QStringLiteral("Edit Folder Location to List && Rename Files."));
    QCOMPARE(
        ListingTexts::couldNotList(QStringLiteral("/x")),
        QStringLiteral(
            "Could Not List Files from [/x].\n\nFile(s) from Any Sub Folder(s) Are Not Loaded."));
    QCOMPARE(ListingTexts::noFilesFound(QStringLiteral("/x")),
             QStringLiteral("No Files Found in the Folder [/x].\n\nFile(s) from Any Sub Folder(s) "
                            "Are Not Loaded."));
}

QTEST_GUILESS_MAIN(TestListingTexts)
#include "tst_ListingTexts.moc"

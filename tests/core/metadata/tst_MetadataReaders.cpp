// The metadata readers over real files made here with the formats' own tools (ffmpeg, exiv2,
// id3v2) or byte by byte: what each library gives, what a damaged or special file gives, and
// the cache that keeps a file from being read twice.
#include "core/metadata/MetadataCache.h"
#include "core/metadata/PhotoMetadata.h"
#include "tests/support/SampleMedia.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class MetadataReadersTest : public QObject
{
    Q_OBJECT

    TestTree m_tree;

    QByteArray path(const char *name)
    {
        return QFile::encodeName(m_tree.path(QString::fromUtf8(name)));
    }
    FileMetadata read(const char *name, MetadataKinds kinds)
    {
        return MetadataCache::shared().read(path(name), kinds);
    }
    bool ffmpeg(const QStringList &arguments)
    {
        QByteArray output;
        const bool ok = runTool(
            u"ffmpeg"_qs, QStringList{u"-loglevel"_qs, u"error"_qs, u"-y"_qs} + arguments, &output);
        if (!ok)
            qWarning("ffmpeg: %s", output.constData());
        return ok;
    }

private slots:
    void initTestCase() { QVERIFY(m_tree.isValid()); }

    void photoByExiv2()
    {
        const QString jpeg = m_tree.path(u"photo.jpg"_qs);
        QVERIFY(ffmpeg({u"-f"_qs, u"lavfi"_qs, u"-i"_qs, u"color=c=red:s=40x30"_qs, u"-frames:v"_qs,
                        u"1"_qs, jpeg}));
        QVERIFY(runTool(u"exiv2"_qs,
                        {u"-M"_qs, u"set Exif.Photo.DateTimeOriginal 2023:07:14 09:08:07"_qs,
                         u"-M"_qs, u"set Exif.Photo.DateTimeDigitized 2023:07:15 10:00:00"_qs,
                         u"-M"_qs, u"set Exif.Image.Make  FUJIFILM "_qs, u"-M"_qs,
                         u"set Exif.Image.Model X100V"_qs, u"-M"_qs,
                         u"set Exif.Photo.LensModel XF23mm"_qs, u"-M"_qs,
                         u"set Exif.Image.Orientation 6"_qs, jpeg}));
        const FileMetadata m = read("photo.jpg", kPhotoMetadata);
        QVERIFY(m.problem.isEmpty());
        QCOMPARE(m.value(MetadataField::PhotoTaken), u"2023-07-14 09:08:07"_qs);
        QCOMPARE(m.value(MetadataField::PhotoDigitized), u"2023-07-15 10:00:00"_qs);
        QCOMPARE(m.value(MetadataField::PhotoMake), u"FUJIFILM"_qs);
        QCOMPARE(m.value(MetadataField::PhotoModel), u"X100V"_qs);
        QCOMPARE(m.value(MetadataField::PhotoLens), u"XF23mm"_qs);
        QCOMPARE(m.value(MetadataField::PhotoWidth), u"40"_qs);
        QCOMPARE(m.value(MetadataField::PhotoHeight), u"30"_qs);
        QCOMPARE(m.value(MetadataField::PhotoOrientation), u"6"_qs);
        // Only the readers asked for ran.
        QVERIFY(m.value(MetadataField::AudioArtist).isEmpty());
        QCOMPARE(m.kindsRead, kPhotoMetadata);

        // Not a JPEG: Exiv2 opens the file itself.
        const QString png = m_tree.path(u"photo.png"_qs);
        QVERIFY(ffmpeg({u"-f"_qs, u"lavfi"_qs, u"-i"_qs, u"color=c=red:s=12x10"_qs, u"-frames:v"_qs,
                        u"1"_qs, png}));
        QVERIFY(
            runTool(u"exiv2"_qs,
                    {u"-M"_qs, u"set Exif.Photo.DateTimeOriginal 2001:02:03 04:05:06"_qs, png}));
        const FileMetadata p = read("photo.png", kPhotoMetadata);
        QCOMPARE(p.value(MetadataField::PhotoTaken), u"2001-02-03 04:05:06"_qs);
        QCOMPARE(p.value(MetadataField::PhotoWidth), u"12"_qs);
    }

    // The texts cameras write for a date, as the template gets them.
    void exifDates_data()
    {
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date and time") << u"2023:07:14 09:08:07"_qs << u"2023-07-14 09:08:07"_qs;
        QTest::newRow("padded with NULs and spaces")
            << u"  2023:07:14 09:08:07\0\0 "_qs << u"2023-07-14 09:08:07"_qs;
        QTest::newRow("date alone") << u"2023:07:14"_qs << u"2023-07-14 00:00:00"_qs;
        QTest::newRow("time cut short") << u"2023:07:14 09:08"_qs << u"2023-07-14 00:00:00"_qs;
        QTest::newRow("time not digits") << u"2023:07:14 0x:08:07"_qs << u"2023-07-14 00:00:00"_qs;
        QTest::newRow("never set") << u"0000:00:00 00:00:00"_qs << QString();
        QTest::newRow("blank") << u"    :  :     :  :  "_qs << QString();
        QTest::newRow("month 13") << u"2023:13:01 00:00:00"_qs << QString();
        QTest::newRow("dashes") << u"2023-07-14 09:08:07"_qs << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void exifDates()
    {
        QFETCH(QString, recorded);
        QFETCH(QString, expected);
        QCOMPARE(exifDate(recorded), expected);
        QCOMPARE(tagText(u" \0"_qs + expected + u"\0 "_qs), expected);
    }

    void audioByTagLib()
    {
        const QString mp3 = m_tree.path(u"song.mp3"_qs);
        QVERIFY(ffmpeg({u"-f"_qs, u"lavfi"_qs, u"-i"_qs, u"anullsrc=r=8000:cl=mono"_qs, u"-t"_qs,
                        u"0.3"_qs, mp3}));
        QVERIFY(runTool(u"id3v2"_qs, {u"-a"_qs, u"AC/DC"_qs, u"-A"_qs, u"Back in Black"_qs,
                                      u"-t"_qs, u"Hells Bells"_qs, u"-T"_qs, u"1/10"_qs, u"-y"_qs,
                                      u"1980"_qs, u"--TPE2"_qs, u"Various"_qs, u"--TPOS"_qs,
                                      u"2/2"_qs, u"--TCON"_qs, u"Rock"_qs, mp3}));
        const FileMetadata m = read("song.mp3", kAudioMetadata);
        QCOMPARE(m.value(MetadataField::AudioArtist), u"AC/DC"_qs);
        QCOMPARE(m.value(MetadataField::AudioAlbum), u"Back in Black"_qs);
        QCOMPARE(m.value(MetadataField::AudioTitle), u"Hells Bells"_qs);
        QCOMPARE(m.value(MetadataField::AudioTrack), u"1"_qs);
        QCOMPARE(m.value(MetadataField::AudioDisc), u"2"_qs);
        QCOMPARE(m.value(MetadataField::AudioYear), u"1980"_qs);
        QCOMPARE(m.value(MetadataField::AudioAlbumArtist), u"Various"_qs);
        QCOMPARE(m.value(MetadataField::AudioGenre), u"Rock"_qs);

        // FLAC's Vorbis comments, told apart by content: no extension needed.
        const QString flac = m_tree.path(u"song-without-extension"_qs);
        QVERIFY(ffmpeg({u"-f"_qs, u"lavfi"_qs, u"-i"_qs, u"anullsrc=r=8000:cl=mono"_qs, u"-t"_qs,
                        u"0.3"_qs, u"-metadata"_qs, u"artist=Björk"_qs, u"-metadata"_qs,
                        u"track=07"_qs, u"-f"_qs, u"flac"_qs, flac}));
        const FileMetadata f = read("song-without-extension", kAudioMetadata);
        QCOMPARE(f.value(MetadataField::AudioArtist), u"Björk"_qs);
        QCOMPARE(f.value(MetadataField::AudioTrack), u"7"_qs);
        QVERIFY(f.value(MetadataField::AudioAlbum).isEmpty());
    }

    void videoByMediaInfo()
    {
        const QString mp4 = m_tree.path(u"clip.mp4"_qs);
        QVERIFY(ffmpeg({u"-f"_qs, u"lavfi"_qs, u"-i"_qs, u"color=c=blue:s=32x24:d=2"_qs,
                        u"-metadata"_qs, u"creation_time=2021-05-06T07:08:09Z"_qs, u"-pix_fmt"_qs,
                        u"yuv420p"_qs, mp4}));
        const FileMetadata m = read("clip.mp4", kVideoMetadata);
        QCOMPARE(m.value(MetadataField::VideoCreated), u"2021-05-06T07:08:09Z"_qs);
        const qint64 ms = m.value(MetadataField::VideoDuration).toLongLong();
        QVERIFY2(ms >= 1900 && ms <= 2100, qPrintable(m.value(MetadataField::VideoDuration)));
    }

    // Damaged and special files give no values and never a crash or a hang.
    void damagedAndSpecialFiles()
    {
        const QByteArray jpeg = exifJpeg("X100V", "2023:07:14 09:08:07");
        QVERIFY(m_tree.createFile(u"whole.jpg"_qs, jpeg));
        QCOMPARE(read("whole.jpg", kPhotoMetadata).value(MetadataField::PhotoModel), u"X100V"_qs);
        for (qsizetype cut : {2, 10, 30, 60}) {
            QVERIFY(m_tree.createFile(u"cut.jpg"_qs, jpeg.left(cut)));
            const FileMetadata m =
                read("cut.jpg", kPhotoMetadata | kAudioMetadata | kVideoMetadata);
            QVERIFY(m.problem.isEmpty());
            QVERIFY(m.value(MetadataField::PhotoTaken).isEmpty());
        }
        QVERIFY(m_tree.createFile(u"empty.mp3"_qs));
        QVERIFY(read("empty.mp3", kAudioMetadata | kVideoMetadata)
                    .value(MetadataField::AudioArtist)
                    .isEmpty());

        // A FIFO is never opened (an open for reading would wait for a writer).
        QCOMPARE(::mkfifo(path("pipe").constData(), 0600), 0);
        const FileMetadata pipe = read("pipe", kPhotoMetadata);
        QCOMPARE(pipe.problem, u"not a regular file"_qs);
        QCOMPARE(read("no-such-file", kPhotoMetadata).problem,
                 u"cannot read the file: No such file or directory"_qs);
        QCOMPARE(MetadataCache::shared().read("/dev/null", kVideoMetadata).problem,
                 u"not a regular file"_qs);
    }

    // An unchanged file is read once, whatever is asked again; a changed one is read again.
    void cacheKeepsEachVersion()
    {
        QVERIFY(m_tree.createFile(u"cached.jpg"_qs, exifJpeg("One", "2020:01:01 00:00:00")));
        MetadataCache &cache = MetadataCache::shared();
        const quint64 before = cache.filesRead();
        QCOMPARE(read("cached.jpg", kPhotoMetadata).value(MetadataField::PhotoModel), u"One"_qs);
        QCOMPARE(read("cached.jpg", kPhotoMetadata).value(MetadataField::PhotoModel), u"One"_qs);
        QCOMPARE(cache.filesRead(), before + 1);
        // Another reader for the same file opens it once more, and keeps what was read.
        const FileMetadata both = read("cached.jpg", kPhotoMetadata | kAudioMetadata);
        QCOMPARE(both.value(MetadataField::PhotoModel), u"One"_qs);
        QCOMPARE(cache.filesRead(), before + 2);
        read("cached.jpg", kAudioMetadata);
        QCOMPARE(cache.filesRead(), before + 2);

        QVERIFY(m_tree.createFile(u"cached.jpg"_qs, exifJpeg("Two", "2020:01:01 00:00:00"),
                                  QDateTime::currentDateTimeUtc().addSecs(60)));
        QCOMPARE(read("cached.jpg", kPhotoMetadata).value(MetadataField::PhotoModel), u"Two"_qs);
        QCOMPARE(cache.filesRead(), before + 3);
    }

    // Enough files for every part of the cache to grow its table several times: each file
    // keeps its own fields, and none is read twice.
    void cacheKeepsManyFilesApart()
    {
        constexpr int kFiles = 3000;
        MetadataCache cache;
        const auto model = [](int i) { return "M" + QByteArray::number(i); };
        const auto name = [](int i) { return "many" + QByteArray::number(i) + ".jpg"; };
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(m_tree.createFile(QString::fromLatin1(name(i)),
                                      exifJpeg(model(i), "2020:01:01 00:00:00")));
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < kFiles; ++i) {
                const FileMetadata got = cache.read(path(name(i).constData()), kPhotoMetadata);
                QCOMPARE(got.value(MetadataField::PhotoModel), QString::fromLatin1(model(i)));
            }
            QCOMPARE(cache.filesRead(), quint64(kFiles));
        }
    }

    void unreadableFile()
    {
        if (::geteuid() == 0)
            QSKIP("root reads any file");
        QVERIFY(m_tree.createFile(u"locked.jpg"_qs, exifJpeg("X", "2020:01:01 00:00:00")));
        QCOMPARE(::chmod(path("locked.jpg").constData(), 0), 0);
        QCOMPARE(read("locked.jpg", kPhotoMetadata).problem,
                 u"cannot read the file: Permission denied"_qs);
    }
};

QTEST_GUILESS_MAIN(MetadataReadersTest)
#include "tst_MetadataReaders.moc"

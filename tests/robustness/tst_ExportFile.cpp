#include "core/engine/names/FileRows.h"
#include "core/listing/ExportFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The byte-order mark that opens the export of a list, so editors and file(1) know its encoding.
const QByteArray kByteOrderMark("\xff\xfe", 2);

QByteArray utf16le(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        out += char(c.unicode() & 0xff);
        out += char(c.unicode() >> 8);
    }
    return out;
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

// The export file: its exact text, its private folder, its mode, and files planted at its
// path that must be neither followed nor written through.
class ExportFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        m_runtime = m_home->filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(m_runtime));
        QVERIFY(::chmod(QFile::encodeName(m_runtime).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("cache"))));
    }

    void textIsEveryFullPathInUtf16()
    {
        FileRows rows;
        rows.folders = {{QStringLiteral("/a/"), "/a/"}, {QStringLiteral("/b c/"), "/b c/"}};
        const QString names[] = {QStringLiteral("x.txt"), QStringLiteral("\u00e9\U0001F600"),
                                 QStringLiteral("z")};
        for (int i = 0; i < 3; ++i) {
            FileRow row;
            row.loadedName = names[i];
            row.newName = QStringLiteral("ignored");
            row.checked = i != 1;
            row.folder = i == 0 ? 0 : 1;
            rows.rows.push_back(row);
        }
        QCOMPARE(ExportFile::text(rows),
                 kByteOrderMark +
                     utf16le(QStringLiteral("/a/x.txt\r\n/b c/\u00e9\U0001F600\r\n/b c/z")));
        QCOMPARE(ExportFile::text(FileRows()), QByteArray());
    }

    void fileLivesInThePrivateFolderReadableByItsOwnerOnly()
    {
        QString file, error;
        FileRows rows;
        rows.folders = {{QStringLiteral("/f/"), "/f/"}};
        FileRow &row = rows.rows.emplace_back();
        row.loadedName = QStringLiteral("long name");
        row.serial = 1;
        QVERIFY2(ExportFile::exportRows(rows, file, error), qPrintable(error));
        QCOMPARE(QFileInfo(file).absolutePath(), m_runtime);
        QCOMPARE(modeOf(file) & 07777, mode_t(0600));
        QCOMPARE(contentsOf(file), kByteOrderMark + utf16le(QStringLiteral("/f/long name")));

        // The next export reuses the file and replaces the longer text.
        rows.rows[0].loadedName = QStringLiteral("s");
        QString again;
        QVERIFY2(ExportFile::exportRows(rows, again, error), qPrintable(error));
        QCOMPARE(again, file);
        QCOMPARE(contentsOf(file), kByteOrderMark + utf16le(QStringLiteral("/f/s")));
    }

    void runtimeFolderOthersMayEnterIsNotUsed_data()
    {
        QTest::addColumn<QByteArray>("runtime");
        QTest::newRow("unset") << QByteArray();
        QTest::newRow("relative") << QByteArray("runtime");
        QTest::newRow("open to all") << QByteArray("open");
        QTest::newRow("link to a private folder") << QByteArray("link");
    }

    void runtimeFolderOthersMayEnterIsNotUsed()
    {
        QFETCH(QByteArray, runtime);
        if (runtime == "open") {
            runtime = QFile::encodeName(m_home->filePath(QStringLiteral("open")));
            QVERIFY(::mkdir(runtime.constData(), 0777) == 0);
            QVERIFY(::chmod(runtime.constData(), 0777) == 0);
        } else if (runtime == "link") {
            runtime = QFile::encodeName(m_home->filePath(QStringLiteral("link")));
            QVERIFY(::symlink(QFile::encodeName(m_runtime).constData(), runtime.constData()) == 0);
        }
        qputenv("XDG_RUNTIME_DIR", runtime);
        QString error;
        const QString file = ExportFile::path(error);
        const QString cacheFolder = m_home->filePath(QStringLiteral("cache/quirewell"));
        QCOMPARE(QFileInfo(file).absolutePath(), cacheFolder);
        QCOMPARE(modeOf(cacheFolder) & 07777, mode_t(0700));
    }

    void cacheFolderThatIsALinkIsRefused()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(QDir().mkpath(m_home->filePath(QStringLiteral("cache"))));
        QVERIFY(QFile::link(m_home->filePath(QStringLiteral("elsewhere")),
                            m_home->filePath(QStringLiteral("cache/quirewell"))));
        QString error;
        QCOMPARE(ExportFile::path(error), QString());
        QVERIFY(!error.isEmpty());
    }

    // Whatever stands at the export's path that is not the user's own plain file is left
    // exactly as it was, and the export reports a failure.
    void plantedEntryIsNeverWrittenThrough_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind :
             {"link to a file", "dangling link", "fifo", "hard link", "folder", "other owner"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void plantedEntryIsNeverWrittenThrough()
    {
        QFETCH(QString, kind);
        QString error;
        const QString file = ExportFile::path(error);
        QVERIFY2(!file.isEmpty(), qPrintable(error));
        const QByteArray target = QFile::encodeName(m_home->filePath(QStringLiteral("victim")));
        const QByteArray at = QFile::encodeName(file);
        if (kind != u"dangling link") {
            QFile victim(QFile::decodeName(target));
            QVERIFY(victim.open(QIODevice::WriteOnly));
            victim.write("precious");
        }
        if (kind.contains(u"link") && kind != u"hard link")
            QVERIFY(::symlink(target.constData(), at.constData()) == 0);
        else if (kind == u"hard link")
            QVERIFY(::link(target.constData(), at.constData()) == 0);
        else if (kind == u"fifo")
            QVERIFY(::mkfifo(at.constData(), 0600) == 0);
        else if (kind == u"folder")
            QVERIFY(::mkdir(at.constData(), 0700) == 0);
        else if (kind == u"other owner") {
            if (::geteuid() != 0)
                QSKIP("giving a file to another user needs root");
            QVERIFY(QFile::copy(QFile::decodeName(target), file));
            QVERIFY(::chown(at.constData(), 12345, 12345) == 0);
        }
        const mode_t before = modeOf(file);

        FileRows rows;
        QString written;
        QVERIFY(!ExportFile::exportRows(rows, written, error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(modeOf(file), before);
        if (kind == u"dangling link")
            QVERIFY(!QFile::exists(QFile::decodeName(target)));
        else
            QCOMPARE(contentsOf(QFile::decodeName(target)), QByteArray("precious"));
        if (kind == u"other owner")
            QCOMPARE(contentsOf(file), QByteArray("precious"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_runtime;
};

QTEST_GUILESS_MAIN(ExportFileTest)
#include "tst_ExportFile.moc"

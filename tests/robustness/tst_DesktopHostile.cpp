#include "core/engine/settings/AppSettings.h"
#include "tests/robustness/HostileStores.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray err;
    QByteArray screenshot;
};

// Values of the desktop program's own that a broken file may hold: the look, the column
// widths and the rename parameters dialog's placement.
QList<HostileStore> desktopStores()
{
    QList<HostileStore> stores{
        {"look out of range", "[Workspace]\nApplicationLook=99999\n"},
        {"negative look", "[Workspace]\nApplicationLook=-216\n"},
        {"look of the wrong kind", "[Workspace]\nApplicationLook=@Rect(1 2 3 4)\n"},
        {"column widths", "[Settings]\nColumn0=-5\nColumn1=2147483647\nColumn2=abc\n"
                          "Column3=0\nColumn4=99999999999\nColumn5=@ByteArray(x)\n"},
        {"short placement", "[Settings]\nDlgRenameParametersLocation=@ByteArray(abc)\n"},
        {"long placement",
         "[Settings]\nDlgRenameParametersLocation=@ByteArray(" + QByteArray(400, 'z') + ")\n"},
    };
    // The settings-wide cases most likely to reach other code paths.
    for (const HostileStore &store : hostileStores()) {
        const QByteArray name(store.name);
        if (name == "binary garbage" || name == "truncated group" || name == "list" ||
            name == "huge" || name == "one long line" || name == "byte array")
            stores << store;
    }
    return stores;
}

} // namespace

// The desktop program (as the screenshot program runs it) started on a broken settings file:
// it shows its window, lists the folder and prints nothing that a start on an empty file
// would not print.
class DesktopHostileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_tree.createFile(QStringLiteral("files/a.txt"), "a"));
        QVERIFY(m_tree.createFile(QStringLiteral("files/b.txt"), "b"));
        m_clean = start({});
        QCOMPARE(m_clean.exitCode, 0);
        QVERIFY(!m_clean.screenshot.isEmpty());
    }

    void startsOnBrokenSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const HostileStore &store : desktopStores())
            QTest::newRow(store.name) << store.content;
    }

    void startsOnBrokenSettings()
    {
        QFETCH(QByteArray, content);
        const Run run = start(content);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, m_clean.err);
        // The screenshot is not compared: the current row's focus mark depends on timing.
        QVERIFY(!run.screenshot.isEmpty());
    }

private:
    // Runs the program with its store holding content, as the user's own settings file.
    Run start(const QByteArray &content)
    {
        QTemporaryDir home;
        const QString configHome = home.filePath(QStringLiteral("config"));
        const QString storeFolder =
            configHome + QLatin1Char('/') + QString::fromLatin1(CAppSettings::kVendorKey);
        QDir().mkpath(storeFolder);
        writeStore(storeFolder + QLatin1Char('/') +
                       QString::fromLatin1(CAppSettings::kApplicationTitle) +
                       QStringLiteral(".conf"),
                   content);
        const QString shot = home.filePath(QStringLiteral("shot.png"));

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUIREWELL_DESKTOP_PATH),
                      {QStringLiteral("--screenshot"), shot, QStringLiteral("--folder"),
                       m_tree.path(QStringLiteral("files"))});
        Run run;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        // The offscreen platform's note on each change of a window's size hints comes as often
        // as the timing of the first paint makes it; it is not the program's own output.
        for (const QByteArray &line : process.readAllStandardError().split('\n'))
            if (!line.isEmpty() && !line.contains("does not support propagateSizeHints"))
                run.err += line + '\n';
        QFile file(shot);
        if (file.open(QIODevice::ReadOnly))
            run.screenshot = file.readAll();
        return run;
    }

    TestTree m_tree;
    Run m_clean;
};

QTEST_GUILESS_MAIN(DesktopHostileTest)
#include "tst_DesktopHostile.moc"

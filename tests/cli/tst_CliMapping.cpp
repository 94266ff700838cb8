#include "tests/cli/CliProcess.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

// quirewell-cli apply and edit through the real binary: renames by a mapping or by edited
// names, refusals that rename nothing, and undo of the batch.
class CliMappingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void applyFormsAndUndo_data();
    void applyFormsAndUndo();
    void swapNeedsReorder();
    void refusalNamesEveryLine();
    void editWithScriptedEditor_data();
    void editWithScriptedEditor();
    void usage();

private:
    CliRun run(const QStringList &arguments, const QByteArray &input = {},
               const QString &editor = {});
    // Writes a file at the top of the test tree (outside the folder renamed) and gives its path.
    QString write(const QString &name, const QByteArray &text);

    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<QTemporaryDir> m_state;
};

void CliMappingTest::init()
{
    m_tree = std::make_unique<TestTree>();
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tree->isValid() && m_state->isValid());
    m_tree->useTemporarySettings();
    for (const QString &file : {u"d/a.txt"_qs, u"d/b.txt"_qs, u"d/sub/c.txt"_qs})
        QVERIFY(m_tree->createFile(file, file.toUtf8()));
}

CliRun CliMappingTest::run(const QStringList &arguments, const QByteArray &input,
                           const QString &editor)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_STATE_HOME"_qs, m_state->path());
    env.remove(u"VISUAL"_qs);
    env.insert(u"EDITOR"_qs, editor.isEmpty() ? u"false"_qs : editor);
    return runCli(QStringList{u"--config"_qs, m_tree->settingsFile()} + arguments, env, input);
}

QString CliMappingTest::write(const QString &name, const QByteArray &text)
{
    QFile file(m_tree->path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return file.fileName();
}

void CliMappingTest::applyFormsAndUndo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("tsv") << u"m.tsv"_qs << QByteArray("a.txt\tA\\tone\nsub/c.txt\tC.txt");
    QTest::newRow("csv") << u"m.csv"_qs
                         << QByteArray("a.txt,\"A\\tone\"\r\n\"sub/c.txt\",C.txt\r\n");
    // Absolute locations, as preview prints for an absolute folder.
    QTest::newRow("preview output") << u"m.txt"_qs << QByteArray();
}

void CliMappingTest::applyFormsAndUndo()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    const QString folder = m_tree->path(u"d"_qs);
    if (text.isEmpty()) {
        // The preview of the whole tree, edited: a.txt and sub/c.txt get new names.
        const CliRun preview = run({u"preview"_qs, u"--recursive"_qs, folder});
        QCOMPARE(preview.code, 0);
        for (QByteArray line : preview.out.split('\n')) {
            QList<QByteArray> columns = line.split('\t');
            if (columns.size() != 6)
                continue;
            if (columns[1] == "a.txt")
                columns[2] = "A\\tone";
            if (columns[1] == "c.txt")
                columns[2] = "C.txt";
            text += columns.join('\t') + '\n';
        }
    }
    const QString mapping = write(name, text);
    const CliRun applied = run({u"apply"_qs, u"--yes"_qs, folder, mapping});
    QVERIFY2(applied.code == 0, applied.err.constData());
    QVERIFY(applied.err.contains("2 renamed, 0 failed"));
    QVERIFY(m_tree->exists(u"d/A\tone"_qs) && m_tree->exists(u"d/sub/C.txt"_qs));
    QCOMPARE(m_tree->contents(u"d/sub/C.txt"_qs), QByteArray("d/sub/c.txt"));

    const CliRun undone = run({u"undo"_qs, u"--yes"_qs});
    QVERIFY2(undone.code == 0, undone.err.constData());
    QVERIFY(m_tree->exists(u"d/a.txt"_qs) && m_tree->exists(u"d/sub/c.txt"_qs));
}

void CliMappingTest::swapNeedsReorder()
{
    const QString folder = m_tree->path(u"d"_qs);
    const QString mapping = write(u"swap.tsv"_qs, "a.txt\tb.txt\nb.txt\ta.txt\n");
    const CliRun refused = run({u"apply"_qs, u"--yes"_qs, folder, mapping});
    QCOMPARE(refused.code, 2);
    QVERIFY2(refused.err.contains(":1: ") && refused.err.contains(":2: ") &&
                 refused.err.contains("Add --reorder"),
             refused.err.constData());
    QCOMPARE(m_tree->contents(u"d/a.txt"_qs), QByteArray("d/a.txt"));

    // Asked, declined: nothing renamed either.
    const CliRun declined = run({u"apply"_qs, u"--reorder"_qs, folder, mapping}, "n\n");
    QCOMPARE(declined.code, 1);
    QCOMPARE(m_tree->contents(u"d/a.txt"_qs), QByteArray("d/a.txt"));

    const CliRun swapped = run({u"apply"_qs, u"--reorder"_qs, folder, mapping}, "y\n");
    QVERIFY2(swapped.code == 0, swapped.err.constData());
    QCOMPARE(m_tree->contents(u"d/a.txt"_qs), QByteArray("d/b.txt"));
    QCOMPARE(m_tree->contents(u"d/b.txt"_qs), QByteArray("d/a.txt"));
}

void CliMappingTest::refusalNamesEveryLine()
{
    QVERIFY(m_tree->createFile(u"outside.txt"_qs));
    const QString folder = m_tree->path(u"d"_qs);
    const QString mapping = write(u"bad.tsv"_qs, "a.txt\tfine.txt\n"
                                                 "../outside.txt\tx\n"
                                                 "b.txt\tsub/x\n"
                                                 "nothing\ty\n"
                                                 "a.txt\tz\n"
                                                 "sub/c.txt\tbad\\q");
    const QStringList before = m_tree->entries();
    const CliRun refused = run({u"apply"_qs, u"--yes"_qs, folder, mapping});
    QCOMPARE(refused.code, 2);
    const QList<QByteArray> lines = refused.err.trimmed().split('\n');
    QCOMPARE(lines.size(), 6);
    const QByteArray prefix = mapping.toUtf8();
    for (int line = 2; line <= 6; ++line)
        QVERIFY2(lines[line - 2].startsWith(prefix + ':' + QByteArray::number(line) + ": "),
                 refused.err.constData());
    QCOMPARE(lines.last(), QByteArray("Nothing renamed."));
    QCOMPARE(m_tree->entries(), before);

    // Unreadable mappings: a FIFO (never opened, so never waited on) and a folder.
    QCOMPARE(::mkfifo(QFile::encodeName(m_tree->path(u"fifo"_qs)).constData(), 0600), 0);
    for (const QString &unusable : {m_tree->path(u"fifo"_qs), folder}) {
        const CliRun r = run({u"apply"_qs, u"--yes"_qs, folder, unusable});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("not a regular file"), r.err.constData());
    }
    QCOMPARE(m_tree->entries().size(), before.size() + 1);
}

void CliMappingTest::editWithScriptedEditor_data()
{
    QTest::addColumn<QByteArray>("script"); // the editor: sh with the file as $1
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("files"); // the folder's files afterwards
    QTest::addColumn<QByteArray>("message");
    const QStringList unchanged{u"a.txt"_qs, u"b.txt"_qs};
    QTest::newRow("one name changed")
        << QByteArray("sed -i 's/^b.txt$/bee\\\\ttab.txt/' \"$1\"") << 0
        << QStringList{u"a.txt"_qs, u"bee\ttab.txt"_qs} << QByteArray("1 renamed");
    QTest::newRow("saved unchanged")
        << QByteArray("touch \"$1\"") << 0 << unchanged << QByteArray("No name changed");
    QTest::newRow("emptied") << QByteArray(": > \"$1\"") << 0 << unchanged << QByteArray("emptied");
    QTest::newRow("line removed") << QByteArray("sed -i 1d \"$1\"") << 2 << unchanged
                                  << QByteArray("has 1 lines for 2 files");
    QTest::newRow("line added") << QByteArray("echo c.txt >> \"$1\"") << 2 << unchanged
                                << QByteArray("has 3 lines for 2 files");
    QTest::newRow("editor fails") << QByteArray("sed -i s/a/z/ \"$1\"; exit 3") << 2 << unchanged
                                  << QByteArray("exited with status 3");
    QTest::newRow("duplicate names")
        << QByteArray("sed -i s/b.txt/a.txt/ \"$1\"") << 2 << unchanged << QByteArray("is taken");
    QTest::newRow("swap needs reorder") << QByteArray("printf 'b.txt\\na.txt\\n' > \"$1\"") << 2
                                        << unchanged << QByteArray("Add --reorder");
}

void CliMappingTest::editWithScriptedEditor()
{
    QFETCH(QByteArray, script);
    QFETCH(int, code);
    QFETCH(QStringList, files);
    QFETCH(QByteArray, message);
    const QString editor = write(u"editor.sh"_qs, "#!/bin/sh\n" + script + '\n');
    QVERIFY(QFile::setPermissions(editor, QFile::ReadOwner | QFile::ExeOwner));
    const CliRun r = run({u"edit"_qs, u"--yes"_qs, m_tree->path(u"d"_qs)}, {}, editor);
    QVERIFY2(r.code == code, r.err.constData());
    QVERIFY2(r.err.contains(message), r.err.constData());
    QStringList got;
    for (const QString &entry : m_tree->entries())
        if (entry.startsWith(u"d/"_qs) && !entry.startsWith(u"d/sub/"_qs))
            got << entry.mid(2);
    got.removeAll(u"sub/"_qs);
    got.removeAll(QString()); // the folder itself
    got.sort();
    QCOMPARE(got, files);
}

void CliMappingTest::usage()
{
    const QString folder = m_tree->path(u"d"_qs);
    for (const QStringList &arguments :
         {QStringList{u"apply"_qs, folder}, QStringList{u"apply"_qs, u"--upper"_qs, folder, folder},
          QStringList{u"edit"_qs}, QStringList{u"apply"_qs, folder, folder, folder}}) {
        const CliRun r = run(arguments);
        QVERIFY2(r.code == 2 && r.err.startsWith("quirewell-cli: "), r.err.constData());
    }
}

QTEST_GUILESS_MAIN(CliMappingTest)
#include "tst_CliMapping.moc"

#include "desktop/shell/ribbon/KeyTips.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/CommandTable.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandTableTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandOnce();
    void texts_data();
    void texts();
    void documentKeysOnlyWithADocument();
    void frameKeys();
    void tooltipFallsBackToLabel();
    void accessCharacters();
    void keyTipsKeepExplicitOnes();
    void keyTipsNeverStartOneAnother();
};

void CommandTableTest::everyCommandOnce()
{
    QSet<int> seen;
    for (const CommandInfo &info : CommandTable::commands()) {
        QVERIFY2(!seen.contains(info.id), qPrintable(QString::number(info.id)));
        seen.insert(info.id);
        QVERIFY(!info.name.isEmpty());
    }
    for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id)
        QVERIFY(CommandTable::find(id));
    for (const Accelerator &accel : CommandTable::accelerators())
        QVERIFY2(seen.contains(accel.id), qPrintable(QString::number(accel.id)));
    QCOMPARE(CommandTable::find(12345), nullptr);
}

void CommandTableTest::texts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("shownKeys");
    QTest::newRow("rename selected") << int(Cmd::RenameSelectedFile) << "Rename Selected File Now"
                                     << "Rename Selected File Now in a Seperate Screen."
                                     << "Rename Selected File"
                                     << "F2";
    QTest::newRow("reload") << int(Cmd::Reload) << "Refresh File List"
                            << "Scan Selected Folder and Load List of Files Again"
                            << "Reload File List (F5)"
                            << "F5";
    QTest::newRow("share") << int(Cmd::ShareOnFacebook) << "Share On Facebook"
                           << "Share this Software's URL on Facebook"
                           << "Share on Facebook"
                           << "";
    QTest::newRow("sub folders") << int(Cmd::FilesInSubFolders) << "Files in Sub Folder(s)"
                                 << "List Files from Sub Folder(s) of the Selected Folder"
                                 << "Sub Folder Search"
                                 << "";
    QTest::newRow("about") << int(Cmd::AppAbout) << "&About Quirewell..."
                           << "Display program information, version number and copyright"
                           << "About"
                           << "";
    QTest::newRow("exit") << int(Cmd::AppExit) << "E&xit"
                          << "Quit the application; prompts to save documents"
                          << "Exit"
                          << "";
    QTest::newRow("recent") << int(Cmd::FileMruFirst) << "Recent File"
                            << "Open this document"
                            << ""
                            << "";
    QTest::newRow("copy shows a key it lacks") << int(Cmd::EditCopy) << "&Copy"
                                               << ""
                                               << ""
                                               << "Ctrl+C";
    QTest::newRow("no string") << int(Cmd::FolderLocation) << "&Folder Location"
                               << ""
                               << ""
                               << "";
}

void CommandTableTest::texts()
{
    QFETCH(int, id);
    const CommandInfo *info = CommandTable::find(id);
    QVERIFY(info);
    QTEST(info->name, "name");
    QTEST(info->description, "description");
    QTEST(info->tooltip, "tooltip");
    QTEST(info->shownKeys, "shownKeys");
}

void CommandTableTest::documentKeysOnlyWithADocument()
{
    const QKeySequence f2(Qt::Key_F2), f5(Qt::Key_F5);
    QCOMPARE(CommandTable::commandForKeys(f2, true), int(Cmd::RenameSelectedFile));
    QCOMPARE(CommandTable::commandForKeys(f5, true), int(Cmd::Reload));
    QCOMPARE(CommandTable::commandForKeys(f2, false), 0);
    QCOMPARE(CommandTable::commandForKeys(f5, false), 0);
    // Ctrl+Z undoes the last batch in the list and is the frame's (disabled) Undo elsewhere.
    const QKeySequence ctrlZ(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(CommandTable::commandForKeys(ctrlZ, true), int(Cmd::UndoRename));
    QCOMPARE(CommandTable::commandForKeys(ctrlZ, false), int(Cmd::EditUndo));
    // The frame's keys stay in force while a document window is active.
    QCOMPARE(CommandTable::commandForKeys(QKeySequence(Qt::CTRL | Qt::Key_N), true),
             int(Cmd::FileNew));
    for (const Accelerator &accel : CommandTable::accelerators()) {
        const bool document = accel.id == Cmd::RenameSelectedFile || accel.id == Cmd::Reload ||
                              accel.id == Cmd::UndoRename;
        QCOMPARE(accel.scope == KeyScope::Document, document);
    }
}

void CommandTableTest::frameKeys()
{
    const auto command = [](QKeyCombination keys) {
        return CommandTable::commandForKeys(QKeySequence(keys), false);
    };
    QCOMPARE(command(Qt::CTRL | Qt::Key_C), 0);
    QCOMPARE(command(Qt::CTRL | Qt::Key_Insert), int(Cmd::EditCopy));
    QCOMPARE(command(Qt::SHIFT | Qt::Key_Delete), int(Cmd::EditCut));
    QCOMPARE(command(Qt::ALT | Qt::Key_Backspace), int(Cmd::EditUndo));
    QCOMPARE(command(Qt::SHIFT | Qt::Key_F6), int(Cmd::PrevPane));
    QCOMPARE(command(Qt::CTRL | Qt::Key_S), int(Cmd::FileSave));
    QCOMPARE(CommandTable::keysFor(Cmd::EditPaste),
             QList<QKeySequence>(
                 {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}));
    QCOMPARE(CommandTable::keysFor(Cmd::EditCopy),
             QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    QVERIFY(CommandTable::keysFor(Cmd::FileSaveAs).isEmpty());
}

void CommandTableTest::tooltipFallsBackToLabel()
{
    QCOMPARE(CommandTable::tooltipFor(Cmd::RenameSelectedFile, QStringLiteral("Selected File")),
             QStringLiteral("Rename Selected File"));
    QCOMPARE(CommandTable::tooltipFor(Cmd::Donate, QStringLiteral("Donate")),
             QStringLiteral("Donate"));
    QCOMPARE(CommandTable::tooltipFor(Cmd::WindowManager, QStringLiteral("&Windows")),
             QStringLiteral("Windows"));
    QCOMPARE(CommandTable::descriptionFor(Cmd::Donate), QString());
}

void CommandTableTest::accessCharacters()
{
    QCOMPARE(CommandTable::withoutAccessCharacters(QStringLiteral("Save &As...")),
             QStringLiteral("Save As..."));
    QCOMPARE(CommandTable::withoutAccessCharacters(QStringLiteral("Edit && &List&")),
             QStringLiteral("Edit & List&"));
}

void CommandTableTest::keyTipsKeepExplicitOnes()
{
    const QStringList tips =
        assignKeyTips({QString(), u"&Home"_s, u"Donate"_s, u"Style"_s, QString(), QString()},
                      {u"F"_s, QString(), QString(), QString(), u"a"_s, u"a"_s});
    QCOMPARE(tips, QStringList({u"f"_s, u"h"_s, u"d"_s, u"s"_s, u"a1"_s, u"a2"_s}));
    // A label letter never takes a numbered tip's first letter.
    QCOMPARE(assignKeyTips({u"About"_s, QString(), QString()}, {QString(), u"A"_s, u"a"_s}),
             QStringList({u"b"_s, u"a1"_s, u"a2"_s}));
}

void CommandTableTest::keyTipsNeverStartOneAnother()
{
    // "Folder" labels compete for f; the loser takes the next free letter of its label.
    const QStringList labels{u"Files"_s, u"Folder Contents"_s, u"Fo"_s, u"Ff"_s, u"X"_s};
    const QStringList tips = assignKeyTips(labels, {u""_s, u""_s, u""_s, u""_s, u"xy"_s});
    QCOMPARE(tips, QStringList({u"f"_s, u"o"_s, u"1"_s, u"2"_s, u"xy"_s}));
    for (const QString &a : tips) {
        QCOMPARE(a.isEmpty(), false);
        for (const QString &b : tips)
            QVERIFY(&a == &b || !b.startsWith(a));
    }
}

QTEST_GUILESS_MAIN(CommandTableTest)
#include "tst_CommandTable.moc"

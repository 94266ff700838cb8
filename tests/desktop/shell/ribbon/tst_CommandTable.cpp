#include "desktop/shell/ribbon/KeyTips.h"
#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/CommandTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandTableTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandOnce();
    void shownKeysReachTheirCommand();
    void keysUniqueWithinAScope();
    void tooltipsNameTheCommandsKey();
    void everyRibbonElementRunsAKnownCommand();
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
    QSet<QString> actionNames;
    const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));
    for (const CommandInfo &info : CommandTable::commands()) {
        QVERIFY2(!seen.contains(info.id), qPrintable(QString::number(info.id)));
        seen.insert(info.id);
        QVERIFY2(identifier.match(info.actionName).hasMatch(), qPrintable(info.actionName));
        QVERIFY2(!actionNames.contains(info.actionName), qPrintable(info.actionName));
        actionNames.insert(info.actionName);
        QCOMPARE(CommandTable::findByActionName(info.actionName), &info);
        QVERIFY(!info.name.isEmpty());
        QVERIFY2(!info.name.contains(u'\t'), qPrintable(info.name));
    }
    for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id)
        QVERIFY(CommandTable::find(id));
    for (const Accelerator &accel : CommandTable::accelerators())
        QVERIFY2(seen.contains(accel.id), qPrintable(QString::number(accel.id)));
    QCOMPARE(CommandTable::find(12345), nullptr);
    QCOMPARE(CommandTable::findByActionName(QStringLiteral("NoSuchCommand")), nullptr);
}

// The key a menu shows after a command's name is one that reaches the command, but for the
// few whose key the list or a control of its own takes, and Copy, whose shown key is in no
// table (Ctrl+Insert copies).
void CommandTableTest::shownKeysReachTheirCommand()
{
    const QSet<int> takenElsewhere{Cmd::Toggle, Cmd::Open, Cmd::CancelWork, Cmd::EditCopy};
    int bound = 0;
    for (const CommandInfo &info : CommandTable::commands()) {
        if (info.shownKeys.isEmpty() || takenElsewhere.contains(info.id))
            continue;
        const QKeySequence keys =
            QKeySequence::fromString(info.shownKeys, QKeySequence::PortableText);
        QCOMPARE(keys.count(), 1);
        QCOMPARE(keys.toString(QKeySequence::PortableText), info.shownKeys);
        QVERIFY2(CommandTable::keysFor(info.id).contains(keys), qPrintable(info.actionName));
        ++bound;
    }
    QVERIFY(bound >= 9);
    // Esc is the cancel control's: a key all the same.
    const CommandInfo *cancel = CommandTable::find(Cmd::CancelWork);
    QCOMPARE(QKeySequence::fromString(cancel->shownKeys, QKeySequence::PortableText),
             QKeySequence(Qt::Key_Escape));
    QVERIFY(CommandTable::keysFor(Cmd::CancelWork).isEmpty());
}

void CommandTableTest::keysUniqueWithinAScope()
{
    QSet<QPair<QString, int>> seen;
    for (const Accelerator &accel : CommandTable::accelerators()) {
        const QString keys = accel.keys.toString(QKeySequence::PortableText);
        QCOMPARE(accel.keys.count(), 1);
        QVERIFY2(!seen.contains({keys, int(accel.scope)}), qPrintable(keys));
        seen.insert({keys, int(accel.scope)});
        // Each reaches its own command where its table is in force.
        QCOMPARE(CommandTable::commandForKeys(accel.keys, accel.scope == KeyScope::Document),
                 accel.id);
    }
}

// A tooltip that names a key, as "Reload File List (F5)", names the command's own.
void CommandTableTest::tooltipsNameTheCommandsKey()
{
    const QRegularExpression namedKey(QStringLiteral("\\(([^()]+)\\)$"));
    int naming = 0;
    for (const CommandInfo &info : CommandTable::commands()) {
        const QRegularExpressionMatch match = namedKey.match(info.tooltip);
        if (!match.hasMatch())
            continue;
        ++naming;
        QCOMPARE(match.captured(1), info.shownKeys);
        QVERIFY2(!info.shownKeys.isEmpty(), qPrintable(info.actionName));
    }
    QVERIFY(naming >= 3);
}

void CommandTableTest::everyRibbonElementRunsAKnownCommand()
{
    CommandActions actions;
    Ribbon ribbon(actions);
    int elements = 0;
    const QList<QObject *> children = ribbon.findChildren<QObject *>();
    for (const QObject *child : children) {
        const int id = RibbonElement::command(child);
        if (id == -1)
            continue;
        ++elements;
        QVERIFY2(CommandTable::find(id), qPrintable(child->objectName()));
    }
    QVERIFY(elements >= 20);
}

void CommandTableTest::documentKeysOnlyWithADocument()
{
    const QKeySequence f2(Qt::Key_F2), f5(Qt::Key_F5);
    QCOMPARE(CommandTable::commandForKeys(f2, true), int(Cmd::RenameSelectedFile));
    QCOMPARE(CommandTable::commandForKeys(f5, true), int(Cmd::Reload));
    QCOMPARE(CommandTable::commandForKeys(f2, false), 0);
    QCOMPARE(CommandTable::commandForKeys(f5, false), 0);
    // Shift+F2 types the new name into the list; F2 stays the single-file dialog.
    QCOMPARE(CommandTable::commandForKeys(QKeySequence(Qt::SHIFT | Qt::Key_F2), true),
             int(Cmd::EditNewName));
    // Ctrl+Z undoes the last batch in the list and is the frame's (disabled) Undo elsewhere.
    const QKeySequence ctrlZ(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(CommandTable::commandForKeys(ctrlZ, true), int(Cmd::UndoRename));
    QCOMPARE(CommandTable::commandForKeys(ctrlZ, false), int(Cmd::EditUndo));
    // The frame's keys stay in force while a document window is active.
    QCOMPARE(CommandTable::commandForKeys(QKeySequence(Qt::CTRL | Qt::Key_N), true),
             int(Cmd::FileNew));
    for (const Accelerator &accel : CommandTable::accelerators()) {
        const bool document = accel.id == Cmd::RenameSelectedFile || accel.id == Cmd::Reload ||
                              accel.id == Cmd::UndoRename || accel.id == Cmd::RenameFromList ||
                              accel.id == Cmd::EditNamesAsText || accel.id == Cmd::EditNewName;
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

QTEST_MAIN(CommandTableTest)
#include "tst_CommandTable.moc"

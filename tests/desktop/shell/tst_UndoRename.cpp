// Undo of a batch from the desktop program, and the start-up offer for a batch cut off half
// way: through the real window, with a real journal in the fixture's own state folder.
#include "CommandDriving.h"

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/journal/JournalStore.h"
#include "core/engine/journal/JournalUndo.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/ui/CommandIds.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QStatusBar>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A batch cut off after its first `done` renames, as a crash leaves it: the plan journaled
// (and never completed), then the renames done by hand.
bool interruptedBatch(TestTree &tree, const QList<std::pair<QString, QString>> &renames, int done)
{
    JournalEntry entry;
    entry.folders.push_back(QFile::encodeName(tree.root() + u"/"_s));
    for (const auto &[from, to] : renames) {
        struct stat st;
        if (::lstat(QFile::encodeName(tree.path(from)).constData(), &st) != 0)
            return false;
        entry.rows.push_back({0,
                              quint64(st.st_dev),
                              quint64(st.st_ino),
                              QFile::encodeName(from),
                              QFile::encodeName(to),
                              {}});
    }
    QString error;
    JournalStore::Writer writer;
    if (!writer.begin(entry, error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    for (int k = 0; k < done; ++k) {
        if (!QFile::rename(tree.path(renames[k].first), tree.path(renames[k].second)))
            return false;
    }
    return true;
}

// Prompts whose question runs the event loop until it is answered, as a real message box
// does, and that record the order in which the question was answered and the folder picker
// opened.
class ModalLoopPrompts : public RecordingPrompts
{
public:
    QStringList order;

    int choose(QWidget *parent, const QString &text, Icon icon, const QStringList &offered) override
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        order << u"question answered"_s;
        return RecordingPrompts::choose(parent, text, icon, offered);
    }
    QString pickFolder(QWidget *parent, const QString &startFolder) override
    {
        order << u"folder picker"_s;
        return RecordingPrompts::pickFolder(parent, startFolder);
    }
};

// Prompts that note the moment a message or a choice is asked.
class TimedPrompts : public RecordingPrompts
{
public:
    std::function<void()> onMessage;

    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        if (onMessage)
            onMessage();
        return RecordingPrompts::message(parent, text, icon, buttons);
    }
    int choose(QWidget *parent, const QString &text, Icon icon, const QStringList &offered) override
    {
        if (onMessage)
            onMessage();
        return RecordingPrompts::choose(parent, text, icon, offered);
    }
};

// The journal of a huge batch after its first rename: rows entries in folder, every row but
// the first recorded as never reached when the batch was stopped, or cut off (no outcome)
// when it was not. Only the first file exists, at its new name.
bool stoppedBatch(TestTree &tree, int rows, bool finished = true)
{
    if (!tree.createFile(u"NEW0.TXT"_s, "0"))
        return false;
    struct stat st;
    if (::lstat(QFile::encodeName(tree.path(u"NEW0.TXT"_s)).constData(), &st) != 0)
        return false;
    JournalEntry entry;
    entry.folders.push_back(QFile::encodeName(tree.root() + u"/"_s));
    entry.rows.reserve(size_t(rows));
    JournalOutcome outcome;
    outcome.renamed = 1;
    for (int i = 0; i < rows; ++i) {
        entry.rows.push_back({0,
                              quint64(st.st_dev),
                              i == 0 ? quint64(st.st_ino) : quint64(i),
                              "old" + QByteArray::number(i) + ".txt",
                              "NEW" + QByteArray::number(i) + ".TXT",
                              {}});
        if (i > 0)
            outcome.failures.push_back({quint32(i), BatchTexts::notAttempted()});
    }
    outcome.failed = int(outcome.failures.size());
    QString error;
    JournalStore::Writer writer;
    if (!writer.begin(entry, error) || (finished && !writer.finish(outcome, error))) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace

class UndoRenameTest : public QObject
{
    Q_OBJECT
private slots:
    void undoAfterABatchRestoresTheNamesAndLists()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        QVERIFY(startListing(f, f.tree.root()));
        // Nothing in the journal: nothing to undo, and Ctrl+Z in the list does nothing.
        QVERIFY(!f.run(u"UndoRename"_s));
        QVERIFY(!clickRibbon(f, Cmd::UndoRename));

        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(u"DisplayNewNames"_s));
        f.view()->selectRow(2);
        QTest::keyClick(f.view(), Qt::Key_Space); // c.txt stays as it is
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        QVERIFY(f.run(u"StartRenaming"_s));
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(f.tree.entries(), QStringList({u"A.TXT"_s, u"B.TXT"_s, u"c.txt"_s}));
        // The journal is read on a worker after the load; the command follows its answer.
        QTRY_VERIFY(ListController::undoAvailable());

        // The confirmation names the batch: time, folder and how many files go back.
        QVERIFY(activateFrame(f));
        f.view()->setFocus();
        f.prompts.messages.clear();
        f.prompts.messageAnswers << Prompts::Answer::No << Prompts::Answer::Yes;
        QApplication::processEvents(); // the states are refreshed after the current event
        QTest::keyClick(f.view(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        const QString asked = f.prompts.messages[0].text;
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Question);
        const QString time = QDateTime::fromSecsSinceEpoch(before).toString(u"yyyy-MM-dd HH:mm"_s);
        QVERIFY2(asked.startsWith(u"Undo the Batch Rename of %1"_s.arg(time)), qPrintable(asked));
        QVERIFY2(asked.contains(u"in Folder [%1]"_s.arg(f.tree.root())), qPrintable(asked));
        QVERIFY2(asked.contains(u"Rename 2 File(s) Back"_s), qPrintable(asked));
        QCOMPARE(f.tree.entries(), QStringList({u"A.TXT"_s, u"B.TXT"_s, u"c.txt"_s})); // No

        QVERIFY(clickRibbon(f, Cmd::UndoRename));
        QTRY_COMPARE(listed.size(), 2);
        QTRY_VERIFY(ListController::undoAvailable()); // the undo can be undone in turn
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.tree.entries(), QStringList({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}));
        QCOMPARE(f.tree.contents(u"a.txt"_s), QByteArray("a.txt"));
        QCOMPARE(columnTexts(f.view(), 1), QStringList({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}));
        QCOMPARE(columnTexts(f.view(), 2), QStringList({u"A.TXT"_s, u"B.TXT"_s, u"C.TXT"_s}));
        QCOMPARE(f.frame()->statusBar()->currentMessage(),
                 u"Undo Done: 2 File(s) Renamed Back to Their Old Names"_s);
        QVERIFY(f.prompts.modalDialogs.isEmpty());

        // The undo is a batch of its own: undoing it renames the files again, except one
        // whose name is taken meanwhile, which the failure window lists.
        QVERIFY(f.tree.createFile(u"B.TXT"_s, "other"));
        QList<QList<QStringList>> windows;
        QStringList summaries;
        f.prompts.onModal = [&windows, &summaries](QDialog *dialog) {
            windows.append(failureRows(dialog));
            summaries.append(failureSummary(dialog));
            return int(QDialog::Accepted);
        };
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QVERIFY(f.run(u"UndoRename"_s));
        QTRY_COMPARE(listed.size(), 3);
        QCOMPARE(f.tree.entries(), QStringList({u"A.TXT"_s, u"B.TXT"_s, u"b.txt"_s, u"c.txt"_s}));
        QCOMPARE(f.tree.contents(u"B.TXT"_s), QByteArray("other"));
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0].size(), 1);
        QCOMPARE(summaries, QStringList{u"1 renamed, 1 could not be renamed"_s});
        QCOMPARE(windows[0][0].mid(0, 3),
                 QStringList({u"b.txt"_s, u"B.TXT"_s, f.tree.root() + u"/"_s}));
        QVERIFY2(windows[0][0][3].contains(u"taken"_s), qPrintable(windows[0][0][3]));
        QCOMPARE(f.frame()->statusBar()->currentMessage(), QString());
    }

    // Started without a folder, the program asks about a batch cut off by a crash before it
    // opens the folder picker, which would otherwise cover the question.
    void theCrashQuestionComesBeforeTheFolderPicker()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(u"1.txt"_s, "1"));
        QVERIFY(interruptedBatch(f.tree, {{u"1.txt"_s, u"one.txt"_s}}, 1));
        ModalLoopPrompts prompts;
        prompts.choiceAnswers << 0;
        QVERIFY(f.start());
        QTRY_COMPARE(prompts.order, QStringList({u"question answered"_s, u"folder picker"_s}));
        QCOMPARE(f.tree.entries(), QStringList{u"1.txt"_s});
        f.stop();
    }

    // The newest batch renamed nothing: the question says so, and names the older batch that
    // would be undone instead.
    void undoSaysWhenTheNewestBatchRenamedNothing()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(u"a.txt"_s, "a"));
        QVERIFY(f.tree.createFile(u"sub/x"_s, "x"));
        QString error;
        QVERIFY2(
            renameSingleFile(QFile::encodeName(f.tree.root() + u"/"_s), "a.txt", u"A.TXT"_s, error),
            qPrintable(error));
        JournalEntry nothing;
        nothing.folders.push_back(QFile::encodeName(f.tree.path(u"sub"_s) + u"/"_s));
        nothing.rows.push_back({0, 1, 1, "x", "y", {}});
        {
            JournalStore::Writer writer;
            QVERIFY2(writer.begin(nothing, error), qPrintable(error));
            JournalOutcome outcome;
            outcome.failed = 1;
            outcome.failures = {{0, u"refused"_s}};
            QVERIFY2(writer.finish(outcome, error), qPrintable(error));
        }
        QVERIFY(startListing(f, f.tree.root()));
        QTRY_VERIFY(ListController::undoAvailable());
        f.prompts.messageAnswers << Prompts::Answer::No;
        QVERIFY(f.run(u"UndoRename"_s));
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        const QString asked = f.prompts.messages[0].text;
        QVERIFY2(
            asked.startsWith(u"The Newest Batch Rename, of "_s) &&
                asked.contains(u"in Folder [%1], Renamed Nothing"_s.arg(f.tree.path(u"sub"_s))) &&
                asked.contains(u"Instead, Undo the Batch Rename of "_s) &&
                asked.contains(u"in Folder [%1]."_s.arg(f.tree.root())),
            qPrintable(asked));
        QCOMPARE(f.tree.entries(), QStringList({u"A.TXT"_s, u"sub/"_s, u"sub/x"_s}));
    }

    // The journal's batches do not belong to a document window: with none open, Undo Rename
    // is offered all the same and renames the files back.
    void undoWithNoDocumentWindowOpen()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(u"a.txt"_s, "a"));
        QString error;
        QVERIFY2(
            renameSingleFile(QFile::encodeName(f.tree.root() + u"/"_s), "a.txt", u"A.TXT"_s, error),
            qPrintable(error));
        QVERIFY(f.start()); // the folder picker is cancelled
        QVERIFY(f.run(u"FileClose"_s));
        QTRY_COMPARE(f.frame()->childFrames().size(), 0);
        // The journal is looked up on a worker at start-up; the command follows its answer.
        QTRY_VERIFY(
            f.frame()->routedState(Cmd::UndoRename).value_or(CommandUiState{false}).enabled);
        QVERIFY(f.run(u"UndoRename"_s));
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QVERIFY2(f.prompts.messages[0].text.contains(u"Rename 1 File(s) Back"_s),
                 qPrintable(f.prompts.messages[0].text));
        QCOMPARE(f.tree.entries(), QStringList{u"A.TXT"_s}); // not answered Yes

        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QVERIFY(f.run(u"UndoRename"_s));
        QTRY_COMPARE(f.tree.entries(), QStringList{u"a.txt"_s});
        QCOMPARE(f.tree.contents(u"a.txt"_s), QByteArray("a"));
        QTRY_COMPARE(f.frame()->statusBar()->currentMessage(),
                     u"Undo Done: 1 File(s) Renamed Back to Their Old Names"_s);
        // The undo is a batch of its own, which can be undone in turn.
        QTRY_VERIFY(
            f.frame()->routedState(Cmd::UndoRename).value_or(CommandUiState{false}).enabled);
    }

    // A batch of a huge folder stopped early: its journal is read and its undo planned while
    // the window goes on handling events, and only the one file renamed goes back.
    void theWindowTurnsWhileAHugeJournalIsRead()
    {
        constexpr int kRows = 300000;
        ShellFixture f;
        QVERIFY(stoppedBatch(f.tree, kRows));
        QVERIFY(f.start({f.tree.root()}));
        QVERIFY(waitListed(f.view()));
        QTRY_VERIFY(ListController::undoAvailable());

        TimedPrompts prompts;
        int turns = 0;
        int turnsWhenAsked = -1;
        qint64 longestGap = 0;
        QElapsedTimer sinceLastTurn;
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&] {
            ++turns;
            longestGap = qMax(longestGap, sinceLastTurn.restart());
        });
        prompts.onMessage = [&] {
            if (turnsWhenAsked < 0)
                turnsWhenAsked = turns;
        };
        prompts.messageAnswers << Prompts::Answer::Yes;
        QElapsedTimer toQuestion;
        toQuestion.start();
        sinceLastTurn.start();
        ticker.start();
        QVERIFY(f.run(u"UndoRename"_s));
        QTRY_VERIFY_WITH_TIMEOUT(turnsWhenAsked >= 0, 60000);
        ticker.stop();
        qInfo("%d journal rows: the question after %lld ms, %d event-loop turns meanwhile, the "
              "longest gap %lld ms",
              kRows, toQuestion.elapsed(), turnsWhenAsked, longestGap);
        // Read on the window's own thread, the journal would let no turn happen before the
        // question; the bound on the gap is generous, for a loaded machine.
        QVERIFY(turnsWhenAsked > 0);
        QVERIFY2(longestGap < 5000, qPrintable(QString::number(longestGap)));
        QVERIFY2(prompts.messages[0].text.contains(u"Rename 1 File(s) Back"_s),
                 qPrintable(prompts.messages[0].text));
        QTRY_COMPARE(f.tree.entries(), QStringList{u"old0.txt"_s});
    }

    // The start-up offer reads the cut-off batch and looks at each of its files while the
    // window's event loop turns.
    void theStartUpOfferIsLookedUpWhileEventsAreHandled()
    {
        ShellFixture f;
        QVERIFY(stoppedBatch(f.tree, 50000, false));
        TimedPrompts prompts;
        int turns = 0;
        int turnsWhenAsked = -1;
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&turns] { ++turns; });
        prompts.onMessage = [&] {
            if (turnsWhenAsked < 0)
                turnsWhenAsked = turns;
        };
        prompts.choiceAnswers << 0;
        ticker.start();
        QVERIFY(f.start({f.tree.root()}));
        ticker.stop();
        QCOMPARE(prompts.choices.size(), 1);
        QVERIFY2(prompts.choices[0].text.contains(u"Interrupted: 1 of 50000"_s),
                 qPrintable(prompts.choices[0].text));
        QVERIFY(turnsWhenAsked > 0);
        QCOMPARE(f.tree.entries(), QStringList{u"old0.txt"_s});
    }

    void startUpOffersUndoOrKeepForAnInterruptedBatch()
    {
        ShellFixture f;
        for (const char *name : {"1.txt", "2.txt", "3.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        const QList<std::pair<QString, QString>> renames{
            {u"1.txt"_s, u"one.txt"_s}, {u"2.txt"_s, u"two.txt"_s}, {u"3.txt"_s, u"three.txt"_s}};
        QVERIFY(interruptedBatch(f.tree, renames, 2));

        // Closed without a choice: nothing changes, and the next start asks again.
        QVERIFY(f.start());
        QCOMPARE(f.prompts.choices.size(), 1);
        const RecordingPrompts::Choice offer = f.prompts.choices[0];
        QVERIFY2(
            offer.text.contains(u"in Folder [%1] was Interrupted: 2 of 3"_s.arg(f.tree.root())),
            qPrintable(offer.text));
        QCOMPARE(offer.choices,
                 QStringList({u"Undo the 2 renames already done"_s, u"Keep them"_s}));
        QCOMPARE(interruptedEntries().size(), size_t(1));
        f.stop();

        f.prompts.choiceAnswers << 0;
        QVERIFY(f.start());
        QCOMPARE(f.prompts.choices.size(), 2);
        QCOMPARE(f.tree.entries(), QStringList({u"1.txt"_s, u"2.txt"_s, u"3.txt"_s}));
        QCOMPARE(f.tree.contents(u"2.txt"_s), QByteArray("2.txt"));
        QVERIFY(interruptedEntries().empty());
        f.stop();

        // "Keep them" ends the entry as it is; the next start asks nothing.
        QVERIFY(interruptedBatch(f.tree, renames, 1));
        f.prompts.choiceAnswers << 1;
        QVERIFY(f.start());
        QCOMPARE(f.prompts.choices.size(), 3);
        QCOMPARE(f.tree.entries(), QStringList({u"2.txt"_s, u"3.txt"_s, u"one.txt"_s}));
        QVERIFY(interruptedEntries().empty());
        f.stop();
        QVERIFY(f.start());
        QCOMPARE(f.prompts.choices.size(), 3);
        QVERIFY(f.prompts.messages.isEmpty());
    }
};

QTEST_MAIN(UndoRenameTest)
#include "tst_UndoRename.moc"

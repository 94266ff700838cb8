#include "CommandDriving.h"

#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/ui/CommandIds.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QDialog *openParameters(ShellFixture &f)
{
    if (!clickRibbon(f, Cmd::RenameParameters))
        return nullptr;
    auto *dialog = qobject_cast<QDialog *>(f.view()->renameParametersDialog());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

template <typename T> T *control(QDialog *dialog, const QString &name)
{
    return dialog->findChild<T *>(name);
}

// Clicks the box of a check box (its middle may lie beyond its text).
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

// The new names the rule gives for the rows as listed, computed apart from the view with a
// look-up of every row's file; or, with allPresent, as if every file were still there.
QStringList expectedNewNames(const CQuirewellView *view, bool allPresent = false)
{
    FileRows rows = view->fileModel().rows();
    const std::vector<std::uint8_t> present(size_t(rows.count()), 1);
    ComputeNewFileNames(rows, RenameParameters::fromSettings(CAppSettings()),
                        allPresent ? &present : nullptr);
    QStringList names;
    for (const FileRow &row : rows.rows)
        names << row.newName;
    return names;
}

} // namespace

class DialogWiringTest : public QObject
{
    Q_OBJECT
private slots:
    void typingInTheParametersPreviewsLive()
    {
        ShellFixture f;
        for (const char *name : {"IMG_1.jpg", "IMG_2.jpg", "notes.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        QVERIFY(startListing(f, f.tree.root()));
        QDialog *dialog = openParameters(f);
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), f.frame());

        // Find text typed while its box is off is stored, the list stays.
        QTest::keyClicks(control<QLineEdit>(dialog, u"FindText"_s), u"IMG_"_s);
        QTest::keyClicks(control<QLineEdit>(dialog, u"ReplaceText"_s), u"Photo "_s);
        QCOMPARE(CAppSettings().textValue(CAppSettings::Key::FindText), u"IMG_"_s);
        QCOMPARE(CAppSettings().textValue(CAppSettings::Key::ReplaceText), u"Photo "_s);
        QCoreApplication::processEvents();
        QCOMPARE(columnTexts(f.view(), 2),
                 QStringList({u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"notes.txt"_s}));

        clickBox(control<QCheckBox>(dialog, u"CheckFindAndReplace"_s));
        QCOMPARE(CAppSettings().intValue(CAppSettings::Key::CheckFindAndReplace), 1);
        QTRY_COMPARE(columnTexts(f.view(), 2),
                     QStringList({u"Photo 1.jpg"_s, u"Photo 2.jpg"_s, u"notes.txt"_s}));

        QTest::keyClick(control<QLineEdit>(dialog, u"ReplaceText"_s), Qt::Key_Backspace);
        QTest::keyClicks(control<QLineEdit>(dialog, u"ReplaceText"_s), u"-"_s);
        QCOMPARE(CAppSettings().textValue(CAppSettings::Key::ReplaceText), u"Photo-"_s);
        QTRY_COMPARE(columnTexts(f.view(), 2),
                     QStringList({u"Photo-1.jpg"_s, u"Photo-2.jpg"_s, u"notes.txt"_s}));

        // A number at the start, then upper case replaced by lower case on screen and store.
        clickBox(control<QCheckBox>(dialog, u"CheckNumberAtStart"_s));
        clickBox(control<QCheckBox>(dialog, u"CheckUpperCase"_s));
        clickBox(control<QCheckBox>(dialog, u"CheckLowerCase"_s));
        QCOMPARE(CAppSettings().intValue(CAppSettings::Key::CheckUpperCase), 0);
        QCOMPARE(CAppSettings().intValue(CAppSettings::Key::CheckLowerCase), 1);
        QTRY_COMPARE(columnTexts(f.view(), 2), expectedNewNames(f.view()));
        QCOMPARE(f.view()->fileModel().text(0, 2), u"1photo-1.jpg"_s);
    }

    // Numbers stored at the top of the 32-bit range count on past it in the list.
    void runningNumbersCountOnPastThe32BitLimit()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        CAppSettings().setValue(CAppSettings::Key::NumberAtStart, 2147483647);
        CAppSettings().setValue(CAppSettings::Key::NumberAtEnd, 2147483646);
        QVERIFY(startListing(f, f.tree.root()));
        QDialog *dialog = openParameters(f);
        QVERIFY(dialog);
        clickBox(control<QCheckBox>(dialog, u"CheckNumberAtStart"_s));
        clickBox(control<QCheckBox>(dialog, u"CheckNumberAtEnd"_s));
        QTRY_COMPARE(columnTexts(f.view(), 2),
                     QStringList({u"2147483647a2147483646.txt"_s, u"2147483648b2147483647.txt"_s,
                                  u"2147483649c2147483648.txt"_s}));
    }

    void aBurstOfTypingRunsFewerRecomputes()
    {
        ShellFixture f;
        for (int i = 0; i < 10000; ++i)
            QVERIFY(
                f.tree.createFile(QStringLiteral("file %1.txt").arg(i, 5, 10, QLatin1Char('0'))));
        QVERIFY(startListing(f, f.tree.root()));
        QDialog *dialog = openParameters(f);
        QVERIFY(dialog);
        clickBox(control<QCheckBox>(dialog, u"CheckFindAndReplace"_s));
        QTRY_VERIFY(!f.view()->fileModel().rows().rows.empty());

        QSignalSpy computed(f.view(), &CQuirewellView::newNamesComputed);
        QCoreApplication::processEvents();
        computed.clear();
        const QString typed = u"file 0001"_s;
        QTest::keyClicks(control<QLineEdit>(dialog, u"FindText"_s), typed);
        QTest::keyClicks(control<QLineEdit>(dialog, u"ReplaceText"_s), u"F"_s);
        QTRY_COMPARE(f.view()->fileModel().text(10, 2), u"F0.txt"_s);
        QCoreApplication::processEvents();
        QVERIFY2(computed.size() >= 1 && computed.size() < typed.size() + 1,
                 qPrintable(QString::number(computed.size())));
        // Merged or not, the column is what the rule gives for the stored parameters.
        QCOMPARE(columnTexts(f.view(), 2), expectedNewNames(f.view()));
    }

    void recomputesSeeTheFilesAsTheyAreNow()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt", "c.txt", "sub/d.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        CAppSettings().SetViewFilesInSubFolders(1);
        CAppSettings().setValue(CAppSettings::Key::CheckNumberAtEnd, 1);
        QVERIFY(startListing(f, f.tree.root()));
        QDialog *dialog = openParameters(f);
        QVERIFY(dialog);

        // Files gone or renamed behind the list's back, in the top folder and below it.
        QVERIFY(f.tree.remove(u"b.txt"_s));
        QVERIFY(QFile::rename(f.tree.path(u"sub/d.txt"_s), f.tree.path(u"sub/e.txt"_s)));
        clickBox(control<QCheckBox>(dialog, u"CheckUpperCase"_s));
        QTRY_VERIFY(f.view()->fileModel().text(0, 2).startsWith(u"A"_s));
        QCOMPARE(columnTexts(f.view(), 2), expectedNewNames(f.view()));
        QVERIFY(expectedNewNames(f.view()) != expectedNewNames(f.view(), true));

        // Back again: found again.
        QVERIFY(f.tree.createFile(u"b.txt"_s));
        QVERIFY(QFile::rename(f.tree.path(u"sub/e.txt"_s), f.tree.path(u"sub/d.txt"_s)));
        clickBox(control<QCheckBox>(dialog, u"CheckUpperCase"_s));
        QTRY_VERIFY(f.view()->fileModel().text(0, 2).startsWith(u"a"_s));
        QCOMPARE(columnTexts(f.view(), 2), expectedNewNames(f.view(), true));
    }

    void closingHidesAndTheViewDestroysIt()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(!CAppSettings::GetProfileBinary(u"DlgRenameParametersLocation"_s));
        QPointer<QDialog> dialog = openParameters(f);
        QVERIFY(dialog);
        QTest::keyClicks(control<QLineEdit>(dialog, u"NewFileName"_s), u"typed"_s);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());

        // Shown again as it was left, without reading the store again.
        CAppSettings().setValue(CAppSettings::Key::NewFileName, u"changed behind its back"_s);
        QVERIFY(f.run(QStringLiteral("RenameParameters")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLineEdit>(dialog, u"NewFileName"_s)->text(), u"typed"_s);
        QCOMPARE(f.view()->renameParametersDialog(), dialog.data());

        // Closing the document window destroys the window, which stores its placement.
        QPointer<CChildFrame> child = f.frame()->activeChildFrame();
        child->close();
        QTRY_VERIFY(child.isNull());
        QVERIFY(dialog.isNull());
        QVERIFY(CAppSettings::GetProfileBinary(u"DlgRenameParametersLocation"_s));
    }

    void settingsOkListsAgainCancelStoresNothing()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("shown.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral(".hidden")));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QVERIFY(runMenuItem(f, QStringLiteral("UnCheckAll")));

        // Cancel with the box set: nothing stored, nothing listed.
        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.onModal = [](QDialog *dialog) {
            clickBox(control<QCheckBox>(dialog, u"DisplayHiddenFiles"_s));
            QTest::mouseClick(control<QPushButton>(dialog, u"Cancel"_s), Qt::LeftButton);
            return dialog->result();
        };
        QVERIFY(clickRibbon(f, Cmd::Settings));
        QCOMPARE(f.prompts.modalDialogs, QStringList(u"CDlgSettings"_s));
        QCOMPARE(CAppSettings().GetDisplayHiddenFiles(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(listed.size(), 0);
        QCOMPARE(checkMarks(f.view()), QList<bool>({false}));

        // OK: stored, filters taken over and the folder listed again with the new names of
        // the stored parameters; the caption is left alone.
        f.frame()->captionBar()->SetText(u"marker"_s);
        f.prompts.onModal = [](QDialog *dialog) {
            clickBox(control<QCheckBox>(dialog, u"DisplayHiddenFiles"_s));
            QTest::mouseClick(control<QPushButton>(dialog, u"Ok"_s), Qt::LeftButton);
            return dialog->result();
        };
        QVERIFY(clickRibbon(f, Cmd::Settings));
        QCOMPARE(CAppSettings().GetDisplayHiddenFiles(), 1);
        QCOMPARE(CAppSettings().GetDisplayReadOnlyFiles(), 0);
        QVERIFY(waitListed(f.view()));
        QCOMPARE(listed.size(), 1);
        QCOMPARE(columnTexts(f.view(), 1), QStringList({u".hidden"_s, u"shown.txt"_s}));
        QCOMPARE(columnTexts(f.view(), 2), QStringList({u".HIDDEN"_s, u"SHOWN.TXT"_s}));
        QCOMPARE(checkMarks(f.view()), QList<bool>({true, true}));
        QCOMPARE(f.frame()->captionBar()->text(), u"marker"_s);
    }
};

QTEST_MAIN(DialogWiringTest)
#include "tst_DialogWiring.moc"

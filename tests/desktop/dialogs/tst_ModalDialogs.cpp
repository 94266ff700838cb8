// The settings dialog and the single-file rename dialog, driven through their controls; the
// single-file rename works on real files in a temporary folder.
#include "core/engine/rename/RenameOperation.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DlgSettings.h"
#include "desktop/dialogs/DlgSingleFileRename.h"
#include "tests/desktop/dialogs/DialogTestSupport.h"
#include "tests/support/TestTree.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>
#include <QTimer>

#include <memory>

class TestModalDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;
    RecordingPrompts m_prompts;

    static int stored(const char *name)
    {
        return CAppSettings::GetProfileInt(QLatin1String(name), -1); // -1: absent
    }
    static void click(const QWidget *dialog, const char *button)
    {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }

    // A single-file dialog on file name in the temporary folder, shown.
    std::unique_ptr<CDlgSingleFileRename> renameDialog(const QString &name)
    {
        auto dialog = std::make_unique<CDlgSingleFileRename>();
        dialog->setFile(m_tree->root() + QLatin1Char('/'), name);
        dialog->show();
        return dialog;
    }
    // Replaces the typed new name and presses OK.
    static void renameTo(CDlgSingleFileRename &dialog, const QString &name)
    {
        QLineEdit *edit = control<QLineEdit>(&dialog, "NewFileName");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, name);
        click(&dialog, "Ok");
    }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
        m_prompts.messages.clear();
        Prompts::install(&m_prompts);
    }
    void cleanup()
    {
        Prompts::install(nullptr);
        m_tree.reset();
    }

    void settingsOpenWithTheStoredFilters()
    {
        {
            CDlgSettings dialog;
            QCOMPARE(dialog.windowTitle(),
                     QStringLiteral("Settings - Quirewell by orvalt.example"));
            QVERIFY(!control<QCheckBox>(&dialog, "DisplayHiddenFiles")->isChecked());
            QVERIFY(!control<QCheckBox>(&dialog, "DisplayReadOnlyFiles")->isChecked());
        }
        CAppSettings().SetDisplayReadOnlyFiles(1);
        CAppSettings().SetResolveChains(1);
        CDlgSettings dialog;
        QVERIFY(!control<QCheckBox>(&dialog, "DisplayHiddenFiles")->isChecked());
        QVERIFY(control<QCheckBox>(&dialog, "DisplayReadOnlyFiles")->isChecked());
        QCOMPARE(control<QCheckBox>(&dialog, "ResolveChains")->text(),
                 QStringLiteral("Rename chains and swaps through temporary names"));
        QVERIFY(control<QCheckBox>(&dialog, "ResolveChains")->isChecked());
    }

    void settingsOkStoresBothBoxes()
    {
        CDlgSettings dialog;
        dialog.show();
        clickBox(control<QCheckBox>(&dialog, "DisplayHiddenFiles"));
        click(&dialog, "Ok");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored("DisplayHiddenFiles"), 1);
        QCOMPARE(stored("DisplayReadOnlyFiles"), 0); // stored even though unchanged
        QCOMPARE(stored("ResolveChains"), 0);

        // Enter presses OK, the default button.
        CDlgSettings again;
        again.show();
        clickBox(control<QCheckBox>(&again, "DisplayReadOnlyFiles"));
        clickBox(control<QCheckBox>(&again, "ResolveChains"));
        QTest::keyClick(control<QCheckBox>(&again, "ResolveChains"), Qt::Key_Return);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(stored("DisplayHiddenFiles"), 1);
        QCOMPARE(stored("DisplayReadOnlyFiles"), 1);
        QCOMPARE(stored("ResolveChains"), 1);
    }

    void settingsCancelEscapeAndCloseStoreNothing()
    {
        for (int way = 0; way < 3; ++way) {
            CDlgSettings dialog;
            dialog.show();
            clickBox(control<QCheckBox>(&dialog, "DisplayHiddenFiles"));
            clickBox(control<QCheckBox>(&dialog, "DisplayReadOnlyFiles"));
            clickBox(control<QCheckBox>(&dialog, "ResolveChains"));
            if (way == 0)
                click(&dialog, "Cancel");
            else if (way == 1)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(stored("DisplayHiddenFiles"), -1);
        QCOMPARE(stored("DisplayReadOnlyFiles"), -1);
        QCOMPARE(stored("ResolveChains"), -1);
    }

    void singleFileDialogShowsTheNameWithFocusOnTheNewName()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt")));
        auto dialog = renameDialog(QStringLiteral("a.txt"));
        QCOMPARE(dialog->windowTitle(),
                 QStringLiteral("Rename Single File - Quirewell by orvalt.example"));
        QCOMPARE(control<QLineEdit>(dialog.get(), "NewFileName")->text(), QStringLiteral("a.txt"));
        QLineEdit *old = control<QLineEdit>(dialog.get(), "FileToRename");
        QCOMPARE(old->text(), QStringLiteral("a.txt"));
        QVERIFY(old->isReadOnly());
        QCOMPARE(dialog->focusWidget(), control<QLineEdit>(dialog.get(), "NewFileName"));
    }

    void emptyNameIsRefusedAndTheDialogStaysOpen()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt")));
        auto dialog = renameDialog(QStringLiteral("a.txt"));
        renameTo(*dialog, QString());
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("New File Name Cannot be Left Empty."));
        QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::Error);
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_tree->entries(), QStringList{QStringLiteral("a.txt")});
    }

    void unchangedNameAcceptsWithoutRenaming()
    {
        // The file is gone: accepting without a rename shows no failure.
        auto dialog = renameDialog(QStringLiteral("gone.txt"));
        click(dialog.get(), "Ok");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(dialog->newFileName(), QStringLiteral("gone.txt"));
    }

    void caseOnlyChangeRenames()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt"), "data"));
        auto dialog = renameDialog(QStringLiteral("a.txt"));
        renameTo(*dialog, QStringLiteral("A.txt"));
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->newFileName(), QStringLiteral("A.txt"));
        QCOMPARE(m_tree->entries(), QStringList{QStringLiteral("A.txt")});
        QCOMPARE(m_tree->contents(QStringLiteral("A.txt")), QByteArray("data"));
    }

    void existingTargetFailsWithTheSystemTextAndCancelLeavesTheFile()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt"), "a"));
        QVERIFY(m_tree->createFile(QStringLiteral("b.txt"), "b"));
        auto dialog = renameDialog(QStringLiteral("a.txt"));
        renameTo(*dialog, QStringLiteral("b.txt"));
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text,
                 QStringLiteral("Could Not Rename File.\n\nFile exists"));
        QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::Error);
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLineEdit>(dialog.get(), "NewFileName")->text(), QStringLiteral("b.txt"));

        click(dialog.get(), "Cancel");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_tree->contents(QStringLiteral("a.txt")), QByteArray("a"));
        QCOMPARE(m_tree->contents(QStringLiteral("b.txt")), QByteArray("b"));
    }

    void aNameWithASlashNeverMovesTheFile()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt"), "a"));
        QVERIFY(m_tree->createFolder(QStringLiteral("sub")));
        auto dialog = renameDialog(QStringLiteral("a.txt"));
        for (const QString &name :
             {QStringLiteral("sub/a.txt"), QStringLiteral("../a.txt"), QStringLiteral("..")}) {
            m_prompts.messages.clear();
            renameTo(*dialog, name);
            QCOMPARE(m_prompts.messages.size(), 1);
            QCOMPARE(m_prompts.messages[0].text,
                     QStringLiteral("Could Not Rename File.\n\n") + refusedNameReason(name));
            QVERIFY(!refusedNameReason(name).isEmpty());
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(m_tree->entries(), (QStringList{QStringLiteral("a.txt"), QStringLiteral("sub/")}));
    }

    void aNameThatIsNotUtf8IsRenamedByItsBytes()
    {
        const QByteArray raw("caf\xe9.txt");
        QVERIFY(m_tree->createRawFile(raw, "x"));
        const QByteArray folder = QFile::encodeName(m_tree->root()) + '/';
        CDlgSingleFileRename dialog;
        dialog.setFile(m_tree->root() + QLatin1Char('/'), QString::fromUtf8(raw), folder, raw);
        dialog.show();
        renameTo(dialog, QStringLiteral("cafe.txt"));
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_tree->entries(), QStringList{QStringLiteral("cafe.txt")});
        QCOMPARE(m_tree->contents(QStringLiteral("cafe.txt")), QByteArray("x"));
    }

    // The real message boxes, however short their text, leave their caption (the
    // application's name) room in the title bar beside the window's buttons.
    void messageBoxesLeaveTheirCaptionRoom()
    {
        Prompts::install(nullptr);
        const auto measure = [](int &width, int &captionWidth) {
            QTimer::singleShot(0, [&width, &captionWidth] {
                for (QWidget *top : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(top);
                    if (!box || !box->isVisible())
                        continue;
                    width = box->width();
                    captionWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
                    box->done(QDialog::Rejected);
                }
            });
        };
        int width = -1;
        int captionWidth = -1;
        measure(width, captionWidth);
        Prompts::instance().message(nullptr, QStringLiteral("Done."), Prompts::Icon::Information);
        QVERIFY(captionWidth > 0);
        QVERIFY2(width >= captionWidth + 100, qPrintable(QString::number(width)));

        width = captionWidth = -1;
        measure(width, captionWidth);
        Prompts::instance().choose(nullptr, QStringLiteral("Go?"), Prompts::Icon::Question,
                                   {QStringLiteral("Yes"), QStringLiteral("No")});
        QVERIFY(captionWidth > 0);
        QVERIFY2(width >= captionWidth + 100, qPrintable(QString::number(width)));
    }

    // A folder path in a message box that wraps is not broken across lines at its slashes
    // or spaces; the words around it wrap instead. What the program says stays the same.
    void messageBoxesKeepAFolderPathOnOneLine()
    {
        Prompts::install(nullptr);
        const QString path =
            QStringLiteral("/home/someone/Pictures/Holiday 2024/Summer-trip to the coast/day 3");
        const QString text = QStringLiteral("The Batch Rename in Folder [") + path +
                             QStringLiteral("] was Interrupted: 2 of 3 File(s) had been "
                                            "Renamed.\n\nFile(s) from Any Sub Folder(s).");
        QString shown;
        int pathLines = -1;
        int lines = -1;
        QTimer::singleShot(0, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(top);
                if (!box || !box->isVisible())
                    continue;
                const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                shown = label->text();
                // The label's own wrapping, at its width.
                QString laidOut = shown;
                laidOut.replace(u'\n', QChar::LineSeparator); // as QLabel lays it out
                QTextLayout layout(laidOut, label->font());
                QTextOption option;
                option.setWrapMode(QTextOption::WordWrap);
                layout.setTextOption(option);
                layout.beginLayout();
                for (QTextLine line = layout.createLine(); line.isValid();
                     line = layout.createLine())
                    line.setLineWidth(label->contentsRect().width());
                layout.endLayout();
                const qsizetype open = shown.indexOf(u'[');
                const qsizetype close = shown.indexOf(u']');
                pathLines = layout.lineForTextPosition(int(close)).lineNumber() -
                            layout.lineForTextPosition(int(open)).lineNumber() + 1;
                lines = layout.lineCount();
                QTest::keySequence(box, QKeySequence::Copy);
                box->done(QDialog::Rejected);
            }
        });
        Prompts::instance().message(nullptr, text, Prompts::Icon::Warning);
        QVERIFY(!shown.isEmpty());
        QVERIFY2(lines > 3, qPrintable(QString::number(lines))); // the first paragraph wrapped
        QCOMPARE(pathLines, 1);
        // Only where the lines may break changes: the words read the same.
        QString words = shown;
        words.remove(QChar(0x2060)).replace(QChar(0x00A0), u' ');
        QCOMPARE(words, text);
        // What Ctrl+C copies is the text as given, the path without joiners.
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }
};

QTEST_MAIN(TestModalDialogs)
#include "tst_ModalDialogs.moc"

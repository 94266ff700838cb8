// The rename parameters window driven through its real controls: what each change stores
// and what it hands to the view.
#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/ui/CommandIds.h"
#include "tests/desktop/dialogs/DialogTestSupport.h"
#include "tests/support/TestTree.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

#include <cstdlib>
#include <memory>
#include <utility>

class TestDlgRenameParameters : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<CDlgRenameParameters> m_dialog;
    QList<int> m_posted;       // what the dialog asked for, as the commands it stands for
    int m_handedNotStored = 0; // values handed over that differ from the store's
    CAppSettings m_settings;

    // Opens a fresh dialog over the store as it is now.
    void open()
    {
        m_dialog = std::make_unique<CDlgRenameParameters>();
        m_posted.clear();
        connect(m_dialog.get(), &CDlgRenameParameters::parametersEdited, this,
                [this](const RenameParameters &parameters) {
                    m_posted.append(Cmd::DisplayNewNames);
                    if (parameters != RenameParameters::fromSettings(CAppSettings()))
                        ++m_handedNotStored;
                });
        connect(m_dialog.get(), &CDlgRenameParameters::renameAllClicked, this,
                [this] { m_posted.append(Cmd::StartRenaming); });
        m_dialog->showDialog();
    }
    QLineEdit *edit(const char *name) { return control<QLineEdit>(m_dialog.get(), name); }
    QCheckBox *box(const char *name) { return control<QCheckBox>(m_dialog.get(), name); }
    // The commands posted since the last call.
    QList<int> takePosted() { return std::exchange(m_posted, {}); }
    static QList<int> recomputes(int count) { return QList<int>(count, Cmd::DisplayNewNames); }
    void replaceText(QLineEdit *line, const QString &text)
    {
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, text);
    }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
    }
    void cleanup()
    {
        // Every value handed to the view is the one just stored.
        QCOMPARE(m_handedNotStored, 0);
        m_handedNotStored = 0;
        m_dialog.reset();
        m_tree.reset();
    }

    void firstShowingWithAnEmptyStore()
    {
        open();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->windowTitle(),
                 QStringLiteral("File Rename Parameter(s) - Quirewell by orvalt.example"));
        for (const char *name :
             {"CheckFindAndReplace", "CheckNewFileName", "CheckNumberAtStart", "CheckNumberAtEnd",
              "CheckRemoveInitialCharacters", "CheckUpperCase", "CheckLowerCase", "CheckTitleCase",
              "CheckSentenceCase", "CheckTrimSpaces", "CheckAscii", "CheckLowerExtension"})
            QVERIFY2(!box(name)->isChecked(), name);
        for (const char *name : {"FindText", "ReplaceText", "NewFileName"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        for (const char *name : {"NumberAtStart", "NumberAtEnd", "RemoveInitialCharactersLength"})
            QCOMPARE(edit(name)->text(), QStringLiteral("1"));
        QCOMPARE(control<QComboBox>(m_dialog.get(), "ApplyTo")->currentIndex(), 0);
        QVERIFY(!control<QLabel>(m_dialog.get(), "NumberMessage")->isVisible());
        QCOMPARE(m_dialog->focusWidget(), box("CheckFindAndReplace"));
        QCOMPARE(takePosted(), QList<int>());
    }

    // The find and replace group's frame line runs through its title, a check box, and not
    // below it.
    void theGroupTitleSitsOnItsFrame()
    {
        open();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QCheckBox *title = box("CheckFindAndReplace");
        const QWidget *group = title->parentWidget();
        const QImage shot = m_dialog->grab().toImage();
        const QRect titleArea(title->mapTo(m_dialog.get(), QPoint()), title->size());
        const QPoint groupTop = group->mapTo(m_dialog.get(), QPoint());
        // A column right of the title, inside the frame's width.
        const int x = titleArea.right() + 20;
        QVERIFY(x < groupTop.x() + group->width() - 10);
        const QRgb background = shot.pixel(x, groupTop.y());
        int line = -1;
        for (int y = groupTop.y(); y < groupTop.y() + group->height() && line < 0; ++y) {
            const QRgb pixel = shot.pixel(x, y);
            if (std::abs(qGray(pixel) - qGray(background)) > 12)
                line = y;
        }
        QVERIFY2(line > titleArea.top() && line < titleArea.bottom(),
                 qPrintable(QStringLiteral("line at %1, title from %2 to %3")
                                .arg(line)
                                .arg(titleArea.top())
                                .arg(titleArea.bottom())));
    }

    void openingWithRemovalOnStoresTheLengthAndRecomputesOnce()
    {
        m_settings.setValue(CAppSettings::Key::CheckRemoveInitialCharacters, 1);
        m_settings.setValue(CAppSettings::Key::RemoveInitialCharactersLength, 300);
        m_settings.setValue(CAppSettings::Key::CheckLowerCase, 1);
        open();
        QCOMPARE(edit("RemoveInitialCharactersLength")->text(), QStringLiteral("300"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 300);
        QVERIFY(box("CheckRemoveInitialCharacters")->isChecked());
        QVERIFY(box("CheckLowerCase")->isChecked());
        QVERIFY(!box("CheckUpperCase")->isChecked());
        QCOMPARE(takePosted(), recomputes(1));
    }

    void textsStoreAlwaysAndRecomputeOnlyWhileTheirOperationIsOn()
    {
        open();
        QTest::keyClicks(edit("FindText"), QStringLiteral("ab"));
        QTest::keyClicks(edit("ReplaceText"), QStringLiteral("x"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::FindText), QStringLiteral("ab"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::ReplaceText), QStringLiteral("x"));
        QCOMPARE(takePosted(), QList<int>());

        clickBox(box("CheckFindAndReplace"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckFindAndReplace), 1);
        QCOMPARE(takePosted(), recomputes(1));
        QTest::keyClicks(edit("FindText"), QStringLiteral("c"));
        QTest::keyClicks(edit("ReplaceText"), QStringLiteral("yz"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::FindText), QStringLiteral("abc"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::ReplaceText), QStringLiteral("xyz"));
        QCOMPARE(takePosted(), recomputes(3));

        QTest::keyClicks(edit("NewFileName"), QStringLiteral("n"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::NewFileName), QStringLiteral("n"));
        QCOMPARE(takePosted(), QList<int>());
        clickBox(box("CheckNewFileName"));
        QTest::keyClicks(edit("NewFileName"), QStringLiteral("ew"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckNewFileName), 1);
        QCOMPARE(m_settings.textValue(CAppSettings::Key::NewFileName), QStringLiteral("new"));
        QCOMPARE(takePosted(), recomputes(3));

        replaceText(edit("RemoveInitialCharactersLength"), QStringLiteral("4"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 4);
        QCOMPARE(takePosted(), QList<int>());
        clickBox(box("CheckRemoveInitialCharacters"));
        QTest::keyClicks(edit("RemoveInitialCharactersLength"), QStringLiteral("2"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckRemoveInitialCharacters), 1);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 42);
        QCOMPARE(takePosted(), recomputes(2));

        // Clearing a box stores 0 and recomputes too.
        clickBox(box("CheckFindAndReplace"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckFindAndReplace), 0);
        QCOMPARE(takePosted(), recomputes(1));
    }

    void numberEditsRecomputeWhateverTheirBoxSays()
    {
        open();
        replaceText(edit("NumberAtStart"), QStringLiteral("25"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::NumberAtStart), 25);
        replaceText(edit("NumberAtEnd"), QStringLiteral("7"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::NumberAtEnd), 7);
        // Emptying counts as a change too: empty, 2, 25, empty, 7.
        QCOMPARE(takePosted(), recomputes(5));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckNumberAtStart), 0);

        clickBox(box("CheckNumberAtStart"));
        clickBox(box("CheckNumberAtEnd"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckNumberAtStart), 1);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckNumberAtEnd), 1);
        QCOMPARE(takePosted(), recomputes(2));
    }

    // Digits and steps are stored at once and previewed while their number is on; the
    // digits never go past 255, a step may be negative.
    void numberingControlsStoreAndPreview()
    {
        open();
        using Key = CAppSettings::Key;
        const auto typeInto = [](QSpinBox *spin, const QString &text) {
            spin->setFocus();
            spin->selectAll();
            QTest::keyClick(spin, Qt::Key_Backspace);
            QTest::keyClicks(spin, text);
        };
        auto *padStart = control<QSpinBox>(m_dialog.get(), "PadNumberAtStart");
        typeInto(padStart, QStringLiteral("3"));
        QCOMPARE(m_settings.intValue(Key::PadNumberAtStart), 3);
        QCOMPARE(takePosted(), QList<int>()); // the start number is off

        clickBox(box("CheckNumberAtStart"));
        QCOMPARE(takePosted(), recomputes(1));
        typeInto(control<QSpinBox>(m_dialog.get(), "StepNumberAtStart"), QStringLiteral("-12"));
        QCOMPARE(m_settings.intValue(Key::StepNumberAtStart), -12);
        QVERIFY(!takePosted().isEmpty());

        typeInto(padStart, QStringLiteral("999"));
        QCOMPARE(padStart->value(), 99); // the last 9 would pass 255
        QCOMPARE(m_settings.intValue(Key::PadNumberAtStart), 99);
        takePosted();

        for (const Key key : {Key::RestartNumbersEachFolder, Key::CheckPadNumbers}) {
            clickBox(box(qPrintable(CAppSettings::keyName(key))));
            QCOMPARE(m_settings.intValue(key), 1);
            QCOMPARE(takePosted(), recomputes(1));
        }
        typeInto(control<QSpinBox>(m_dialog.get(), "PadNumbersDigits"), QStringLiteral("5"));
        QCOMPARE(m_settings.intValue(Key::PadNumbersDigits), 5);
        QVERIFY(!takePosted().isEmpty());
        // The window with its new controls still fits a screen 800 pixels wide.
        QVERIFY2(m_dialog->minimumSizeHint().width() <= 800,
                 qPrintable(QString::number(m_dialog->minimumSizeHint().width())));
    }

    void caseBoxesExcludeEachOtherOnScreenAndInTheStore()
    {
        open();
        QCheckBox *upper = box("CheckUpperCase");
        QCheckBox *lower = box("CheckLowerCase");
        clickBox(upper);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 1);
        clickBox(lower);
        QVERIFY(lower->isChecked());
        QVERIFY(!upper->isChecked());
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 0);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckLowerCase), 1);
        clickBox(upper);
        QVERIFY(upper->isChecked());
        QVERIFY(!lower->isChecked());
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 1);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckLowerCase), 0);
        QCOMPARE(takePosted(), recomputes(3));
    }

    // Any case box clicked on clears the other three, on screen and in the store.
    void theFourCaseBoxesExcludeEachOther()
    {
        using K = CAppSettings::Key;
        const QList<std::pair<const char *, K>> cases{{"CheckUpperCase", K::CheckUpperCase},
                                                      {"CheckLowerCase", K::CheckLowerCase},
                                                      {"CheckTitleCase", K::CheckTitleCase},
                                                      {"CheckSentenceCase", K::CheckSentenceCase}};
        open();
        for (const auto &[clicked, clickedKey] : cases) {
            clickBox(box(clicked));
            for (const auto &[name, key] : cases) {
                const bool set = key == clickedKey;
                QCOMPARE(box(name)->isChecked(), set);
                QCOMPARE(m_settings.intValue(key), set ? 1 : 0);
            }
        }
        QCOMPARE(takePosted(), recomputes(int(cases.size())));
    }

    // The text steps' boxes and the part chosen are stored at once and recompute the list.
    void textStepsAndThePartAreStored()
    {
        m_settings.setValue(CAppSettings::Key::ApplyTo, 9); // no such part: the whole name
        open();
        auto *part = control<QComboBox>(m_dialog.get(), "ApplyTo");
        QCOMPARE(part->currentIndex(), 0);
        takePosted();
        using K = CAppSettings::Key;
        for (const K key : {K::CheckTrimSpaces, K::CheckAscii, K::CheckLowerExtension}) {
            clickBox(control<QCheckBox>(m_dialog.get(), qPrintable(CAppSettings::keyName(key))));
            QCOMPARE(m_settings.intValue(key), 1);
        }
        part->setFocus();
        QTest::keyClick(part, Qt::Key_Down);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::ApplyTo), 1);
        QCOMPARE(takePosted(), recomputes(4));
        // A new dialog shows what is stored.
        open();
        QCOMPARE(control<QComboBox>(m_dialog.get(), "ApplyTo")->currentIndex(), 1);
        QVERIFY(box("CheckAscii")->isChecked());
    }

    void clearingOneCaseBoxLeavesTheOther()
    {
        // A store that holds both flags (written by hand, say) opens with both set.
        m_settings.setValue(CAppSettings::Key::CheckUpperCase, 1);
        m_settings.setValue(CAppSettings::Key::CheckLowerCase, 1);
        open();
        clickBox(box("CheckUpperCase"));
        QVERIFY(box("CheckLowerCase")->isChecked());
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 0);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckLowerCase), 1);
    }

    void anInvalidNumberKeepsTheLastValidOneAndSaysSo()
    {
        m_settings.setValue(CAppSettings::Key::RemoveInitialCharactersLength, 7);
        m_settings.setValue(CAppSettings::Key::CheckRemoveInitialCharacters, 1);
        open();
        takePosted();
        QLabel *message = control<QLabel>(m_dialog.get(), "NumberMessage");
        QLineEdit *length = edit("RemoveInitialCharactersLength");

        length->selectAll();
        QTest::keyClick(length, Qt::Key_Backspace);
        QVERIFY(length->text().isEmpty());
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 7);
        QVERIFY(message->isVisible());
        QVERIFY(!message->text().isEmpty());
        QCOMPARE(takePosted(), recomputes(1));

        // Fields after the invalid one are not taken while it stays invalid; earlier ones are.
        clickBox(box("CheckUpperCase"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 0);
        QTest::keyClicks(edit("FindText"), QStringLiteral("f"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::FindText), QStringLiteral("f"));

        QTest::keyClicks(length, QStringLiteral("9"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 9);
        QVERIFY(!message->isVisible());
        // The box was left set on screen; clear it and set it again.
        clickBox(box("CheckUpperCase"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 0);
        clickBox(box("CheckUpperCase"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::CheckUpperCase), 1);

        // Beyond 32 bits: the last number that fitted stays stored.
        QLineEdit *end = edit("NumberAtEnd");
        replaceText(end, QStringLiteral("2147483647"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::NumberAtEnd), 2147483647);
        QTest::keyClicks(end, QStringLiteral("0"));
        QCOMPARE(end->text(), QStringLiteral("21474836470"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::NumberAtEnd), 2147483647);
        QVERIFY(message->isVisible());
    }

    void numberEditsTakeOnlyDigits()
    {
        open();
        QLineEdit *start = edit("NumberAtStart");
        QTest::keyClicks(start, QStringLiteral("-x 2"));
        QCOMPARE(start->text(), QStringLiteral("12"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::NumberAtStart), 12);
    }

    void arrowsStepWithinTheRangeAndStoreEachStep()
    {
        m_settings.setValue(CAppSettings::Key::RemoveInitialCharactersLength, 254);
        open();
        takePosted();
        auto *up = control<QToolButton>(m_dialog.get(), "RemoveInitialCharactersLengthUp");
        auto *down = control<QToolButton>(m_dialog.get(), "RemoveInitialCharactersLengthDown");
        QLineEdit *length = edit("RemoveInitialCharactersLength");

        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(length->text(), QStringLiteral("255"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 255);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(length->text(), QStringLiteral("255"));
        QTest::keyClick(length, Qt::Key_Down);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 254);
        QCOMPARE(takePosted(), QList<int>()); // the removal is off

        replaceText(length, QStringLiteral("1"));
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 0);
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(length->text(), QStringLiteral("0"));

        // Typed beyond the arrows' range: stored as typed; an arrow then steps from the end.
        replaceText(length, QStringLiteral("300"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 300);
        clickBox(box("CheckRemoveInitialCharacters"));
        takePosted();
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 254);
        QTest::keyClick(length, Qt::Key_Up);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::RemoveInitialCharactersLength), 255);
        QCOMPARE(takePosted(), recomputes(2));
    }

    void closingHidesAndShowingAgainKeepsTheControls()
    {
        open();
        QTest::keyClicks(edit("FindText"), QStringLiteral("abc"));
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());

        m_settings.setValue(CAppSettings::Key::FindText, QStringLiteral("zzz"));
        m_settings.setValue(CAppSettings::Key::CheckUpperCase, 1);
        m_dialog->showDialog();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(edit("FindText")->text(), QStringLiteral("abc"));
        QVERIFY(!box("CheckUpperCase")->isChecked());

        QVERIFY(m_dialog->close());
        QVERIFY(!m_dialog->isVisible());
        m_dialog->showDialog();
        QCOMPARE(edit("FindText")->text(), QStringLiteral("abc"));
        QCOMPARE(takePosted(), QList<int>());
    }

    void renameAllStartsRenamingAndStaysOpen()
    {
        open();
        QTest::mouseClick(control<QPushButton>(m_dialog.get(), "RenameAll"), Qt::LeftButton);
        QCOMPARE(takePosted(), QList<int>{Cmd::StartRenaming});
        QVERIFY(m_dialog->isVisible());
        // Enter is no shortcut for it.
        QTest::keyClick(edit("FindText"), Qt::Key_Return);
        QCOMPARE(takePosted(), QList<int>());
        QVERIFY(m_dialog->isVisible());
    }

    void invalidExpressionIsShownAndKeepsTheLastPreview()
    {
        m_settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
        open();
        takePosted();
        QLabel *message = control<QLabel>(m_dialog.get(), "FindMessage");
        QVERIFY(!message->isVisible());
        // The two boxes read as "on" while their stored flags are off.
        QVERIFY(box("FindIgnoreCase")->isChecked());
        QVERIFY(box("FindFirstOnly")->isChecked());
        clickBox(box("FindIgnoreCase"));
        clickBox(box("FindFirstOnly"));
        QCOMPARE(m_settings.intValue(CAppSettings::Key::FindIgnoreCase), 1);
        QCOMPARE(m_settings.intValue(CAppSettings::Key::FindFirstOnly), 1);
        clickBox(box("FindRegularExpression"));
        QCOMPARE(takePosted(), recomputes(3));

        // Each keystroke is stored; none is handed on while the expression is invalid.
        QTest::keyClicks(edit("FindText"), QStringLiteral("(a"));
        QCOMPARE(m_settings.textValue(CAppSettings::Key::FindText), QStringLiteral("(a"));
        QCOMPARE(takePosted(), QList<int>());
        QVERIFY(message->isVisible());
        QVERIFY2(message->text().startsWith(
                     u"Invalid regular expression at position 2: missing closing parenthesis"_qs),
                 qPrintable(message->text()));
        clickBox(box("CheckUpperCase"));
        QCOMPARE(takePosted(), QList<int>());
        QTest::keyClicks(edit("ReplaceText"), QStringLiteral("$1"));
        QCOMPARE(takePosted(), QList<int>());

        QTest::keyClicks(edit("FindText"), QStringLiteral(")"));
        QVERIFY(!message->isVisible());
        QCOMPARE(takePosted(), recomputes(1));
        // A replacement naming a group the expression lacks is shown the same way.
        QTest::keyClicks(edit("ReplaceText"), QStringLiteral("$2"));
        QVERIFY(message->text().startsWith(u"Invalid replacement at position 2"_qs));
        QCOMPARE(takePosted(), recomputes(1)); // "$1$" on the way is valid: a lone dollar
        // Plain text cannot be invalid.
        clickBox(box("FindRegularExpression"));
        QVERIFY(!message->isVisible());
        QCOMPARE(takePosted(), recomputes(1));
    }

    void mnemonicsReachTheirControls()
    {
        open();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QTest::keyClick(m_dialog.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), edit("FindText"));
        QTest::keyClick(m_dialog.get(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(box("CheckNewFileName")->isChecked());
        QTRY_COMPARE(m_settings.intValue(CAppSettings::Key::CheckNewFileName), 1);
        QCOMPARE(takePosted(), recomputes(1));
    }
};

QTEST_MAIN(TestDlgRenameParameters)
#include "tst_DlgRenameParameters.moc"

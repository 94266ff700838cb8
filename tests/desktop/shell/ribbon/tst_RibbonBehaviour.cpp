#include "desktop/shell/ribbon/KeyTips.h"
#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/ui/CommandIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <map>

// How the ribbon reacts: the application button, key tips, and the states the routing gives.
using namespace Qt::StringLiterals;

// What the routing would answer: true and the state when the command is handled.
using StateQuery = std::function<bool(int id, CommandUiState &state)>;

class RibbonBehaviourTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void applicationButtonPressStartsRenaming();
    void applicationButtonDoubleClick();
    void keyTipFOpensTheFileMenu();
    void keyTipsRunElements_data();
    void keyTipsRunElements();
    void escapeHidesKeyTips();
    void disabledKeyTipDoesNothing();
    void checkBoxesFollowStates();
    void disabledElementsDoNotEmit();
    void printEntriesAlwaysDisabled();
    void looksEmitTheirIdsWithRadioMarks();
    void panelsCollapseFromTheRightAndDropDown();
    void keyTipsReachACollapsedPanelsElements();
    void keyTipsWorkInADropDownOpenedWithTheMouse();

private:
    template <typename T> T *element(const char *name)
    {
        return m_ribbon->findChild<T *>(QString::fromUtf8(name));
    }
    QStringList visibleKeyTips() const;
    void refreshStates(const StateQuery &query)
    {
        m_actions->refresh([query](int id) -> std::optional<CommandUiState> {
            CommandUiState state;
            if (!query(id, state))
                return std::nullopt;
            return state;
        });
    }
    void typeKeys(const QString &keys);

    CommandActions *m_actions = nullptr;
    Ribbon *m_ribbon = nullptr;
    QSignalSpy *m_commands = nullptr;
    QSignalSpy *m_activations = nullptr;
};

// Every command handled and enabled, with the given check marks.
static StateQuery allHandled(std::map<int, bool> checks = {})
{
    return [checks](int id, CommandUiState &state) {
        if (auto found = checks.find(id); found != checks.end()) {
            state.checkable = true;
            state.checked = found->second;
        }
        return true;
    };
}

void RibbonBehaviourTest::init()
{
    m_actions = new CommandActions;
    m_ribbon = new Ribbon(*m_actions);
    // Wide enough that no panel collapses: the key tips of every element are tried here, the
    // collapsed panels in their own cases.
    m_ribbon->resize(1280, m_ribbon->sizeHint().height());
    m_ribbon->show();
    m_ribbon->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ribbon));
    m_commands = new QSignalSpy(m_actions, &CommandActions::triggered);
    m_activations = new QSignalSpy(m_ribbon, &Ribbon::applicationButtonActivated);
    refreshStates(allHandled());
}

void RibbonBehaviourTest::cleanup()
{
    delete m_commands;
    delete m_activations;
    delete m_ribbon;
    delete m_actions;
}

QStringList RibbonBehaviourTest::visibleKeyTips() const
{
    QStringList tips;
    for (const QLabel *badge : m_ribbon->findChildren<QLabel *>(QStringLiteral("keytip"))) {
        if (badge->isVisible())
            tips.append(badge->text());
    }
    return tips;
}

void RibbonBehaviourTest::typeKeys(const QString &keys)
{
    for (const QChar c : keys) {
        if (c == u'!')
            QTest::keyClick(m_ribbon, Qt::Key_Alt);
        else
            QTest::keyClick(m_ribbon, c.toLatin1());
    }
}

void RibbonBehaviourTest::applicationButtonPressStartsRenaming()
{
    auto *button = element<QToolButton>("application-button");
    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(m_activations->count(), 1);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(m_activations->count(), 1);
    QTest::mouseClick(button, Qt::RightButton);
    QCOMPARE(m_activations->count(), 1);
    QVERIFY(!m_ribbon->applicationMenu()->isVisible());
    QCOMPARE(m_commands->count(), 0);
}

void RibbonBehaviourTest::applicationButtonDoubleClick()
{
    auto *button = element<QToolButton>("application-button");
    const QPointF at(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &doubleClick);
    QCOMPARE(m_activations->count(), 1);
    QVERIFY(!m_ribbon->applicationMenu()->isVisible());
}

void RibbonBehaviourTest::keyTipFOpensTheFileMenu()
{
    typeKeys(QStringLiteral("!"));
    QVERIFY(m_ribbon->keyTips()->isActive());
    QStringList tips = visibleKeyTips();
    tips.sort();
    QCOMPARE(tips, QStringList({u"A1"_s, u"A2"_s, u"D"_s, u"F"_s, u"H"_s, u"S"_s}));
    typeKeys(QStringLiteral("f"));
    QTRY_VERIFY(m_ribbon->applicationMenu()->isVisible());
    QVERIFY(!m_ribbon->keyTips()->isActive());
    QVERIFY(visibleKeyTips().isEmpty());
    QCOMPARE(m_activations->count(), 0);
    m_ribbon->applicationMenu()->hide();
}

void RibbonBehaviourTest::keyTipsRunElements_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("command");
    QTest::newRow("donate") << "!d" << int(Cmd::Donate);
    QTest::newRow("share: first of two a") << "!a1" << int(Cmd::ShareOnFacebook);
    QTest::newRow("about: second of two a") << "!a2" << int(Cmd::AppAbout);
    QTest::newRow("status bar") << "!hs" << int(Cmd::ViewStatusBar);
    QTest::newRow("caption bar") << "!hc" << int(Cmd::ViewCaptionBar);
    QTest::newRow("windows") << "!hi" << int(Cmd::WindowManager);
    QTest::newRow("letters taken go to the next one") << "!ho" << int(Cmd::SourceFolderInExplorer);
}

void RibbonBehaviourTest::keyTipsRunElements()
{
    QFETCH(QString, keys);
    typeKeys(keys);
    QCOMPARE(m_commands->count(), 1);
    QTEST(m_commands->first().first().toInt(), "command");
    QVERIFY(!m_ribbon->keyTips()->isActive());
    QVERIFY(visibleKeyTips().isEmpty());
}

void RibbonBehaviourTest::escapeHidesKeyTips()
{
    typeKeys(QStringLiteral("!h"));
    QCOMPARE(m_ribbon->keyTips()->scope(), QStringLiteral("category:0"));
    QVERIFY(visibleKeyTips().contains(QStringLiteral("I")));
    QTest::keyClick(m_ribbon, Qt::Key_Escape);
    QVERIFY(!m_ribbon->keyTips()->isActive());
    QVERIFY(visibleKeyTips().isEmpty());
    // With the badges gone, letters are plain keys again.
    typeKeys(QStringLiteral("si"));
    QCOMPARE(m_commands->count(), 0);
    // Alt with another key is a key combination, not a request for key tips.
    QTest::keyPress(m_ribbon, Qt::Key_Alt);
    QTest::keyClick(m_ribbon, Qt::Key_X, Qt::AltModifier);
    QTest::keyRelease(m_ribbon, Qt::Key_Alt);
    QVERIFY(!m_ribbon->keyTips()->isActive());
}

void RibbonBehaviourTest::disabledKeyTipDoesNothing()
{
    refreshStates([](int id, CommandUiState &) {
        return id != Cmd::ViewStatusBar && id != Cmd::ShareOnFacebook;
    });
    typeKeys(QStringLiteral("!hs"));
    QCOMPARE(m_commands->count(), 0);
    QVERIFY(m_ribbon->keyTips()->isActive());
    QTest::keyClick(m_ribbon, Qt::Key_Escape);
    // The two tab-row buttons given the key tip "a" are A1 and A2; a disabled one does
    // nothing, the other runs.
    typeKeys(QStringLiteral("!a1"));
    QCOMPARE(m_commands->count(), 0);
    QTest::keyClick(m_ribbon, Qt::Key_Escape);
    typeKeys(QStringLiteral("!a2"));
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::AppAbout));
}

void RibbonBehaviourTest::checkBoxesFollowStates()
{
    auto *statusBar = element<QCheckBox>("cmd-59393");
    auto *captionBar = element<QCheckBox>("cmd-221");
    auto *subFolders = element<QCheckBox>("cmd-32802");
    refreshStates(allHandled({{Cmd::ViewStatusBar, true},
                              {Cmd::ViewCaptionBar, false},
                              {Cmd::FilesInSubFolders, true}}));
    QVERIFY(statusBar->isChecked());
    QVERIFY(!captionBar->isChecked());
    QVERIFY(subFolders->isChecked());

    // A click asks for the command; the mark changes only when the routing says so.
    QTest::mouseClick(captionBar, Qt::LeftButton);
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::ViewCaptionBar));
    QVERIFY(!captionBar->isChecked());
    refreshStates(allHandled({{Cmd::ViewCaptionBar, true}}));
    QVERIFY(captionBar->isChecked());
    QVERIFY(!statusBar->isChecked());
}

void RibbonBehaviourTest::disabledElementsDoNotEmit()
{
    refreshStates([](int id, CommandUiState &state) {
        if (id == Cmd::SourceFolderInExplorer)
            state.enabled = false; // handled but refused
        return id != Cmd::RenameSelectedFile && id != Cmd::FilesInSubFolders &&
               id != Cmd::WindowNew;
    });
    auto *selectedFile = element<QToolButton>("cmd-32787");
    auto *folderContents = element<QToolButton>("cmd-32780");
    auto *subFolders = element<QCheckBox>("cmd-32802");
    auto *newWindow = m_ribbon->findChild<QAction *>(QStringLiteral("cmd-57648"));
    QVERIFY(!selectedFile->isEnabled());
    QVERIFY(!folderContents->isEnabled());
    QVERIFY(!subFolders->isEnabled());
    QVERIFY(!newWindow->isEnabled());
    QTest::mouseClick(selectedFile, Qt::LeftButton);
    QTest::mouseClick(folderContents, Qt::LeftButton);
    QTest::mouseClick(subFolders, Qt::LeftButton);
    newWindow->trigger();
    QCOMPARE(m_commands->count(), 0);

    QTest::mouseClick(element<QToolButton>("cmd-32788"), Qt::LeftButton);
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::Reload));
}

void RibbonBehaviourTest::printEntriesAlwaysDisabled()
{
    refreshStates(allHandled());
    for (int id :
         {Cmd::FilePrint, Cmd::FilePrintDirect, Cmd::FilePrintPreview, Cmd::FilePageSetup}) {
        auto *action = m_ribbon->findChild<QAction *>(QStringLiteral("cmd-%1").arg(id));
        QVERIFY2(action, qPrintable(QString::number(id)));
        QVERIFY(!action->isEnabled());
        action->trigger();
    }
    QCOMPARE(m_commands->count(), 0);
    auto *open = m_ribbon->findChild<QAction *>(QStringLiteral("cmd-57601"));
    QVERIFY(open->isEnabled());
    open->trigger();
    QCOMPARE(m_commands->count(), 1);
    // No entry of a recent file, whatever the routing answers.
    for (QAction *action : m_ribbon->applicationMenu()->actions())
        QVERIFY(RibbonElement::command(action) < Cmd::FileMruFirst ||
                RibbonElement::command(action) >= Cmd::FileMruFirst + 16);
}

void RibbonBehaviourTest::looksEmitTheirIdsWithRadioMarks()
{
    const QList<QAction *> looks = element<QToolButton>("style-menu")->menu()->actions();
    QCOMPARE(looks.size(), 4);
    const auto lookState = [](int current) {
        return [current](int id, CommandUiState &state) {
            if (id >= Cmd::LookFirst && id <= Cmd::LookLast) {
                state.checkable = true;
                state.checked = id == current;
            }
            return true;
        };
    };
    refreshStates(lookState(Cmd::LookSilver));
    QList<bool> marks;
    for (const QAction *look : looks)
        marks.append(look->isChecked());
    QCOMPARE(marks, QList<bool>({false, false, true, false}));

    for (QAction *look : looks)
        look->trigger();
    QCOMPARE(m_commands->size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_commands->at(i).first().toInt(), int(Cmd::LookBlue) + i);
    // Choosing does not move the mark; the routing's next answer does.
    QVERIFY(looks.at(2)->isChecked());
    QVERIFY(!looks.at(3)->isChecked());
    refreshStates(lookState(Cmd::LookBlue));
    QVERIFY(looks.at(0)->isChecked());
    QVERIFY(!looks.at(2)->isChecked());
    // A stored look outside the menu marks none of its entries.
    refreshStates(lookState(Cmd::LookOffice2003));
    for (const QAction *look : looks)
        QVERIFY(!look->isChecked());
}

void RibbonBehaviourTest::keyTipsReachACollapsedPanelsElements()
{
    m_ribbon->resize(m_ribbon->minimumSizeHint().width(), m_ribbon->height());
    QApplication::sendPostedEvents();
    RibbonPanel *view = m_ribbon->categories().first()->panels().first();
    QVERIFY(view->isCollapsed());
    auto *captionBar = element<QCheckBox>("cmd-221");

    // The panel's tip drops its contents down, and their tips show there; keys typed in
    // the drop-down reach them. Escape goes back to the category's tips.
    typeKeys(QStringLiteral("!hv"));
    QTRY_VERIFY(captionBar->isVisible());
    QWidget *dropDown = captionBar->window();
    QVERIFY(dropDown != m_ribbon);
    QStringList inDropDown;
    for (const QLabel *badge : dropDown->findChildren<QLabel *>(QStringLiteral("keytip")))
        inDropDown.append(badge->text());
    QCOMPARE(inDropDown.size(), view->elements().size());
    QVERIFY(inDropDown.contains(u"C"_s));
    QTest::keyClick(dropDown, Qt::Key_Escape);
    QCOMPARE(m_ribbon->keyTips()->scope(), QStringLiteral("category:0"));
    QTRY_VERIFY(!captionBar->isVisible());
    QVERIFY(visibleKeyTips().contains(QStringLiteral("V")));

    QTest::keyClick(m_ribbon, 'v');
    QTRY_VERIFY(captionBar->isVisible());
    QTest::keyClick(captionBar->window(), 'c');
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::ViewCaptionBar));
    QVERIFY(!m_ribbon->keyTips()->isActive());
    QTRY_VERIFY(!captionBar->isVisible());
}

void RibbonBehaviourTest::keyTipsWorkInADropDownOpenedWithTheMouse()
{
    m_ribbon->resize(m_ribbon->minimumSizeHint().width(), m_ribbon->height());
    QApplication::sendPostedEvents();
    RibbonPanel *view = m_ribbon->categories().first()->panels().first();
    QVERIFY(view->isCollapsed());
    QTest::mouseClick(view->collapsedButton(), Qt::LeftButton);
    auto *captionBar = element<QCheckBox>("cmd-221");
    QTRY_VERIFY(captionBar->isVisible());
    QWidget *dropDown = captionBar->window();
    QVERIFY(dropDown != m_ribbon);

    // Alt there shows the drop-down's own tips, and typing one runs its element.
    QTest::keyClick(dropDown, Qt::Key_Alt);
    QVERIFY(m_ribbon->keyTips()->isActive());
    QStringList inDropDown;
    for (const QLabel *badge : dropDown->findChildren<QLabel *>(QStringLiteral("keytip")))
        inDropDown.append(badge->text());
    QCOMPARE(inDropDown.size(), view->elements().size());
    QVERIFY(inDropDown.contains(u"C"_s));
    QTest::keyClick(dropDown, 'c');
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::ViewCaptionBar));
    QVERIFY(!m_ribbon->keyTips()->isActive());
    QTRY_VERIFY(!captionBar->isVisible());
}

QTEST_MAIN(RibbonBehaviourTest)
#include "tst_RibbonBehaviour.moc"

void RibbonBehaviourTest::panelsCollapseFromTheRightAndDropDown()
{
    RibbonCategory *home = m_ribbon->categories().first();
    const QList<RibbonPanel *> &panels = home->panels();
    const int height = m_ribbon->height();
    int collapsedBefore = -1;
    for (int width = 1400; width >= m_ribbon->minimumSizeHint().width(); width -= 25) {
        m_ribbon->resize(width, height);
        QApplication::sendPostedEvents();
        QCOMPARE(m_ribbon->width(), width);
        // The collapsed panels are the rightmost ones, more of them as the width shrinks,
        // and every label shown has all the room it asks for.
        int collapsed = 0;
        for (qsizetype i = 0; i < panels.size(); ++i) {
            QVERIFY(panels[i]->isCollapsed() || collapsed == 0);
            collapsed += panels[i]->isCollapsed();
            for (QWidget *element : panels[i]->elements()) {
                if (element->isVisible())
                    QVERIFY(element->width() >= element->sizeHint().width());
            }
            if (panels[i]->isCollapsed()) {
                QVERIFY(panels[i]->collapsedButton()->width() >=
                        panels[i]->collapsedButton()->sizeHint().width());
                QVERIFY2(!panels[i]->collapsedButton()->icon().isNull(),
                         qPrintable(panels[i]->title()));
            }
        }
        QVERIFY(collapsed >= collapsedBefore);
        collapsedBefore = collapsed;
    }
    QCOMPARE(collapsedBefore, panels.size());

    // The collapsed panel's button drops its contents down; an element there runs its
    // command and the drop-down closes.
    RibbonPanel *view = panels.first();
    QTest::mouseClick(view->collapsedButton(), Qt::LeftButton);
    auto *captionBar = element<QCheckBox>("cmd-221");
    QTRY_VERIFY(captionBar->isVisible());
    QVERIFY(captionBar->window() != m_ribbon);
    QTest::mouseClick(captionBar, Qt::LeftButton);
    QCOMPARE(m_commands->count(), 1);
    QCOMPARE(m_commands->first().first().toInt(), int(Cmd::ViewCaptionBar));
    QTRY_VERIFY(!captionBar->isVisible());

    // Wide again, the contents are back in their panel.
    m_ribbon->resize(1400, height);
    QApplication::sendPostedEvents();
    QVERIFY(!view->isCollapsed());
    QTRY_VERIFY(captionBar->isVisible());
    QCOMPARE(captionBar->window(), m_ribbon);
}

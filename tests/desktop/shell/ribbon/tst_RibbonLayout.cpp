#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/ui/CommandIds.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWidgetAction>

// What the ribbon shows: texts, tooltips, descriptions, key tips and order of every element.
using namespace Qt::StringLiterals;

class RibbonLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void elementTexts_data();
    void elementTexts();
    void homePanelsInOrder();
    void tabRowRightOfTheTabs();
    void applicationButton();
    void applicationMenuInOrder();
    void printSubItems();
    void styleMenu();
    void windowsSplitButton();

private:
    CommandActions m_commands;
    Ribbon m_ribbon{m_commands};
};

void RibbonLayoutTest::elementTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keyTip");
    const auto row = [](const char *name, const char *text, const char *tooltip,
                        const char *description, const char *keyTip = "") {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(text)
                            << QString::fromUtf8(tooltip) << QString::fromUtf8(description)
                            << QString::fromUtf8(keyTip);
    };
    row("cmd-59393", "Status Bar", "Toggle Status Bar", "Show or hide the status bar");
    row("cmd-221", "Caption Bar", "Toggle Caption Bar", "Show or hide the caption bar");
    row("cmd-32802", "Files in Sub Folder(s)", "Sub Folder Search",
        "List Files from Sub Folder(s) of the Selected Folder");
    row("cmd-32780", "Folder Contents", "Folder Contents", "");
    row("cmd-32788", "Refresh File List", "Reload File List (F5)",
        "Scan Selected Folder and Load List of Files Again");
    row("cmd-32771", "Folder Location", "Folder Location", "");
    row("cmd-32784", "Software Settings", "Software Settings", "");
    row("cmd-32785", "Rename Parameters", "Rename Parameters", "");
    row("cmd-32787", "Selected File", "Rename Selected File",
        "Rename Selected File Now in a Seperate Screen.");
    row("cmd-32804", "Undo Rename", "Undo Rename (Ctrl+Z)",
        "Rename the Files of the Last Batch Back to Their Old Names", "u");
    row("cmd-131", "Windows", "Windows", "", "i");
    row("cmd-32803", "Donate", "Donate", "");
    row("style-menu", "Style", "Modify Visual Style", "Choose one of the Office 2007 themes");
    row("cmd-32800", "", "Share on Facebook", "Share this Software's URL on Facebook", "a");
    row("cmd-57664", "", "About", "Display program information, version number and copyright", "a");
}

void RibbonLayoutTest::elementTexts()
{
    QFETCH(QString, name);
    const auto *element = m_ribbon.findChild<QAbstractButton *>(name);
    QVERIFY(element);
    QTEST(element->text(), "text");
    QTEST(element->toolTip(), "tooltip");
    QTEST(RibbonElement::description(element), "description");
    QTEST(RibbonElement::keyTip(element), "keyTip");
    if (name.startsWith(QStringLiteral("cmd-")))
        QCOMPARE(RibbonElement::command(element), name.mid(4).toInt());
}

void RibbonLayoutTest::homePanelsInOrder()
{
    QCOMPARE(m_ribbon.categories().size(), 1);
    const RibbonCategory *home = m_ribbon.categories().first();
    QCOMPARE(home->name(), QStringLiteral("&Home"));
    QCOMPARE(m_ribbon.findChild<QTabBar *>(QStringLiteral("category-tabs"))->tabText(0),
             QStringLiteral("&Home"));

    QStringList titles;
    QList<QStringList> names;
    for (const RibbonPanel *panel : home->panels()) {
        titles.append(panel->title());
        QStringList inPanel;
        for (const QWidget *element : panel->elements())
            inPanel.append(element->objectName());
        names.append(inPanel);
    }
    QCOMPARE(titles, QStringList({u"View"_s, u"Edit"_s, u"Rename"_s, u"Window"_s}));
    QCOMPARE(names.at(0), QStringList({u"cmd-59393"_s, u"cmd-221"_s, u"cmd-32802"_s, u"cmd-32780"_s,
                                       u"cmd-32788"_s}));
    QCOMPARE(names.at(1),
             QStringList({u"cmd-32771"_s, u"cmd-32784"_s, u"cmd-32785"_s, u"presets-button"_s}));
    QCOMPARE(names.at(2), QStringList({u"cmd-32787"_s, u"cmd-32804"_s, u"cmd-32822"_s,
                                       u"cmd-32823"_s, u"cmd-32824"_s}));
    QCOMPARE(names.at(3), QStringList({u"cmd-131"_s}));
    QCOMPARE(RibbonElement::keyTip(home->panels().at(3)), QStringLiteral("w"));

    // Edit's buttons have no large image and show small; the others show large.
    for (const char *name : {"cmd-32771", "cmd-32784", "cmd-32785"})
        QCOMPARE(m_ribbon.findChild<QToolButton *>(QString::fromUtf8(name))->iconSize(),
                 QSize(16, 16));
    for (const char *name : {"cmd-32780", "cmd-32788", "cmd-32787", "cmd-32804", "cmd-131"}) {
        const auto *button = m_ribbon.findChild<QToolButton *>(QString::fromUtf8(name));
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().isNull());
    }
}

void RibbonLayoutTest::tabRowRightOfTheTabs()
{
    m_ribbon.resize(1000, m_ribbon.sizeHint().height());
    m_ribbon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_ribbon));
    int left = m_ribbon.findChild<QTabBar *>(QStringLiteral("category-tabs"))->geometry().right();
    for (const char *name : {"cmd-32803", "style-menu", "cmd-32800", "cmd-57664"}) {
        const auto *element = m_ribbon.findChild<QWidget *>(QString::fromUtf8(name));
        QVERIFY2(element->geometry().left() > left, name);
        left = element->geometry().right();
    }
    QVERIFY(m_ribbon.findChild<QToolButton *>(QStringLiteral("cmd-32803"))->icon().isNull());
    QVERIFY(!m_ribbon.findChild<QToolButton *>(QStringLiteral("cmd-32800"))->icon().isNull());
    QVERIFY(!m_ribbon.findChild<QToolButton *>(QStringLiteral("cmd-57664"))->icon().isNull());
    m_ribbon.hide();
}

void RibbonLayoutTest::applicationButton()
{
    const QAbstractButton *button = m_ribbon.findChild<QAbstractButton *>(u"application-button"_s);
    QVERIFY(button);
    QCOMPARE(button->text(), QString());
    QVERIFY(button->icon().isNull());
    QCOMPARE(button->toolTip(), QStringLiteral("Click to Start File Renaming Process"));
    QCOMPARE(button->size(), QSize(45, 45));
    QCOMPARE(RibbonElement::keyTip(button), QStringLiteral("f"));
}

void RibbonLayoutTest::applicationMenuInOrder()
{
    const QMenu *menu = m_ribbon.applicationMenu();
    QCOMPARE(menu->title(), QStringLiteral("File"));
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            entries.append(QStringLiteral("-"));
        else if (action->menu())
            entries.append(action->menu()->title() + QStringLiteral(">") +
                           QString::number(RibbonElement::command(action)));
        else if (RibbonElement::command(action) < 0)
            entries.append(action->objectName());
        else
            entries.append(action->text() + QStringLiteral("=") +
                           QString::number(RibbonElement::command(action)));
    }
    // No recent file follows the heading: the program keeps no list.
    QCOMPARE(entries,
             QStringList({u"&New=57600"_s, u"&Open...=57601"_s, u"&Save=57603"_s,
                          u"Save &As...=57604"_s, u"Print>57607"_s, u"-"_s, u"&Close=57602"_s,
                          u"recent-documents"_s, u"-"_s, u"E&xit=57665"_s}));
    const QAction *open = menu->findChild<QAction *>(QStringLiteral("cmd-57601"));
    QCOMPARE(open->toolTip(), QStringLiteral("Open"));
    QCOMPARE(RibbonElement::description(open), QStringLiteral("Open an existing document"));
    const QAction *print = menu->actions().at(4);
    QCOMPARE(RibbonElement::keyTip(print), QStringLiteral("p"));
    QCOMPARE(RibbonElement::keyTip(print->menu()), QStringLiteral("w"));
}

void RibbonLayoutTest::printSubItems()
{
    const QMenu *print = m_ribbon.applicationMenu()->actions().at(4)->menu();
    QStringList entries;
    for (const QAction *action : print->actions())
        entries.append(action->objectName() + QStringLiteral(" ") + action->text());
    QCOMPARE(entries.mid(1),
             QStringList({u"cmd-57608 &Quick Print"_s, u"cmd-57609 Print Pre&view"_s,
                          u"cmd-57606 Print Set&up"_s}));
    const auto *label = qobject_cast<QWidgetAction *>(print->actions().first());
    QVERIFY(label);
    QCOMPARE(label->objectName(), QStringLiteral("print-label"));
    QCOMPARE(qobject_cast<QLabel *>(label->defaultWidget())->text(),
             QStringLiteral("Preview and print the document"));
}

void RibbonLayoutTest::styleMenu()
{
    const auto *style = m_ribbon.findChild<QToolButton *>(QStringLiteral("style-menu"));
    QCOMPARE(style->popupMode(), QToolButton::InstantPopup);
    QCOMPARE(RibbonElement::command(style), -1);
    QStringList entries;
    for (const QAction *action : style->menu()->actions()) {
        entries.append(action->objectName() + QStringLiteral(" ") + action->text());
        QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive());
    }
    QCOMPARE(entries, QStringList({u"cmd-215 Office 2007 (&Blue Style)"_s,
                                   u"cmd-216 Office 2007 (B&lack Style)"_s,
                                   u"cmd-217 Office 2007 (&Silver Style)"_s,
                                   u"cmd-218 Office 2007 (&Aqua Style)"_s}));
}

void RibbonLayoutTest::windowsSplitButton()
{
    const auto *windows = m_ribbon.findChild<QToolButton *>(QStringLiteral("cmd-131"));
    QCOMPARE(windows->popupMode(), QToolButton::MenuButtonPopup);
    QVERIFY(windows->menu());
    QCOMPARE(windows->menu()->actions().size(), 1);
    const QAction *newWindow = windows->menu()->actions().first();
    QCOMPARE(newWindow->objectName(), QStringLiteral("cmd-57648"));
    QCOMPARE(newWindow->text(), QStringLiteral("&New Window"));
    QCOMPARE(newWindow->toolTip(), QStringLiteral("New Window"));
}

QTEST_MAIN(RibbonLayoutTest)
#include "tst_RibbonLayout.moc"

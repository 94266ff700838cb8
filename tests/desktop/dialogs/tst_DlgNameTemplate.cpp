// The name template in the rename parameters window: its switch and field, the fault shown at
// the field, and the Insert Token menu with the selected row's examples.
#include "core/engine/names/NameTemplate.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "tests/desktop/dialogs/DialogTestSupport.h"
#include "tests/support/TestTree.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

#include <memory>

class TestDlgNameTemplate : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<CDlgRenameParameters> m_dialog;

    QLineEdit *field() { return control<QLineEdit>(m_dialog.get(), "NameTemplate"); }
    QLabel *message() { return control<QLabel>(m_dialog.get(), "TemplateMessage"); }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
        m_dialog = std::make_unique<CDlgRenameParameters>();
        m_dialog->showDialog();
    }
    void cleanup()
    {
        m_dialog.reset();
        m_tree.reset();
    }

    void offByDefault()
    {
        QVERIFY(!control<QCheckBox>(m_dialog.get(), "CheckNameTemplate")->isChecked());
        QVERIFY(field()->text().isEmpty());
        QVERIFY(!message()->isVisible());
    }

    // Every keystroke is stored; the list gets only templates it can use.
    void faultsAreShownAtTheFieldAndNeverPreviewed()
    {
        QSignalSpy edited(m_dialog.get(), &CDlgRenameParameters::parametersEdited);
        clickBox(control<QCheckBox>(m_dialog.get(), "CheckNameTemplate"));
        QCOMPARE(edited.size(), 1);
        QCOMPARE(CAppSettings().intValue(CAppSettings::Key::CheckNameTemplate), 1);
        QTest::keyClicks(field(), u"{photo.tken}"_qs);
        QCOMPARE(CAppSettings().textValue(CAppSettings::Key::NameTemplate), u"{photo.tken}"_qs);
        QVERIFY(message()->isVisible());
        QVERIFY2(message()->text().contains(u"position 2: unknown token 'photo.tken'"_qs),
                 qPrintable(message()->text()));
        // Each prefix was unclosed, the whole an unknown token: nothing was handed on.
        QCOMPARE(edited.size(), 1);

        field()->selectAll();
        QTest::keyClicks(field(), u"{name}"_qs);
        QVERIFY(!message()->isVisible());
        QCOMPARE(edited.size(), 2); // only the complete "{name}" could be used
        QCOMPARE(edited.last().first().value<RenameParameters>().nameTemplate, u"{name}"_qs);
    }

    void insertTokenListsEveryTokenWithItsExample()
    {
        m_dialog->setTokenExample([](const QString &token) -> std::optional<QString> {
            if (token == u"{photo.model}"_qs)
                return u"X100V"_qs;
            return std::nullopt;
        });
        auto *menu = control<QMenu>(m_dialog.get(), "InsertTokenMenu");
        emit menu->aboutToShow();
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), qsizetype(templateTokens().size()));
        QAction *model = nullptr;
        for (QAction *action : actions) {
            if (action->text().startsWith(u"{photo.model}"_qs))
                model = action;
            else
                QVERIFY2(action->text().endsWith(u"(no value)"_qs), qPrintable(action->text()));
        }
        QVERIFY(model);
        QVERIFY(model->text().endsWith(u"X100V"_qs));
        model->trigger();
        QCOMPARE(field()->text(), u"{photo.model}"_qs);
        QCOMPARE(CAppSettings().textValue(CAppSettings::Key::NameTemplate), u"{photo.model}"_qs);
        // Shown again, the menu is built afresh rather than growing.
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), qsizetype(templateTokens().size()));
    }

    void stillFitsANarrowScreen()
    {
        QVERIFY2(m_dialog->minimumSizeHint().width() <= 800,
                 qPrintable(QString::number(m_dialog->minimumSizeHint().width())));
    }
};

QTEST_MAIN(TestDlgNameTemplate)
#include "tst_DlgNameTemplate.moc"

#include "CommandDriving.h"

#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/PresetStore.h"
#include "desktop/ui/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

// The new names the rule gives for the listed rows under params.
QStringList namesUnder(const CQuirewellView *view, const RenameParameters &params)
{
    FileRows rows = view->fileModel().rows();
    const std::vector<std::uint8_t> present(size_t(rows.count()), 1);
    ComputeNewFileNames(rows, params, &present);
    QStringList names;
    for (const FileRow &row : rows.rows)
        names << row.newName;
    return names;
}

// The ribbon's presets menu as it is when opened.
QMenu *openedPresetsMenu(ShellFixture &f)
{
    auto *menu = f.frame()->ribbon()->findChild<QMenu *>(u"presets-menu"_s);
    if (menu)
        emit menu->aboutToShow();
    return menu;
}

} // namespace

// Presets applied from the parameters window and from the ribbon: the list shows their names
// at once, and a preset that cannot be used is told and changes nothing.
class PresetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_presets = std::make_unique<QTemporaryDir>();
        QVERIFY(m_presets->isValid());
        PresetStore::useFolder(m_presets->path());
    }
    void cleanup() { PresetStore::useFolder(QString()); }

    void choosingAPresetInTheWindowUpdatesThePreview()
    {
        ShellFixture f;
        for (const char *name : {"IMG_1.jpg", "notes.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        RenameParameters upper;
        upper.checkUpperCase = true;
        upper.checkNumberAtEnd = true;
        upper.numberAtEnd = 7;
        QCOMPARE(PresetStore().save(u"Upper"_s, upper), QString());
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(clickRibbon(f, Cmd::RenameParameters));
        auto *dialog = qobject_cast<QDialog *>(f.view()->renameParametersDialog());
        QVERIFY(dialog);
        auto *presets = dialog->findChild<QComboBox *>(u"Presets"_s);
        QVERIFY(presets);
        QCOMPARE(presets->count(), 1);
        QCOMPARE(presets->currentIndex(), -1);
        const QStringList before = columnTexts(f.view(), 2);

        // Chosen with the keyboard, as a user without a mouse would.
        presets->setFocus();
        QTest::keyClick(presets, Qt::Key_Down);
        QCOMPARE(presets->currentText(), u"Upper"_s);
        const QStringList expected = namesUnder(f.view(), upper);
        QCOMPARE(expected, QStringList({u"IMG_17.JPG"_s, u"NOTES8.TXT"_s}));
        QVERIFY(expected != before);
        QTRY_COMPARE(columnTexts(f.view(), 2), expected);
        QVERIFY(dialog->findChild<QCheckBox *>(u"CheckUpperCase"_s)->isChecked());
        QCOMPARE(RenameParameters::fromSettings(CAppSettings()), upper);
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void ribbonAppliesSavesAndRefusesPresets()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(u"Report.TXT"_s));
        RenameParameters lower;
        lower.checkLowerCase = true;
        QCOMPARE(PresetStore().save(u"Lower"_s, lower), QString());
        QFile broken(m_presets->filePath(u"Broken.conf"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a preset\n") > 0);
        broken.close();
        QVERIFY(startListing(f, f.tree.root()));

        QMenu *menu = openedPresetsMenu(f);
        QVERIFY(menu);
        menu->findChild<QAction *>(u"preset:Lower"_s)->trigger();
        QTRY_COMPARE(columnTexts(f.view(), 2), QStringList{u"report.txt"_s});

        // A broken preset is told, with its file and why, and nothing changes.
        openedPresetsMenu(f)->findChild<QAction *>(u"preset:Broken"_s)->trigger();
        QCOMPARE(f.prompts.messages.size(), 1);
        const QString told = f.prompts.messages.first().text;
        QVERIFY2(told.contains(broken.fileName()) && told.contains(u"line 1 is not a group"),
                 qPrintable(told));
        QCOMPARE(RenameParameters::fromSettings(CAppSettings()), lower);
        QCOMPARE(columnTexts(f.view(), 2), QStringList{u"report.txt"_s});

        // The current parameters saved as a new preset, under the name typed.
        f.prompts.textAnswers << u"Copy of Lower"_s;
        openedPresetsMenu(f)->findChild<QAction *>(u"preset-save"_s)->trigger();
        const auto saved = PresetStore().load(u"Copy of Lower"_s);
        QVERIFY2(saved, qPrintable(saved.error));
        QCOMPARE(*saved.value, lower);
        QVERIFY(openedPresetsMenu(f)->findChild<QAction *>(u"preset:Copy of Lower"_s));
    }

    // Saving, renaming, exporting, deleting and importing from the window's menu, each asked
    // through the prompts; a refused name or file is told and changes nothing.
    void managingPresetsFromTheWindow()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(u"a.txt"_s));
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(clickRibbon(f, Cmd::RenameParameters));
        auto *dialog = qobject_cast<QDialog *>(f.view()->renameParametersDialog());
        QVERIFY(dialog);
        auto *presets = dialog->findChild<QComboBox *>(u"Presets"_s);
        const auto act = [dialog](const QString &name) {
            auto *menu = dialog->findChild<QMenu *>(u"PresetActions"_s);
            emit menu->aboutToShow();
            QAction *action = menu->findChild<QAction *>(name);
            if (!action || !action->isEnabled())
                return false;
            action->trigger();
            return true;
        };
        const RenameParameters current = RenameParameters::fromSettings(CAppSettings());
        const PresetStore store;

        f.prompts.textAnswers << u"a/b"_s << u"  Mine "_s;
        QVERIFY(act(u"PresetSave"_s));
        QCOMPARE(f.prompts.messages.size(), 1); // the refused name, then asked again
        QVERIFY(f.prompts.messages.first().text.contains(u"holds \"/\""));
        QCOMPARE(presets->currentText(), u"Mine"_s);
        QCOMPARE(*store.load(u"Mine"_s).value, current);

        // A name taken is replaced only when the user agrees.
        auto *ascii = dialog->findChild<QCheckBox *>(u"CheckAscii"_s);
        ascii->click();
        f.prompts.textAnswers << u"Mine"_s;
        f.prompts.messageAnswers << Prompts::Answer::No;
        QVERIFY(act(u"PresetSave"_s));
        QCOMPARE(f.prompts.messages.size(), 2);
        QVERIFY(f.prompts.messages.last().text.contains(u"exists already"));
        QCOMPARE(*store.load(u"Mine"_s).value, current);
        ascii->click();

        f.prompts.textAnswers << u"Ours"_s;
        QVERIFY(act(u"PresetRename"_s));
        QCOMPARE(store.names().value, QStringList{u"Ours"_s});
        QCOMPARE(presets->currentText(), u"Ours"_s);

        const QString exported = f.tree.path(u"Shared.conf"_s);
        f.prompts.saveFileAnswers << exported;
        QVERIFY(act(u"PresetExport"_s));
        QCOMPARE(*PresetStore::readFile(exported).value, current);

        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QVERIFY(act(u"PresetDelete"_s));
        QCOMPARE(store.names().value, QStringList());
        QCOMPARE(presets->currentIndex(), -1);
        QVERIFY(!act(u"PresetRename"_s)); // nothing chosen: nothing to rename

        // A link is refused with its reason; the real file is imported under its own name.
        QVERIFY(f.tree.createLink(exported, u"Linked.conf"_s));
        f.prompts.openFileAnswers << f.tree.path(u"Linked.conf"_s) << exported;
        QVERIFY(act(u"PresetImport"_s));
        QVERIFY(f.prompts.messages.last().text.contains(u"symbolic link"));
        QCOMPARE(store.names().value, QStringList());
        QVERIFY(act(u"PresetImport"_s));
        QCOMPARE(store.names().value, QStringList{u"Shared"_s});
        QCOMPARE(presets->currentText(), u"Shared"_s);
    }

private:
    std::unique_ptr<QTemporaryDir> m_presets;
};

QTEST_MAIN(PresetsTest)
#include "tst_Presets.moc"

#pragma once

#include "core/engine/settings/RenameParameters.h"

#include <QDialog>
#include <QList>

class CSpinArrows;
class QCheckBox;
class QComboBox;
class QLabel;

// The rename parameters window: modeless, one per list view, beside the list while the
// user works. It edits one RenameParameters value. Every change the user makes is stored at
// once, and the dialog then hands the whole value to its list view with parametersEdited():
// always for a check box and for the two start numbers, for a text or the remove length
// only while its own operation is switched on. While the text to find is a regular
// expression that cannot be used, the window says why beside the field and hands nothing on,
// so the list keeps the names of the last valid parameters. "&Rename All" emits renameAllClicked()
// and leaves the window open.
//
// For the owner (the list view):
// - take parametersEdited to recompute later, not inside the signal: the dialog never
//   computes anything itself, so typing never waits for the list;
// - Cmd::RenameParameters calls showDialog();
// - delete the dialog when the view goes away: if it was ever shown, its placement is
//   stored then, and the next dialog (in another view) opens at the same place.
//
// The close button and Escape only hide the window; Enter does nothing.
class CDlgRenameParameters : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgRenameParameters(QWidget *parent = nullptr);
    ~CDlgRenameParameters() override;

    // On first use reads the parameters from the store, builds the caption and restores
    // the stored placement; afterwards only shows the window again, as the user left it.
    // Then shows, raises and activates it.
    void showDialog();
    bool isInitialised() const { return m_initialised != 0; }
    const RenameParameters &parameters() const { return m_stored; }

    static QString placementValueName() { return QStringLiteral("DlgRenameParametersLocation"); }

    // Presets: a list of them beside the case rows; choosing one applies it, a menu saves,
    // renames, deletes, imports and exports them. Applying reads the preset (a failure is
    // told and changes nothing), puts it in the controls, stores it and hands it on as an
    // edit does; a window never shown is read from the store first.
    void applyPreset(const QString &name);
    // Asks for a name and saves the parameters under it.
    void savePreset();

signals:
    // The value after a change that changes the new names.
    void parametersEdited(const RenameParameters &parameters);
    void renameAllClicked();

protected:
    void reject() override;
    // Coming back to the window lists the presets again (one may have been imported meanwhile).
    void changeEvent(QEvent *event) override;

private:
    using Key = CAppSettings::Key;

    // DlgRenameParametersLayout.cpp: the controls, their arrangement and connections.
    void buildControls();
    // Names a check box, text edit or number edit after the parameter it edits, adds it to
    // the controls taken (in the order of these calls) and routes its changes to
    // onParameterEdited().
    template <typename Edit> Edit *parameterControl(Edit *control, Key key);

    struct Control
    {
        Key key;
        QWidget *widget; // a check box, a text edit or a number edit
    };

    // A check box with this property set shows the opposite of its stored flag ("Match case"
    // is on while FindIgnoreCase is 0), so each box reads as the user expects.
    static constexpr const char *kStoresOpposite = "storesOpposite";
    static bool storesOpposite(const QCheckBox *box);

    void initialise();
    // Copies the controls into the value in exchange order; stops at a number edit that
    // does not hold a 32-bit integer, so that field and every later one keep their values.
    bool takeControls();
    // Copies the value into the controls without running any handler.
    void putControls();
    void updateNumberMessage();
    // Shows what is wrong with the stored expression or replacement, if anything; false then.
    bool updateFindMessage();
    void storeParameter(Key key);
    // A control changed by the user: takes the controls, stores the parameter under key and
    // hands the stored value on (while the flag it is previewed under is set, if any).
    void onParameterEdited(Key key);
    void clearOtherCaseBox(Key clicked);

    // DlgRenameParametersPresets.cpp: the presets' controls.
    QLayout *buildPresetRows();
    // Lists the presets again, current selected (none when empty or absent).
    void refreshPresets(const QString &current = {});
    QString currentPreset() const;

    int m_initialised = 0;
    QString m_caption;
    RenameParameters m_parameters; // as the controls were last taken
    // As stored: the fields after a number edit that holds no valid number may differ from
    // the controls, and the store and the list keep the last ones taken.
    RenameParameters m_stored;

    QList<Control> m_controls; // every parameter's control, in exchange order
    bool m_puttingControls = false;

    QCheckBox *m_checkFindAndReplace = nullptr;
    CSpinArrows *m_spinRemoveInitialCharactersLength = nullptr;
    QLabel *m_labelNumberMessage = nullptr;
    QLabel *m_labelFindMessage = nullptr;
    QComboBox *m_presets = nullptr;
};

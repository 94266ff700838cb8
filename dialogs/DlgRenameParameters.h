#pragma once

#include "engine/AppSettings.h"

#include <QDialog>

class CNumberEdit;
class CSpinArrows;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The rename parameters window: modeless, one per list view, beside the list while the
// user works. Every change the user makes is stored at once, and the dialog then asks for
// the new names to be computed again by emitting commandPosted(Cmd::DisplayNewNames):
// always for a check box and for the two start numbers, for a text or the remove length
// only while its own operation is switched on. "&Rename All" emits
// commandPosted(Cmd::StartRenaming) and leaves the window open.
//
// For the owner (the list view):
// - connect commandPosted to the command dispatch with Qt::QueuedConnection: the dialog
//   never computes anything itself, so typing never waits for the list;
// - command 32785 calls showDialog();
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
    bool isInitialised() const { return m_nInitialised != 0; }

    static QString placementValueName() { return QStringLiteral("DlgRenameParametersLocation"); }

signals:
    // A command for the owner to run later: 32792 recompute, 32799 start renaming.
    void commandPosted(int id);

protected:
    void reject() override;

private:
    // DlgRenameParametersLayout.cpp: the controls, their arrangement and connections.
    void buildControls();
    template <typename Sender, typename Signal>
    void route(Sender *sender, Signal signal, void (CDlgRenameParameters::*handler)());

    void initialise();
    // Copies the controls into the fields in exchange order; stops at a number edit that
    // does not hold a 32-bit integer, so that field and every later one keep their values.
    bool takeControls();
    // Copies the fields into the controls without running any handler.
    void putControls();
    void updateNumberMessage();
    void recompute();

    void OnChangeFindText();
    void OnChangeReplaceText();
    void OnChangeNewFileName();
    void OnChangeRemoveInitialCharactersLength();
    void OnChangeNumberAtStart();
    void OnChangeNumberAtEnd();
    void OnClickedCheckFindAndReplace();
    void OnClickedCheckNewFileName();
    void OnClickedCheckNumberAtStart();
    void OnClickedCheckNumberAtEnd();
    void OnClickedCheckRemoveInitialCharacters();
    void OnClickedCheckUpperCase();
    void OnClickedCheckLowerCase();
    void OnClickedRenameAll();

    int m_nInitialised = 0;
    CAppSettings m_settings;
    QString m_strCaption;
    QString m_strFindText;
    QString m_strReplaceText;
    int m_nCheckNumberAtStart = 0;
    int m_nNumberAtStart = 0;
    int m_nCheckNumberAtEnd = 0;
    int m_nNumberAtEnd = 0;
    int m_nCheckFindAndReplace = 0;
    QString m_strNewFileName;
    int m_nCheckNewFileName = 0;
    int m_nRemoveInitialCharactersLength = 0;
    int m_nCheckRemoveInitialCharacters = 0;
    int m_nCheckUpperCase = 0;
    int m_nCheckLowerCase = 0;

    bool m_bPuttingControls = false;

    QLineEdit *m_editFindText = nullptr;
    QLineEdit *m_editReplaceText = nullptr;
    QCheckBox *m_checkNumberAtStart = nullptr;
    CNumberEdit *m_editNumberAtStart = nullptr;
    QCheckBox *m_checkNumberAtEnd = nullptr;
    CNumberEdit *m_editNumberAtEnd = nullptr;
    QCheckBox *m_checkFindAndReplace = nullptr;
    QLineEdit *m_editNewFileName = nullptr;
    QCheckBox *m_checkNewFileName = nullptr;
    CNumberEdit *m_editRemoveInitialCharactersLength = nullptr;
    QCheckBox *m_checkRemoveInitialCharacters = nullptr;
    CSpinArrows *m_spinRemoveInitialCharactersLength = nullptr;
    QCheckBox *m_checkUpperCase = nullptr;
    QCheckBox *m_checkLowerCase = nullptr;
    QPushButton *m_buttonRenameAll = nullptr;
    QLabel *m_labelNumberMessage = nullptr;
};

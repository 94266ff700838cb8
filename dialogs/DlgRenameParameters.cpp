#include "dialogs/DlgRenameParameters.h"

#include "dialogs/DialogLook.h"
#include "dialogs/NumberEdit.h"
#include "dialogs/WindowPlacement.h"
#include "engine/SettingsStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

CDlgRenameParameters::CDlgRenameParameters(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    buildControls();
}

CDlgRenameParameters::~CDlgRenameParameters()
{
    if (m_nInitialised)
        CAppSettings::WriteProfileBinary(placementValueName(),
                                         WindowPlacement::of(this).toRecord());
}

void CDlgRenameParameters::showDialog()
{
    // Shown again, the window stays where the user left it: a dialog that was never placed
    // by the program would be centred over its parent at every showing.
    if (m_nInitialised)
        setAttribute(Qt::WA_Moved);
    else
        initialise();
    show();
    raise();
    activateWindow();
}

void CDlgRenameParameters::reject()
{
    // Closing keeps the window, its contents and its fields for the next showing.
    hide();
}

void CDlgRenameParameters::initialise()
{
    m_parameters = RenameParameters::fromStore(SettingsStore::instance());
    m_stored = m_parameters;
    putControls();
    m_nInitialised = 1;

    m_strCaption = captionWithTitle(QStringLiteral("File Rename Parameter(s) - "));
    setWindowTitle(m_strCaption);
    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        setWindowIcon(icon);

    if (const auto record = CAppSettings::GetProfileBinary(placementValueName()))
        if (const auto placement = WindowPlacement::fromRecord(*record))
            placement->applyTo(this);

    m_spinRemoveInitialCharactersLength->setRange(0, 255);
    // Setting the arrows' position rewrites the length edit, which counts as a change of
    // it: the length is stored again, and the list recomputed while its removal is on.
    m_spinRemoveInitialCharactersLength->setPosition(m_parameters.removeInitialCharactersLength);
    OnChangeRemoveInitialCharactersLength();

    m_checkFindAndReplace->setFocus();
}

QList<CDlgRenameParameters::Control> CDlgRenameParameters::controls() const
{
    using Key = CAppSettings::Key;
    return {
        {Key::FindText, m_editFindText},
        {Key::ReplaceText, m_editReplaceText},
        {Key::CheckNumberAtStart, m_checkNumberAtStart},
        {Key::NumberAtStart, m_editNumberAtStart},
        {Key::CheckNumberAtEnd, m_checkNumberAtEnd},
        {Key::NumberAtEnd, m_editNumberAtEnd},
        {Key::CheckFindAndReplace, m_checkFindAndReplace},
        {Key::NewFileName, m_editNewFileName},
        {Key::CheckNewFileName, m_checkNewFileName},
        {Key::RemoveInitialCharactersLength, m_editRemoveInitialCharactersLength},
        {Key::CheckRemoveInitialCharacters, m_checkRemoveInitialCharacters},
        {Key::CheckUpperCase, m_checkUpperCase},
        {Key::CheckLowerCase, m_checkLowerCase},
    };
}

bool CDlgRenameParameters::takeControls()
{
    bool ok = true;
    for (const Control &control : controls()) {
        if (auto *box = qobject_cast<QCheckBox *>(control.widget)) {
            m_parameters.setValue(control.key, box->isChecked() ? 1 : 0);
        } else if (auto *number = qobject_cast<CNumberEdit *>(control.widget)) {
            const std::optional<int> value = number->number();
            if (!value) {
                ok = false;
                break;
            }
            m_parameters.setValue(control.key, *value);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control.widget)) {
            m_parameters.setValue(control.key, edit->text());
        }
    }
    updateNumberMessage();
    return ok;
}

void CDlgRenameParameters::putControls()
{
    m_bPuttingControls = true;
    for (const Control &control : controls()) {
        const QVariant value = m_parameters.value(control.key);
        if (auto *box = qobject_cast<QCheckBox *>(control.widget))
            box->setChecked(value.toInt() != 0);
        else if (auto *number = qobject_cast<CNumberEdit *>(control.widget))
            number->setNumber(value.toInt());
        else if (auto *edit = qobject_cast<QLineEdit *>(control.widget))
            edit->setText(value.toString());
    }
    m_bPuttingControls = false;
    updateNumberMessage();
}

void CDlgRenameParameters::updateNumberMessage()
{
    // Told in the window rather than in a message box, which would interrupt every
    // keystroke while the user is retyping a number.
    const bool invalid = !m_editNumberAtStart->number() || !m_editNumberAtEnd->number() ||
                         !m_editRemoveInitialCharactersLength->number();
    m_labelNumberMessage->setText(
        invalid ? QStringLiteral("Please enter an integer. The last valid number is kept.")
                : QString());
    m_labelNumberMessage->setVisible(invalid);
}

void CDlgRenameParameters::storeAndHandOn(CAppSettings::Key key,
                                          std::optional<CAppSettings::Key> onlyWhile)
{
    takeControls();
    storeParameter(key);
    if (!onlyWhile || m_parameters.value(*onlyWhile).toInt() != 0)
        emit parametersEdited(m_stored);
}

void CDlgRenameParameters::storeParameter(CAppSettings::Key key)
{
    m_stored.setValue(key, m_parameters.value(key));
    m_stored.store(key, SettingsStore::instance());
}

void CDlgRenameParameters::OnChangeFindText()
{
    storeAndHandOn(CAppSettings::Key::FindText, CAppSettings::Key::CheckFindAndReplace);
}

void CDlgRenameParameters::OnChangeReplaceText()
{
    storeAndHandOn(CAppSettings::Key::ReplaceText, CAppSettings::Key::CheckFindAndReplace);
}

void CDlgRenameParameters::OnChangeNewFileName()
{
    storeAndHandOn(CAppSettings::Key::NewFileName, CAppSettings::Key::CheckNewFileName);
}

void CDlgRenameParameters::OnChangeRemoveInitialCharactersLength()
{
    // The arrows write into the edit while the window is being built; nothing is taken
    // before the fields have been read from the store.
    if (!m_nInitialised)
        return;
    storeAndHandOn(CAppSettings::Key::RemoveInitialCharactersLength,
                   CAppSettings::Key::CheckRemoveInitialCharacters);
}

void CDlgRenameParameters::OnChangeNumberAtStart()
{
    storeAndHandOn(CAppSettings::Key::NumberAtStart);
}

void CDlgRenameParameters::OnChangeNumberAtEnd()
{
    storeAndHandOn(CAppSettings::Key::NumberAtEnd);
}

void CDlgRenameParameters::OnClickedCheckFindAndReplace()
{
    storeAndHandOn(CAppSettings::Key::CheckFindAndReplace);
}

void CDlgRenameParameters::OnClickedCheckNewFileName()
{
    storeAndHandOn(CAppSettings::Key::CheckNewFileName);
}

void CDlgRenameParameters::OnClickedCheckNumberAtStart()
{
    storeAndHandOn(CAppSettings::Key::CheckNumberAtStart);
}

void CDlgRenameParameters::OnClickedCheckNumberAtEnd()
{
    storeAndHandOn(CAppSettings::Key::CheckNumberAtEnd);
}

void CDlgRenameParameters::OnClickedCheckRemoveInitialCharacters()
{
    storeAndHandOn(CAppSettings::Key::CheckRemoveInitialCharacters);
}

// The case box just clicked wins: the other one is cleared on screen and in the store, so
// the two flags are never both stored as set.
void CDlgRenameParameters::OnClickedCheckUpperCase()
{
    takeControls();
    if (m_parameters.checkUpperCase && m_parameters.checkLowerCase) {
        m_parameters.checkLowerCase = false;
        putControls();
        storeParameter(CAppSettings::Key::CheckLowerCase);
    }
    storeAndHandOn(CAppSettings::Key::CheckUpperCase);
}

void CDlgRenameParameters::OnClickedCheckLowerCase()
{
    takeControls();
    if (m_parameters.checkUpperCase && m_parameters.checkLowerCase) {
        m_parameters.checkUpperCase = false;
        storeParameter(CAppSettings::Key::CheckUpperCase);
        putControls();
    }
    storeAndHandOn(CAppSettings::Key::CheckLowerCase);
}

void CDlgRenameParameters::OnClickedRenameAll()
{
    emit renameAllClicked();
}

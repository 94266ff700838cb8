#include "dialogs/DlgRenameParameters.h"

#include "dialogs/DialogLook.h"
#include "dialogs/NumberEdit.h"
#include "dialogs/WindowPlacement.h"
#include "listing/CommandIds.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

int checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

// Takes the edit's number into field; false (field unchanged) when it holds none.
bool takeNumber(const CNumberEdit *edit, int &field)
{
    const std::optional<int> number = edit->number();
    if (!number)
        return false;
    field = *number;
    return true;
}

} // namespace

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
    if (!m_nInitialised)
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
    m_nCheckFindAndReplace = m_settings.GetCheckFindAndReplace();
    m_strFindText = m_settings.GetFindText();
    m_strReplaceText = m_settings.GetReplaceText();
    m_nCheckNumberAtStart = m_settings.GetCheckNumberAtStart();
    m_nNumberAtStart = m_settings.GetNumberAtStart();
    m_nCheckNumberAtEnd = m_settings.GetCheckNumberAtEnd();
    m_nNumberAtEnd = m_settings.GetNumberAtEnd();
    m_nCheckNewFileName = m_settings.GetCheckNewFileName();
    m_strNewFileName = m_settings.GetNewFileName();
    m_nCheckRemoveInitialCharacters = m_settings.GetCheckRemoveInitialCharacters();
    m_nRemoveInitialCharactersLength = m_settings.GetRemoveInitialCharactersLength();
    m_nCheckUpperCase = m_settings.GetCheckUpperCase();
    m_nCheckLowerCase = m_settings.GetCheckLowerCase();

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
    m_spinRemoveInitialCharactersLength->setPosition(m_nRemoveInitialCharactersLength);
    OnChangeRemoveInitialCharactersLength();

    m_checkFindAndReplace->setFocus();
}

bool CDlgRenameParameters::takeControls()
{
    m_strFindText = m_editFindText->text();
    m_strReplaceText = m_editReplaceText->text();
    m_nCheckNumberAtStart = checkValue(m_checkNumberAtStart);
    bool ok = takeNumber(m_editNumberAtStart, m_nNumberAtStart);
    if (ok) {
        m_nCheckNumberAtEnd = checkValue(m_checkNumberAtEnd);
        ok = takeNumber(m_editNumberAtEnd, m_nNumberAtEnd);
    }
    if (ok) {
        m_nCheckFindAndReplace = checkValue(m_checkFindAndReplace);
        m_strNewFileName = m_editNewFileName->text();
        m_nCheckNewFileName = checkValue(m_checkNewFileName);
        ok = takeNumber(m_editRemoveInitialCharactersLength, m_nRemoveInitialCharactersLength);
    }
    if (ok) {
        m_nCheckRemoveInitialCharacters = checkValue(m_checkRemoveInitialCharacters);
        m_nCheckUpperCase = checkValue(m_checkUpperCase);
        m_nCheckLowerCase = checkValue(m_checkLowerCase);
    }
    updateNumberMessage();
    return ok;
}

void CDlgRenameParameters::putControls()
{
    m_bPuttingControls = true;
    m_editFindText->setText(m_strFindText);
    m_editReplaceText->setText(m_strReplaceText);
    m_checkNumberAtStart->setChecked(m_nCheckNumberAtStart != 0);
    m_editNumberAtStart->setNumber(m_nNumberAtStart);
    m_checkNumberAtEnd->setChecked(m_nCheckNumberAtEnd != 0);
    m_editNumberAtEnd->setNumber(m_nNumberAtEnd);
    m_checkFindAndReplace->setChecked(m_nCheckFindAndReplace != 0);
    m_editNewFileName->setText(m_strNewFileName);
    m_checkNewFileName->setChecked(m_nCheckNewFileName != 0);
    m_editRemoveInitialCharactersLength->setNumber(m_nRemoveInitialCharactersLength);
    m_checkRemoveInitialCharacters->setChecked(m_nCheckRemoveInitialCharacters != 0);
    m_checkUpperCase->setChecked(m_nCheckUpperCase != 0);
    m_checkLowerCase->setChecked(m_nCheckLowerCase != 0);
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

void CDlgRenameParameters::recompute()
{
    emit commandPosted(Cmd::DisplayNewNames);
}

void CDlgRenameParameters::OnChangeFindText()
{
    takeControls();
    m_settings.SetFindText(m_strFindText);
    if (m_nCheckFindAndReplace)
        recompute();
}

void CDlgRenameParameters::OnChangeReplaceText()
{
    takeControls();
    m_settings.SetReplaceText(m_strReplaceText);
    if (m_nCheckFindAndReplace)
        recompute();
}

void CDlgRenameParameters::OnChangeNewFileName()
{
    takeControls();
    m_settings.SetNewFileName(m_strNewFileName);
    if (m_nCheckNewFileName)
        recompute();
}

void CDlgRenameParameters::OnChangeRemoveInitialCharactersLength()
{
    // The arrows write into the edit while the window is being built; nothing is taken
    // before the fields have been read from the store.
    if (!m_nInitialised)
        return;
    takeControls();
    m_settings.SetRemoveInitialCharactersLength(m_nRemoveInitialCharactersLength);
    if (m_nCheckRemoveInitialCharacters)
        recompute();
}

void CDlgRenameParameters::OnChangeNumberAtStart()
{
    takeControls();
    m_settings.SetNumberAtStart(m_nNumberAtStart);
    recompute();
}

void CDlgRenameParameters::OnChangeNumberAtEnd()
{
    takeControls();
    m_settings.SetNumberAtEnd(m_nNumberAtEnd);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckFindAndReplace()
{
    takeControls();
    m_settings.SetCheckFindAndReplace(m_nCheckFindAndReplace);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckNewFileName()
{
    takeControls();
    m_settings.SetCheckNewFileName(m_nCheckNewFileName);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckNumberAtStart()
{
    takeControls();
    m_settings.SetCheckNumberAtStart(m_nCheckNumberAtStart);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckNumberAtEnd()
{
    takeControls();
    m_settings.SetCheckNumberAtEnd(m_nCheckNumberAtEnd);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckRemoveInitialCharacters()
{
    takeControls();
    m_settings.SetCheckRemoveInitialCharacters(m_nCheckRemoveInitialCharacters);
    recompute();
}

// The case box just clicked wins: the other one is cleared on screen and in the store, so
// the two flags are never both stored as set.
void CDlgRenameParameters::OnClickedCheckUpperCase()
{
    takeControls();
    if (m_nCheckUpperCase && m_nCheckLowerCase) {
        m_nCheckLowerCase = 0;
        putControls();
        m_settings.SetCheckLowerCase(m_nCheckLowerCase);
    }
    m_settings.SetCheckUpperCase(m_nCheckUpperCase);
    recompute();
}

void CDlgRenameParameters::OnClickedCheckLowerCase()
{
    takeControls();
    if (m_nCheckUpperCase && m_nCheckLowerCase) {
        m_nCheckUpperCase = 0;
        m_settings.SetCheckUpperCase(m_nCheckUpperCase);
        putControls();
    }
    m_settings.SetCheckLowerCase(m_nCheckLowerCase);
    recompute();
}

void CDlgRenameParameters::OnClickedRenameAll()
{
    emit commandPosted(Cmd::StartRenaming);
}

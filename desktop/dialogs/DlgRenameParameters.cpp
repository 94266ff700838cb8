#include "desktop/dialogs/DlgRenameParameters.h"

#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NameTemplate.h"
#include "core/engine/names/TemplateStep.h"

#include "desktop/dialogs/DialogLook.h"
#include "desktop/dialogs/NumberEdit.h"
#include "desktop/dialogs/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include <algorithm>
#include <iterator>

namespace {

// The case boxes exclude each other.
constexpr CAppSettings::Key kCaseKeys[] = {
    CAppSettings::Key::CheckUpperCase, CAppSettings::Key::CheckLowerCase,
    CAppSettings::Key::CheckTitleCase, CAppSettings::Key::CheckSentenceCase};

} // namespace

CDlgRenameParameters::CDlgRenameParameters(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    buildControls();
}

CDlgRenameParameters::~CDlgRenameParameters()
{
    if (m_initialised)
        CAppSettings::WriteProfileBinary(placementValueName(),
                                         WindowPlacement::of(this).toRecord());
}

void CDlgRenameParameters::showDialog()
{
    // Shown again, the window stays where the user left it: a dialog that was never placed
    // by the program would be centred over its parent at every showing.
    if (m_initialised)
        setAttribute(Qt::WA_Moved);
    else
        initialise();
    refreshPresets(currentPreset());
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
    m_parameters = RenameParameters::fromSettings(CAppSettings());
    m_stored = m_parameters;
    putControls();
    updateFindMessage();
    updateTemplateMessage();
    m_initialised = 1;

    m_caption = captionWithTitle(tr("File Rename Parameter(s) - "));
    setWindowTitle(m_caption);
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
    onParameterEdited(Key::RemoveInitialCharactersLength);

    m_checkFindAndReplace->setFocus();
}

bool CDlgRenameParameters::takeControls()
{
    bool ok = true;
    for (const Control &control : m_controls) {
        if (auto *box = qobject_cast<QCheckBox *>(control.widget)) {
            m_parameters.setValue(control.key, box->isChecked() != storesOpposite(box) ? 1 : 0);
        } else if (auto *choice = qobject_cast<QComboBox *>(control.widget)) {
            m_parameters.setValue(control.key, choice->currentIndex());
        } else if (auto *number = qobject_cast<CNumberEdit *>(control.widget)) {
            const std::optional<int> value = number->number();
            if (!value) {
                ok = false;
                break;
            }
            m_parameters.setValue(control.key, *value);
        } else if (auto *spin = qobject_cast<QSpinBox *>(control.widget)) {
            m_parameters.setValue(control.key, spin->value());
        } else if (auto *edit = qobject_cast<QLineEdit *>(control.widget)) {
            m_parameters.setValue(control.key, edit->text());
        }
    }
    updateNumberMessage();
    return ok;
}

void CDlgRenameParameters::putControls()
{
    m_puttingControls = true;
    for (const Control &control : m_controls) {
        const QVariant value = m_parameters.value(control.key);
        if (auto *box = qobject_cast<QCheckBox *>(control.widget))
            box->setChecked((value.toInt() != 0) != storesOpposite(box));
        else if (auto *choice = qobject_cast<QComboBox *>(control.widget))
            // A stored value with no item (written by hand) shows the first, as the rule reads it.
            choice->setCurrentIndex(
                value.toInt() >= 0 && value.toInt() < choice->count() ? value.toInt() : 0);
        else if (auto *number = qobject_cast<CNumberEdit *>(control.widget))
            number->setNumber(value.toInt());
        else if (auto *spin = qobject_cast<QSpinBox *>(control.widget))
            spin->setValue(value.toInt());
        else if (auto *edit = qobject_cast<QLineEdit *>(control.widget))
            edit->setText(value.toString());
    }
    m_puttingControls = false;
    updateNumberMessage();
}

void CDlgRenameParameters::updateNumberMessage()
{
    // Told in the window rather than in a message box, which would interrupt every
    // keystroke while the user is retyping a number.
    bool invalid = false;
    for (const Control &control : m_controls)
        if (auto *number = qobject_cast<CNumberEdit *>(control.widget))
            invalid = invalid || !number->number();
    m_labelNumberMessage->setText(
        invalid ? tr("Please enter an integer. The last valid number is kept.") : QString());
    m_labelNumberMessage->setVisible(invalid);
}

bool CDlgRenameParameters::updateFindMessage()
{
    const std::optional<FindPatternError> fault = findPatternError(m_stored);
    QString text;
    if (fault) {
        text = fault->text();
        text[0] = text[0].toUpper();
        text += tr(". The list shows the names of the last valid expression, and "
                   "nothing is renamed until it is corrected.");
    }
    m_labelFindMessage->setText(text);
    m_labelFindMessage->setVisible(fault.has_value());
    return !fault;
}

void CDlgRenameParameters::onParameterEdited(Key key)
{
    // The arrows write into the length edit while the window is being built; nothing is
    // taken before the fields have been read from the store.
    if (!m_initialised)
        return;
    if (std::ranges::find(kCaseKeys, key) != std::end(kCaseKeys))
        clearOtherCaseBox(key);
    takeControls();
    storeParameter(key);
    const bool templateUsable = updateTemplateMessage();
    if (!updateFindMessage() || !templateUsable)
        return; // stored, but the list keeps the last names it could compute
    const std::optional<Key> onlyWhile = RenameParameters::previewedOnlyWhile(key);
    if (!onlyWhile || m_parameters.value(*onlyWhile).toInt() != 0)
        emit parametersEdited(m_stored);
}

bool CDlgRenameParameters::storesOpposite(const QCheckBox *box)
{
    return box->property(kStoresOpposite).toBool();
}

void CDlgRenameParameters::storeParameter(Key key)
{
    m_stored.setValue(key, m_parameters.value(key));
    CAppSettings settings;
    m_stored.store(key, settings);
}

// The case box just clicked wins: the others are cleared on screen and in the store, so no
// two case flags are ever both stored as set by the dialog.
void CDlgRenameParameters::clearOtherCaseBox(Key clicked)
{
    takeControls();
    if (m_parameters.value(clicked).toInt() == 0)
        return;
    QList<Key> cleared;
    for (const Key other : kCaseKeys)
        if (other != clicked && m_parameters.value(other).toInt() != 0) {
            m_parameters.setValue(other, 0);
            cleared << other;
        }
    if (cleared.isEmpty())
        return;
    putControls();
    for (const Key other : cleared)
        storeParameter(other);
}

bool CDlgRenameParameters::updateTemplateMessage()
{
    const std::optional<TemplateError> fault = templateError(m_stored);
    QString text;
    if (fault)
        text = tr("Invalid template at position %1: %2. The list shows the names of the last "
                  "valid template, and nothing is renamed until it is corrected.")
                   .arg(fault->position)
                   .arg(fault->message);
    m_labelTemplateMessage->setText(text);
    m_labelTemplateMessage->setVisible(fault.has_value());
    return !fault;
}

void CDlgRenameParameters::fillTokenMenu()
{
    m_tokenMenu->clear();
    for (const TemplateTokenInfo &info : templateTokens()) {
        const QString token = QStringLiteral("{%1}").arg(QLatin1String(info.name));
        std::optional<QString> example = m_tokenExample ? m_tokenExample(token) : std::nullopt;
        const QString shown =
            example ? tr("%1    %2").arg(token, *example) : tr("%1    (no value)").arg(token);
        QAction *action = m_tokenMenu->addAction(shown);
        action->setToolTip(QString::fromUtf8(info.description));
        connect(action, &QAction::triggered, this, [this, token] { insertToken(token); });
    }
}

void CDlgRenameParameters::insertToken(const QString &token)
{
    m_nameTemplate->insert(token); // textChanged takes it like typing
    m_nameTemplate->setFocus();
}

// The controls of the rename parameters window: find and replace in a group at the top, the new
// name below it, the two numbers beside the icon with their digits and steps, the restart and
// number padding switches, the remove length with its arrows, then the four case boxes, the
// text steps' boxes and the part they apply to, with the presets beside the removal and case
// rows and "&Rename All" at the bottom right.
#include "desktop/dialogs/CheckTitledGroup.h"
#include "desktop/dialogs/DialogLook.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/NumberEdit.h"
#include "desktop/ui/CommandTable.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>
#include <type_traits>

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

CNumberEdit *numberEdit(QWidget *parent)
{
    auto *edit = new CNumberEdit(parent);
    edit->setFixedWidth(fromDialogUnits(parent, 40, 0).width());
    return edit;
}

// A spin box for a count of digits (0: as many as the number has) or for a step.
// The box is as wide as widthUnits dialog units: a step's box would otherwise make room for
// ten digits and a sign, widening the whole window.
QSpinBox *spinBox(int minimum, int maximum, int widthUnits, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setAccelerated(true);
    spin->setFixedWidth(fromDialogUnits(parent, widthUnits, 0).width());
    return spin;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Names a field after the text that labels it, for screen readers: the check box before it (a
// check box cannot be a label's buddy), or a drop-down's label for the list it drops down.
void nameAfter(QWidget *field, const QString &label)
{
    QString name = CommandTable::withoutAccessCharacters(label).trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    field->setAccessibleName(name.trimmed());
}

} // namespace

template <typename Edit> Edit *CDlgRenameParameters::parameterControl(Edit *control, Key key)
{
    control->setObjectName(CAppSettings::keyName(key));
    m_controls.append({key, control});
    // While the fields are copied into the controls, their notifications reach no handler.
    const auto edited = [this, key] {
        if (!m_puttingControls)
            onParameterEdited(key);
    };
    if constexpr (std::is_base_of_v<QCheckBox, Edit>)
        connect(control, &QCheckBox::clicked, this, edited);
    else if constexpr (std::is_base_of_v<QSpinBox, Edit>)
        connect(control, &QSpinBox::valueChanged, this, edited);
    else if constexpr (std::is_base_of_v<QComboBox, Edit>)
        connect(control, &QComboBox::activated, this, edited);
    else
        connect(control, &QLineEdit::textChanged, this, edited);
    return control;
}

void CDlgRenameParameters::buildControls()
{
    // The parameters' controls in the order they are taken (takeControls), which decides
    // what an invalid number keeps from being taken; a new one goes at the end.
    auto *group = new CheckTitledGroup(this);
    auto *findText = parameterControl(new QLineEdit(group), Key::FindText);
    auto *replaceText = parameterControl(new QLineEdit(group), Key::ReplaceText);
    auto *checkNumberAtStart = parameterControl(
        new QCheckBox(tr("Add Number at Start From :"), this), Key::CheckNumberAtStart);
    auto *numberAtStart = parameterControl(numberEdit(this), Key::NumberAtStart);
    auto *checkNumberAtEnd = parameterControl(new QCheckBox(tr("Add Number at End From :"), this),
                                              Key::CheckNumberAtEnd);
    auto *numberAtEnd = parameterControl(numberEdit(this), Key::NumberAtEnd);
    m_checkFindAndReplace = parameterControl(
        new QCheckBox(tr("Find && Replace in File Name"), group), Key::CheckFindAndReplace);
    auto *newFileName = parameterControl(new QLineEdit(this), Key::NewFileName);
    auto *checkNewFileName =
        parameterControl(new QCheckBox(tr("&New Name :"), this), Key::CheckNewFileName);
    auto *removeLength = parameterControl(numberEdit(this), Key::RemoveInitialCharactersLength);
    auto *checkRemove =
        parameterControl(new QCheckBox(tr("Remove Initial Characters of Length :"), this),
                         Key::CheckRemoveInitialCharacters);
    auto *checkUpperCase =
        parameterControl(new QCheckBox(tr("Upper Case"), this), Key::CheckUpperCase);
    auto *checkLowerCase =
        parameterControl(new QCheckBox(tr("Lower Case"), this), Key::CheckLowerCase);
    const int maxPad = RenameParameters::kMaximumPadding;
    auto *padStart = parameterControl(spinBox(0, maxPad, 32, this), Key::PadNumberAtStart);
    auto *stepStart = parameterControl(spinBox(INT_MIN, INT_MAX, 36, this), Key::StepNumberAtStart);
    auto *padEnd = parameterControl(spinBox(0, maxPad, 32, this), Key::PadNumberAtEnd);
    auto *stepEnd = parameterControl(spinBox(INT_MIN, INT_MAX, 36, this), Key::StepNumberAtEnd);
    auto *checkRestart = parameterControl(
        new QCheckBox(tr("Restart Numbers in Every Fol&der"), this), Key::RestartNumbersEachFolder);
    auto *checkPadNumbers = parameterControl(
        new QCheckBox(tr("&Pad Numbers in Name to Digits :"), this), Key::CheckPadNumbers);
    auto *padNumbersDigits = parameterControl(spinBox(0, maxPad, 32, this), Key::PadNumbersDigits);
    for (QSpinBox *pad : {padStart, padEnd, padNumbersDigits})
        pad->setToolTip(tr("The least number of digits, with leading zeros "
                           "(0 or 1: as many as the number has)"));
    for (QSpinBox *step : {stepStart, stepEnd})
        step->setToolTip(tr("Added to the number from file to file "
                            "(negative: counts down)"));
    auto *regex = parameterControl(new QCheckBox(tr("Regular e&xpression"), group),
                                   Key::FindRegularExpression);
    auto *matchCase =
        parameterControl(new QCheckBox(tr("Match &case"), group), Key::FindIgnoreCase);
    matchCase->setProperty(kStoresOpposite, true);
    auto *replaceAll =
        parameterControl(new QCheckBox(tr("Replace &all"), group), Key::FindFirstOnly);
    replaceAll->setProperty(kStoresOpposite, true);
    auto *checkTitleCase =
        parameterControl(new QCheckBox(tr("T&itle Case"), this), Key::CheckTitleCase);
    auto *checkSentenceCase =
        parameterControl(new QCheckBox(tr("Sent&ence Case"), this), Key::CheckSentenceCase);
    auto *checkTrimSpaces =
        parameterControl(new QCheckBox(tr("Trim &Spaces"), this), Key::CheckTrimSpaces);
    auto *checkAscii =
        parameterControl(new QCheckBox(tr("Spe&ll in ASCII"), this), Key::CheckAscii);
    auto *checkLowerExtension = parameterControl(new QCheckBox(tr("Lower-Case Extensi&on"), this),
                                                 Key::CheckLowerExtension);
    // In the order of the stored values (NamePart).
    auto *applyTo = new QComboBox(this);
    applyTo->addItems({tr("Whole Name"), tr("Name Without Extension"), tr("Extension Only")});
    applyTo->setToolTip(tr("What Find && Replace and the case boxes change; title "
                           "and sentence case never change the extension of the "
                           "whole name"));
    parameterControl(applyTo, Key::ApplyTo);
    checkAscii->setToolTip(tr("Other scripts in Latin letters, accents dropped; "
                              "emoji and bytes that are not UTF-8 are kept"));
    checkTrimSpaces->setToolTip(
        tr("No spaces around the name without its extension, one for each run"));
    auto *checkNameTemplate =
        parameterControl(new QCheckBox(tr("Name Te&mplate :"), this), Key::CheckNameTemplate);
    checkNameTemplate->setToolTip(tr("Build each whole name from the template; the other "
                                     "parameters then apply to it"));
    m_nameTemplate = parameterControl(new QLineEdit(this), Key::NameTemplate);
    m_nameTemplate->setPlaceholderText(tr("{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}"));
    m_nameTemplate->setMinimumWidth(fromDialogUnits(this, 120, 0).width());
    auto *insertToken = named(new QToolButton(this), "InsertToken");
    insertToken->setText(tr("Insert To&ken"));
    insertToken->setPopupMode(QToolButton::InstantPopup);
    m_tokenMenu = named(new QMenu(insertToken), "InsertTokenMenu");
    m_tokenMenu->setToolTipsVisible(true);
    insertToken->setMenu(m_tokenMenu);
    connect(m_tokenMenu, &QMenu::aboutToShow, this, &CDlgRenameParameters::fillTokenMenu);
    m_labelTemplateMessage = named(new QLabel(this), "TemplateMessage");
    m_labelTemplateMessage->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_labelTemplateMessage->setWordWrap(true);
    m_labelTemplateMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_labelTemplateMessage->hide();

    QGridLayout *groupLayout = group->setTitle(m_checkFindAndReplace);
    groupLayout->addWidget(buddyLabel(tr("&Find :"), findText, group), 0, 0);
    groupLayout->addWidget(findText, 0, 1);
    groupLayout->addWidget(buddyLabel(tr("Replace With :"), replaceText, group), 1, 0);
    groupLayout->addWidget(replaceText, 1, 1);
    auto *findSwitches = new QHBoxLayout;
    findSwitches->addWidget(regex);
    findSwitches->addWidget(matchCase);
    findSwitches->addWidget(replaceAll);
    findSwitches->addStretch();
    groupLayout->addLayout(findSwitches, 2, 1);
    // Beside the fields it is about: what is wrong with the expression, while it is.
    m_labelFindMessage = named(new QLabel(group), "FindMessage");
    m_labelFindMessage->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_labelFindMessage->setWordWrap(true);
    m_labelFindMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_labelFindMessage->hide();
    groupLayout->addWidget(m_labelFindMessage, 3, 0, 1, 2);

    m_spinRemoveInitialCharactersLength =
        named(new CSpinArrows(removeLength, this), "RemoveInitialCharactersLengthArrows");
    m_spinRemoveInitialCharactersLength->upButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthUp"));
    m_spinRemoveInitialCharactersLength->downButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthDown"));
    m_spinRemoveInitialCharactersLength->setFixedSize(fromDialogUnits(this, 10, 0).width(),
                                                      removeLength->sizeHint().height());

    auto *renameAll = named(new QPushButton(tr("&Rename All"), this), "RenameAll");
    renameAll->setAutoDefault(false);
    renameAll->setDefault(false);
    renameAll->setMinimumSize(fromDialogUnits(this, 65, 32));
    connect(renameAll, &QPushButton::clicked, this, &CDlgRenameParameters::renameAllClicked);

    // Shown while a number edit holds no valid number; keeps its room while hidden.
    m_labelNumberMessage = named(new QLabel(this), "NumberMessage");
    m_labelNumberMessage->setStyleSheet(QStringLiteral("color: #b00000;"));
    QSizePolicy policy = m_labelNumberMessage->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_labelNumberMessage->setSizePolicy(policy);
    m_labelNumberMessage->hide();

    auto *removeRow = new QHBoxLayout;
    removeRow->setSpacing(0); // the arrows sit against their edit
    removeRow->addWidget(checkRemove);
    removeRow->addSpacing(fromDialogUnits(this, 4, 0).width());
    removeRow->addWidget(removeLength);
    removeRow->addWidget(m_spinRemoveInitialCharactersLength);
    removeRow->addStretch();
    auto *caseRow = new QHBoxLayout;
    caseRow->addWidget(checkUpperCase);
    caseRow->addWidget(checkLowerCase);
    caseRow->addWidget(checkTitleCase);
    caseRow->addWidget(checkSentenceCase);
    caseRow->addStretch();
    // Digits and step beside each running number; the row below them switches the restart
    // and the padding of the numbers already in the name.
    const auto numberDetails = [this](QSpinBox *pad, QSpinBox *step) {
        auto *row = new QHBoxLayout;
        row->addWidget(buddyLabel(tr("Digits :"), pad, this));
        row->addWidget(pad);
        row->addWidget(buddyLabel(tr("Step :"), step, this));
        row->addWidget(step);
        row->addStretch();
        return row;
    };
    auto *padNumbersRow = new QHBoxLayout;
    padNumbersRow->addWidget(checkRestart);
    padNumbersRow->addSpacing(fromDialogUnits(this, 8, 0).width());
    padNumbersRow->addWidget(checkPadNumbers);
    padNumbersRow->addWidget(padNumbersDigits);
    padNumbersRow->addStretch();
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(checkTrimSpaces);
    textRow->addWidget(checkAscii);
    textRow->addWidget(checkLowerExtension);
    textRow->addStretch();
    auto *applyRow = new QHBoxLayout;
    applyRow->addWidget(buddyLabel(tr("Apply Find && Replace and Case &To :"), applyTo, this));
    applyRow->addWidget(applyTo);
    applyRow->addStretch();

    nameAfter(numberAtStart, checkNumberAtStart->text());
    nameAfter(numberAtEnd, checkNumberAtEnd->text());
    nameAfter(newFileName, checkNewFileName->text());
    nameAfter(removeLength, checkRemove->text());
    nameAfter(padNumbersDigits, checkPadNumbers->text());
    nameAfter(m_nameTemplate, checkNameTemplate->text());

    const int iconSize = fromDialogUnits(this, 20, 0).width();
    auto *grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0, 1, 4);
    grid->addWidget(checkNewFileName, 1, 0);
    grid->addWidget(newFileName, 1, 1, 1, 3);
    grid->addWidget(makeIconLabel(iconSize, this), 2, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(checkNumberAtStart, 2, 1);
    grid->addWidget(numberAtStart, 2, 2, Qt::AlignLeft);
    grid->addLayout(numberDetails(padStart, stepStart), 2, 3);
    grid->addWidget(checkNumberAtEnd, 3, 1);
    grid->addWidget(numberAtEnd, 3, 2, Qt::AlignLeft);
    grid->addLayout(numberDetails(padEnd, stepEnd), 3, 3);
    grid->addLayout(padNumbersRow, 4, 0, 1, 4);
    grid->addLayout(removeRow, 5, 0, 1, 3);
    grid->addLayout(caseRow, 6, 0, 1, 3);
    // The presets at the right of the removal and case rows, clear of the rows above.
    grid->addLayout(buildPresetRows(), 5, 3, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(textRow, 7, 0, 1, 3);
    grid->addLayout(applyRow, 8, 0, 1, 3);
    grid->addWidget(renameAll, 7, 3, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    // The template gives the whole starting name: its row comes last, with its message.
    auto *templateRow = new QHBoxLayout;
    templateRow->addWidget(m_nameTemplate, 1);
    templateRow->addWidget(insertToken);
    grid->addWidget(checkNameTemplate, 9, 0);
    grid->addLayout(templateRow, 9, 1, 1, 3);
    grid->addWidget(m_labelTemplateMessage, 10, 0, 1, 4);
    grid->addWidget(m_labelNumberMessage, 11, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    for (const QLabel *label : findChildren<QLabel *>()) {
        if (auto *dropDown = qobject_cast<QComboBox *>(label->buddy()))
            nameAfter(dropDown->view(), label->text());
    }
    for (const QToolButton *button : findChildren<QToolButton *>()) {
        if (button->menu() && button->menu()->accessibleName().isEmpty())
            nameAfter(button->menu(), button->text());
    }

    // One control per line, so that adding one changes one line.
    // clang-format off
    const QList<QWidget *> tabOrder{
        m_checkFindAndReplace,
        findText,
        replaceText,
        regex,
        matchCase,
        replaceAll,
        checkNewFileName,
        newFileName,
        checkNumberAtStart,
        numberAtStart,
        padStart,
        stepStart,
        checkNumberAtEnd,
        numberAtEnd,
        padEnd,
        stepEnd,
        checkRestart,
        checkPadNumbers,
        padNumbersDigits,
        checkRemove,
        removeLength,
        checkUpperCase,
        checkLowerCase,
        checkTitleCase,
        checkSentenceCase,
        m_presets,
        findChild<QWidget *>(QStringLiteral("PresetMenu")),
        checkTrimSpaces,
        checkAscii,
        checkLowerExtension,
        applyTo,
        renameAll,
        checkNameTemplate,
        m_nameTemplate,
        insertToken,
    };
    // clang-format on
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    resize(fromDialogUnits(this, 350, 250));
}

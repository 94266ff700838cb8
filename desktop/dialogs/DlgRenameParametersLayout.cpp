// The controls of the rename parameters window: find and replace in a group at the top, the new
// name below it, the two numbers beside the icon, the remove length with its arrows, then the
// four case boxes, the text steps' boxes and the part they apply to, with "&Rename All" at the
// bottom right.
#include "desktop/dialogs/CheckTitledGroup.h"
#include "desktop/dialogs/DialogLook.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
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
        new QCheckBox(QStringLiteral("Add Number at Start From :"), this), Key::CheckNumberAtStart);
    auto *numberAtStart = parameterControl(numberEdit(this), Key::NumberAtStart);
    auto *checkNumberAtEnd = parameterControl(
        new QCheckBox(QStringLiteral("Add Number at End From :"), this), Key::CheckNumberAtEnd);
    auto *numberAtEnd = parameterControl(numberEdit(this), Key::NumberAtEnd);
    m_checkFindAndReplace =
        parameterControl(new QCheckBox(QStringLiteral("Find && Replace in File Name"), group),
                         Key::CheckFindAndReplace);
    auto *newFileName = parameterControl(new QLineEdit(this), Key::NewFileName);
    auto *checkNewFileName =
        parameterControl(new QCheckBox(QStringLiteral("&New Name :"), this), Key::CheckNewFileName);
    auto *removeLength = parameterControl(numberEdit(this), Key::RemoveInitialCharactersLength);
    auto *checkRemove = parameterControl(
        new QCheckBox(QStringLiteral("Remove Initial Characters of Length :"), this),
        Key::CheckRemoveInitialCharacters);
    auto *checkUpperCase =
        parameterControl(new QCheckBox(QStringLiteral("Upper Case"), this), Key::CheckUpperCase);
    auto *checkLowerCase =
        parameterControl(new QCheckBox(QStringLiteral("Lower Case"), this), Key::CheckLowerCase);
    auto *checkTitleCase =
        parameterControl(new QCheckBox(QStringLiteral("T&itle Case"), this), Key::CheckTitleCase);
    auto *checkSentenceCase = parameterControl(
        new QCheckBox(QStringLiteral("Sent&ence Case"), this), Key::CheckSentenceCase);
    auto *checkTrimSpaces =
        parameterControl(new QCheckBox(QStringLiteral("Trim &Spaces"), this), Key::CheckTrimSpaces);
    auto *checkAscii =
        parameterControl(new QCheckBox(QStringLiteral("Spell in &ASCII"), this), Key::CheckAscii);
    auto *checkLowerExtension = parameterControl(
        new QCheckBox(QStringLiteral("Lower-Case E&xtension"), this), Key::CheckLowerExtension);
    // In the order of the stored values (NamePart).
    auto *applyTo = new QComboBox(this);
    applyTo->addItems({QStringLiteral("Whole Name"), QStringLiteral("Name Without Extension"),
                       QStringLiteral("Extension Only")});
    applyTo->setToolTip(QStringLiteral("What Find && Replace and the case boxes change; title "
                                       "and sentence case never change the extension of the "
                                       "whole name"));
    parameterControl(applyTo, Key::ApplyTo);
    checkAscii->setToolTip(QStringLiteral("Other scripts in Latin letters, accents dropped; "
                                          "emoji and bytes that are not UTF-8 are kept"));
    checkTrimSpaces->setToolTip(
        QStringLiteral("No spaces around the name without its extension, one for each run"));

    QGridLayout *groupLayout = group->setTitle(m_checkFindAndReplace);
    groupLayout->addWidget(buddyLabel(QStringLiteral("&Find :"), findText, group), 0, 0);
    groupLayout->addWidget(findText, 0, 1);
    groupLayout->addWidget(buddyLabel(QStringLiteral("Replace With :"), replaceText, group), 1, 0);
    groupLayout->addWidget(replaceText, 1, 1);

    m_spinRemoveInitialCharactersLength =
        named(new CSpinArrows(removeLength, this), "RemoveInitialCharactersLengthArrows");
    m_spinRemoveInitialCharactersLength->upButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthUp"));
    m_spinRemoveInitialCharactersLength->downButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthDown"));
    m_spinRemoveInitialCharactersLength->setFixedSize(fromDialogUnits(this, 10, 0).width(),
                                                      removeLength->sizeHint().height());

    auto *renameAll = named(new QPushButton(QStringLiteral("&Rename All"), this), "RenameAll");
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
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(checkTrimSpaces);
    textRow->addWidget(checkAscii);
    textRow->addWidget(checkLowerExtension);
    textRow->addStretch();
    auto *applyRow = new QHBoxLayout;
    applyRow->addWidget(
        buddyLabel(QStringLiteral("Apply Find && Replace and Case &To :"), applyTo, this));
    applyRow->addWidget(applyTo);
    applyRow->addStretch();

    const int iconSize = fromDialogUnits(this, 20, 0).width();
    auto *grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0, 1, 4);
    grid->addWidget(checkNewFileName, 1, 0);
    grid->addWidget(newFileName, 1, 1, 1, 3);
    grid->addWidget(makeIconLabel(iconSize, this), 2, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(checkNumberAtStart, 2, 1);
    grid->addWidget(numberAtStart, 2, 2, Qt::AlignLeft);
    grid->addWidget(checkNumberAtEnd, 3, 1);
    grid->addWidget(numberAtEnd, 3, 2, Qt::AlignLeft);
    grid->addLayout(removeRow, 4, 0, 1, 3);
    grid->addLayout(caseRow, 5, 0, 1, 3);
    grid->addLayout(textRow, 6, 0, 1, 3);
    grid->addLayout(applyRow, 7, 0, 1, 3);
    grid->addWidget(renameAll, 6, 3, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(m_labelNumberMessage, 8, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    // One control per line, so that adding one changes one line.
    // clang-format off
    const QList<QWidget *> tabOrder{
        m_checkFindAndReplace,
        findText,
        replaceText,
        checkNewFileName,
        newFileName,
        checkNumberAtStart,
        numberAtStart,
        checkNumberAtEnd,
        numberAtEnd,
        checkRemove,
        removeLength,
        checkUpperCase,
        checkLowerCase,
        checkTitleCase,
        checkSentenceCase,
        checkTrimSpaces,
        checkAscii,
        checkLowerExtension,
        applyTo,
        renameAll,
    };
    // clang-format on
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    resize(fromDialogUnits(this, 302, 200));
}

// The controls of the rename parameters window, arranged as in its resource template:
// find and replace in a group at the top, the new name below it, the two numbers beside
// the icon, the remove length with its arrows, the case boxes at the bottom and
// "&Rename All" at the bottom right.
#include "dialogs/DialogLook.h"
#include "dialogs/DlgRenameParameters.h"
#include "dialogs/NumberEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

CNumberEdit *numberEdit(QWidget *parent, const char *name)
{
    auto *edit = named(new CNumberEdit(parent), name);
    edit->setFixedWidth(fromDialogUnits(parent, 40, 0).width());
    return edit;
}

// A group frame whose title is a check box sitting on the frame's top edge.
class CheckTitledGroup : public QWidget
{
public:
    explicit CheckTitledGroup(QWidget *parent) : QWidget(parent) {}

    // Takes the check box as the title and returns the layout for the contents under it.
    QGridLayout *setTitle(QCheckBox *title)
    {
        m_title = title;
        title->setParent(this);
        title->setBackgroundRole(QPalette::Window);
        title->setAutoFillBackground(true); // hides the frame line behind the title
        auto *layout = new QGridLayout(this);
        const QSize size = title->sizeHint();
        layout->setContentsMargins(9, size.height() + 3, 9, 9);
        setMinimumWidth(size.width() + 24);
        return layout;
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (m_title)
            m_title->setGeometry(QRect(QPoint(8, 0), m_title->sizeHint()));
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        const int top = m_title ? m_title->sizeHint().height() / 2 : 0;
        frame.rect = rect().adjusted(0, top, 0, 0);
        frame.lineWidth = 1;
        frame.midLineWidth = 0;
        style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    }

private:
    QCheckBox *m_title = nullptr;
};

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

template <typename Sender, typename Signal>
void CDlgRenameParameters::route(Sender *sender, Signal signal,
                                 void (CDlgRenameParameters::*handler)())
{
    // While the fields are copied into the controls, their notifications reach no handler.
    connect(sender, signal, this, [this, handler] {
        if (!m_bPuttingControls)
            (this->*handler)();
    });
}

void CDlgRenameParameters::buildControls()
{
    auto *group = new CheckTitledGroup(this);
    m_checkFindAndReplace =
        named(new QCheckBox(QStringLiteral("Find && Replace in File Name"), group),
              "CheckFindAndReplace");
    QGridLayout *groupLayout = group->setTitle(m_checkFindAndReplace);
    m_editFindText = named(new QLineEdit(group), "FindText");
    m_editReplaceText = named(new QLineEdit(group), "ReplaceText");
    groupLayout->addWidget(buddyLabel(QStringLiteral("&Find :"), m_editFindText, group), 0, 0);
    groupLayout->addWidget(m_editFindText, 0, 1);
    groupLayout->addWidget(buddyLabel(QStringLiteral("Replace With :"), m_editReplaceText, group),
                           1, 0);
    groupLayout->addWidget(m_editReplaceText, 1, 1);

    m_checkNewFileName =
        named(new QCheckBox(QStringLiteral("&New Name :"), this), "CheckNewFileName");
    m_editNewFileName = named(new QLineEdit(this), "NewFileName");

    m_checkNumberAtStart = named(new QCheckBox(QStringLiteral("Add Number at Start From :"), this),
                                 "CheckNumberAtStart");
    m_editNumberAtStart = numberEdit(this, "NumberAtStart");
    m_checkNumberAtEnd =
        named(new QCheckBox(QStringLiteral("Add Number at End From :"), this), "CheckNumberAtEnd");
    m_editNumberAtEnd = numberEdit(this, "NumberAtEnd");

    m_checkRemoveInitialCharacters =
        named(new QCheckBox(QStringLiteral("Remove Initial Characters of Length :"), this),
              "CheckRemoveInitialCharacters");
    m_editRemoveInitialCharactersLength = numberEdit(this, "RemoveInitialCharactersLength");
    m_spinRemoveInitialCharactersLength =
        named(new CSpinArrows(m_editRemoveInitialCharactersLength, this),
              "RemoveInitialCharactersLengthArrows");
    m_spinRemoveInitialCharactersLength->upButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthUp"));
    m_spinRemoveInitialCharactersLength->downButton()->setObjectName(
        QStringLiteral("RemoveInitialCharactersLengthDown"));
    m_spinRemoveInitialCharactersLength->setFixedSize(
        fromDialogUnits(this, 10, 0).width(),
        m_editRemoveInitialCharactersLength->sizeHint().height());

    m_checkUpperCase = named(new QCheckBox(QStringLiteral("Upper Case"), this), "CheckUpperCase");
    m_checkLowerCase = named(new QCheckBox(QStringLiteral("Lower Case"), this), "CheckLowerCase");

    m_buttonRenameAll = named(new QPushButton(QStringLiteral("&Rename All"), this), "RenameAll");
    m_buttonRenameAll->setAutoDefault(false);
    m_buttonRenameAll->setDefault(false);
    m_buttonRenameAll->setMinimumSize(fromDialogUnits(this, 65, 32));

    // Shown while a number edit holds no valid number; keeps its room while hidden.
    m_labelNumberMessage = named(new QLabel(this), "NumberMessage");
    m_labelNumberMessage->setStyleSheet(QStringLiteral("color: #b00000;"));
    QSizePolicy policy = m_labelNumberMessage->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_labelNumberMessage->setSizePolicy(policy);
    m_labelNumberMessage->hide();

    auto *removeRow = new QHBoxLayout;
    removeRow->setSpacing(0); // the arrows sit against their edit
    removeRow->addWidget(m_checkRemoveInitialCharacters);
    removeRow->addSpacing(fromDialogUnits(this, 4, 0).width());
    removeRow->addWidget(m_editRemoveInitialCharactersLength);
    removeRow->addWidget(m_spinRemoveInitialCharactersLength);
    removeRow->addStretch();
    auto *caseRow = new QHBoxLayout;
    caseRow->addWidget(m_checkUpperCase);
    caseRow->addWidget(m_checkLowerCase);
    caseRow->addStretch();

    const int iconSize = fromDialogUnits(this, 20, 0).width();
    auto *grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0, 1, 4);
    grid->addWidget(m_checkNewFileName, 1, 0);
    grid->addWidget(m_editNewFileName, 1, 1, 1, 3);
    grid->addWidget(makeIconLabel(iconSize, this), 2, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_checkNumberAtStart, 2, 1);
    grid->addWidget(m_editNumberAtStart, 2, 2, Qt::AlignLeft);
    grid->addWidget(m_checkNumberAtEnd, 3, 1);
    grid->addWidget(m_editNumberAtEnd, 3, 2, Qt::AlignLeft);
    grid->addLayout(removeRow, 4, 0, 1, 3);
    grid->addLayout(caseRow, 5, 0, 1, 3);
    grid->addWidget(m_buttonRenameAll, 4, 3, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(m_labelNumberMessage, 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    const QList<QWidget *> tabOrder{
        m_checkFindAndReplace,
        m_editFindText,
        m_editReplaceText,
        m_checkNewFileName,
        m_editNewFileName,
        m_checkNumberAtStart,
        m_editNumberAtStart,
        m_checkNumberAtEnd,
        m_editNumberAtEnd,
        m_checkRemoveInitialCharacters,
        m_editRemoveInitialCharactersLength,
        m_checkUpperCase,
        m_checkLowerCase,
        m_buttonRenameAll,
    };
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    route(m_editFindText, &QLineEdit::textChanged, &CDlgRenameParameters::OnChangeFindText);
    route(m_editReplaceText, &QLineEdit::textChanged, &CDlgRenameParameters::OnChangeReplaceText);
    route(m_editNewFileName, &QLineEdit::textChanged, &CDlgRenameParameters::OnChangeNewFileName);
    route(m_editRemoveInitialCharactersLength, &QLineEdit::textChanged,
          &CDlgRenameParameters::OnChangeRemoveInitialCharactersLength);
    route(m_editNumberAtStart, &QLineEdit::textChanged,
          &CDlgRenameParameters::OnChangeNumberAtStart);
    route(m_editNumberAtEnd, &QLineEdit::textChanged, &CDlgRenameParameters::OnChangeNumberAtEnd);
    route(m_checkFindAndReplace, &QCheckBox::clicked,
          &CDlgRenameParameters::OnClickedCheckFindAndReplace);
    route(m_checkNewFileName, &QCheckBox::clicked,
          &CDlgRenameParameters::OnClickedCheckNewFileName);
    route(m_checkNumberAtStart, &QCheckBox::clicked,
          &CDlgRenameParameters::OnClickedCheckNumberAtStart);
    route(m_checkNumberAtEnd, &QCheckBox::clicked,
          &CDlgRenameParameters::OnClickedCheckNumberAtEnd);
    route(m_checkRemoveInitialCharacters, &QCheckBox::clicked,
          &CDlgRenameParameters::OnClickedCheckRemoveInitialCharacters);
    route(m_checkUpperCase, &QCheckBox::clicked, &CDlgRenameParameters::OnClickedCheckUpperCase);
    route(m_checkLowerCase, &QCheckBox::clicked, &CDlgRenameParameters::OnClickedCheckLowerCase);
    route(m_buttonRenameAll, &QPushButton::clicked, &CDlgRenameParameters::OnClickedRenameAll);

    resize(fromDialogUnits(this, 302, 162));
}

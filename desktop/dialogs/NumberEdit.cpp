#include "desktop/dialogs/NumberEdit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CNumberEdit::CNumberEdit(QWidget *parent) : QLineEdit(parent)
{
    // Only what is typed or pasted is checked; setText() is not.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

std::optional<int> CNumberEdit::number() const
{
    bool ok = false;
    const int value = text().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

void CNumberEdit::setNumber(int value)
{
    setText(QString::number(value));
}

CSpinArrows::CSpinArrows(CNumberEdit *buddy, QWidget *parent)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto setUp = [layout](QToolButton *button, Qt::ArrowType arrow) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        layout->addWidget(button);
    };
    setUp(m_up, Qt::UpArrow);
    setUp(m_down, Qt::DownArrow);
    m_up->setAccessibleName(tr("Increase"));
    m_down->setAccessibleName(tr("Decrease"));
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    m_buddy->installEventFilter(this);
}

void CSpinArrows::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

void CSpinArrows::setPosition(int value)
{
    m_position = value;
    m_buddy->setNumber(value);
}

int CSpinArrows::clamped(int value) const
{
    return std::clamp(value, m_minimum, m_maximum);
}

void CSpinArrows::stepBy(int delta)
{
    const int from = clamped(m_buddy->number().value_or(m_position));
    // Both ends stop the step; the sum is formed in 64 bits and clamped back into range.
    m_position = int(std::clamp<qint64>(qint64(from) + delta, m_minimum, m_maximum));
    const QString text = QString::number(m_position);
    if (m_buddy->text() != text)
        m_buddy->setText(text);
}

bool CSpinArrows::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

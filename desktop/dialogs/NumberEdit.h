#pragma once

#include <QLineEdit>
#include <QWidget>

#include <optional>

class QToolButton;

// An edit that accepts only the digits 0 to 9 as typed, with no length limit: it can be
// empty or hold a number too large for 32 bits, which number() then reports as invalid.
// A text put in with setText() is shown as given (a stored negative number, say).
class CNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CNumberEdit(QWidget *parent = nullptr);

    // The text as a 32-bit signed integer; nothing when empty or out of range.
    std::optional<int> number() const;
    void setNumber(int value);
};

// Up and down arrows that step the number in their buddy edit within a range, one per
// click (repeating while held) or per Up/Down key in the edit. A number typed outside the
// range stays as typed until an arrow is used; the step then starts from the nearest end.
class CSpinArrows : public QWidget
{
    Q_OBJECT
public:
    CSpinArrows(CNumberEdit *buddy, QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    // Writes value into the buddy; later steps start from it while the buddy's text is not
    // a number.
    void setPosition(int value);
    int position() const { return m_position; }
    void stepBy(int delta);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int clamped(int value) const;

    CNumberEdit *m_buddy;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};

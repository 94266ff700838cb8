#pragma once

// Answers for the desktop program's questions in a benchmark, where nobody sits at the screen:
// a question with Yes, No and Cancel gets the answer given, any other message Ok; the pickers
// give nothing and a modal dialog is closed at once.

#include "desktop/ui/Prompts.h"

namespace bench {

class Prompts : public ::Prompts
{
public:
    explicit Prompts(Answer yesNoCancel) : m_yesNoCancel(yesNoCancel) {}

    Answer message(QWidget *, const QString &, Icon, Buttons buttons) override
    {
        return buttons == Buttons::YesNoCancel ? m_yesNoCancel : Answer::Ok;
    }
    int choose(QWidget *, const QString &, Icon, const QStringList &) override { return -1; }
    QString pickFolder(QWidget *, const QString &) override { return {}; }
    int runModal(QDialog *) override { return 0; }
    QString pickOpenFile(QWidget *, const QString &) override { return {}; }
    QString pickSaveFile(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<QString> askText(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }

private:
    Answer m_yesNoCancel;
};

} // namespace bench

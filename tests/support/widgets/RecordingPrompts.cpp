#include "RecordingPrompts.h"

#include <QDialog>

Prompts::Answer RecordingPrompts::message(QWidget *, const QString &text, Icon icon,
                                          Buttons buttons)
{
    messages.append({text, icon, buttons});
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
}

int RecordingPrompts::choose(QWidget *, const QString &text, Icon icon, const QStringList &offered)
{
    choices.append({text, icon, offered});
    return choiceAnswers.isEmpty() ? -1 : choiceAnswers.takeFirst();
}

QString RecordingPrompts::pickFolder(QWidget *, const QString &startFolder)
{
    folderStarts.append(startFolder);
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

int RecordingPrompts::runModal(QDialog *dialog)
{
    modalDialogs.append(dialog->objectName());
    return onModal ? onModal(dialog) : int(QDialog::Rejected);
}

QString RecordingPrompts::pickOpenFile(QWidget *, const QString &)
{
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.takeFirst();
}

QString RecordingPrompts::pickSaveFile(QWidget *, const QString &suggestedPath, const QString &)
{
    saveSuggestions.append(suggestedPath);
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.takeFirst();
}

std::optional<QString> RecordingPrompts::askText(QWidget *, const QString &label, const QString &)
{
    textQuestions.append(label);
    const QString answer = textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
    return answer.isNull() ? std::nullopt : std::optional<QString>(answer);
}

#pragma once

#include "desktop/ui/Prompts.h"

#include <QList>
#include <QStringList>

#include <functional>

// Answers every prompt at once and records what was asked: tests never wait on a modal loop.
class RecordingPrompts : public Prompts
{
public:
    struct Message
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    RecordingPrompts() { Prompts::install(this); }
    ~RecordingPrompts() override { Prompts::install(nullptr); }
    RecordingPrompts(const RecordingPrompts &) = delete;
    RecordingPrompts &operator=(const RecordingPrompts &) = delete;

    struct Choice
    {
        QString text;
        Icon icon;
        QStringList choices;
    };

    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override;
    int choose(QWidget *parent, const QString &text, Icon icon,
               const QStringList &choices) override;
    QString pickFolder(QWidget *parent, const QString &startFolder) override;
    int runModal(QDialog *dialog) override;
    QString pickOpenFile(QWidget *parent, const QString &filter) override;
    QString pickSaveFile(QWidget *parent, const QString &suggestedPath,
                         const QString &filter) override;
    std::optional<QString> askText(QWidget *parent, const QString &label,
                                   const QString &initial) override;

    // Answers given in order; when a list is empty: Ok (Cancel for Yes/No/Cancel), and an
    // empty path (cancelled).
    QList<Answer> messageAnswers;
    QList<int> choiceAnswers; // when empty: -1, no choice
    QStringList folderAnswers;
    QStringList openFileAnswers;
    QStringList saveFileAnswers;
    QStringList textAnswers; // a null text, or none left: cancelled
    // Runs instead of the modal loop; returns the dialog's result. Default: rejected.
    std::function<int(QDialog *)> onModal;

    QList<Message> messages;
    QList<Choice> choices;
    QStringList folderStarts;    // the start folder of each folder picker request
    QStringList saveSuggestions; // the suggested path of each save picker request
    QStringList modalDialogs;    // object names of the dialogs run modally
    QStringList textQuestions;   // the label of each text asked for
};

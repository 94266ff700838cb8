#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

// The one seam for modal prompts: message boxes, the folder picker and the modal loop of
// one-command dialogs. The program uses the real ones; tests install their own and answer.
class Prompts
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Error,
        Question
    };
    enum class Buttons
    {
        Ok,
        YesNoCancel
    };
    enum class Answer
    {
        Ok,
        Yes,
        No,
        Cancel
    };

    virtual ~Prompts() = default;

    // A message box titled with the application's name.
    virtual Answer message(QWidget *parent, const QString &text, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // A message box whose buttons carry the given texts, the first the default: the index of
    // the one pressed, or -1 when the box was closed without a choice.
    virtual int choose(QWidget *parent, const QString &text, Icon icon,
                       const QStringList &choices) = 0;
    // The folder picker; an empty result means cancelled.
    virtual QString pickFolder(QWidget *parent, const QString &startFolder) = 0;
    // Runs a dialog modally and returns its result code.
    virtual int runModal(QDialog *dialog) = 0;
    // File pickers for documents; an empty result means cancelled. filter as QFileDialog
    // takes it.
    virtual QString pickOpenFile(QWidget *parent, const QString &filter) = 0;
    virtual QString pickSaveFile(QWidget *parent, const QString &suggestedPath,
                                 const QString &filter) = 0;

    // A line of text asked for under label, starting from initial; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &label,
                                           const QString &initial) = 0;

    static Prompts &instance();
    // Replaces the prompts in use (tests); nullptr goes back to the real ones. Not owned.
    static void install(Prompts *prompts);
};

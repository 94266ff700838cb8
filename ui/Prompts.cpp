#include "ui/Prompts.h"

#include "engine/AppSettings.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class RealPrompts : public Prompts
{
public:
    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(QString::fromLatin1(CAppSettings::applicationTitle));
        box.setText(text);
        switch (icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        if (buttons == Buttons::YesNoCancel) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
        }
    }

    QString pickFolder(QWidget *parent, const QString &startFolder) override
    {
        return QFileDialog::getExistingDirectory(parent, QString(), startFolder);
    }

    int runModal(QDialog *dialog) override { return dialog->exec(); }

    QString pickOpenFile(QWidget *parent, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    }

    QString pickSaveFile(QWidget *parent, const QString &suggestedPath,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, QString(), suggestedPath, filter);
    }
};

RealPrompts g_realPrompts;
Prompts *g_prompts = nullptr;

} // namespace

Prompts &Prompts::instance()
{
    return g_prompts ? *g_prompts : g_realPrompts;
}

void Prompts::install(Prompts *prompts)
{
    g_prompts = prompts;
}

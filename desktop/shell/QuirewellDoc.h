#pragma once

#include "desktop/ui/CommandTarget.h"

#include <QObject>
#include <QString>

class QWidget;

// The document of a document window. It holds nothing: a ".kvx" file is written empty and
// its content is never read, and a document is never marked modified, so closing never asks
// to save.
class CQuirewellDoc : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    // A new document titled "OrvaltRenamer" with a running number.
    explicit CQuirewellDoc(QObject *parent = nullptr);
    // A document opened from a file: its title is the file's name.
    explicit CQuirewellDoc(const QString &path, QObject *parent = nullptr);

    const QString &title() const { return m_title; }
    const QString &path() const { return m_path; }

    // Writes the (empty) document file; false when it cannot be written.
    bool saveDocument(const QString &path);

    static QString fileFilter(); // "Orvalt Quirewell Files (*.kvx)"
    // Why the file cannot be opened as a document, in the framework's words; empty when it
    // can (it is readable: its content does not matter).
    static QString openFailure(const QString &path);

signals:
    void titleChanged(const QString &title);
    // Close (Cmd::FileClose): every window of this document is to close.
    void closeRequested();

private:
    void registerCommands();
    void onFileSave();
    void onFileSaveAs();
    QWidget *promptParent() const;

    QString m_path;
    QString m_title;
};

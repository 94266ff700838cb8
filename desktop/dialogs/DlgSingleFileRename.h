#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Renames one file to a name the user types. Modal, one object per use.
//
// The caller (the list view's Cmd::RenameSelectedFile) calls setFile() with the selected row's
// location and loaded name, runs the dialog with Prompts::instance().runModal(), and on
// QDialog::Accepted sets the row's loaded name and new name to newFileName(); nothing else
// of the list changes. Accepted means the file now has that name: either it was renamed or
// the name was left as it was.
//
// OK refuses an empty name and a name that is not a plain name inside the folder (".",
// "..", or one holding '/' or a NUL character, which would move the file elsewhere), and
// shows why through Prompts; a failed rename shows the system's text and the dialog stays
// open with the typed name, so the user can correct it or cancel.
class CDlgSingleFileRename : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgSingleFileRename(QWidget *parent = nullptr);

    // location: the row's folder text, ending in '/'. fileName: its loaded name, also the
    // starting new name. locationBytes and nameBytes: the exact bytes on disk when known
    // (names that are not valid UTF-8); otherwise they are encoded from the texts.
    void setFile(const QString &location, const QString &fileName,
                 const QByteArray &locationBytes = {}, const QByteArray &nameBytes = {});

    QString location() const { return m_strLocation; }
    QString fileToRename() const { return m_strFileToRename; }
    QString newFileName() const { return m_strNewFileName; }

    // OK: checks and renames; closes with Accepted only when the file has the new name.
    void accept() override;

private:
    void takeControls();
    bool renameFile(QString &error) const;

    QString m_strLocation;
    QString m_strMessage;
    QString m_strFileToRename;
    QString m_strNewFileName;
    QByteArray m_locationBytes;
    QByteArray m_nameBytes;

    QLineEdit *m_editNewFileName;
    QLineEdit *m_editFileToRename;
    QPushButton *m_buttonOk;
    QPushButton *m_buttonCancel;
};

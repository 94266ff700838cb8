#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;

// A window that lists rows of texts under a one-line summary, with a button that copies the
// list as text and one that closes it: what went wrong in a batch or a listing, in a form the
// user can read, sort out and paste elsewhere.
class CDlgTextList : public QDialog
{
    Q_OBJECT

public:
    struct Content
    {
        QString title;    // of the window, before the application's name
        QString summary;  // above the list
        QString listName; // the table's object name
        QStringList headers;
        QList<QStringList> rows; // as many texts as headers each
    };

    explicit CDlgTextList(Content content, QWidget *parent = nullptr);

    // The list as copied: the header line, then one line per row, fields separated by tabs
    // (a tab or line break inside a field is written as a space).
    QString text() const;
    void copyToClipboard() const;

private:
    Content m_content;
    QTableWidget *m_table;
};

#pragma once

#include <QDialog>

// The About box: the product and its version, the support address, OK and a link to the
// home page. Only a mouse click on the link opens the page, and the box stays open.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);

private:
    void onClickHomeLink();
};

// Runs the About box modally (through the prompt seam) and destroys it afterwards.
void showAboutBox(QWidget *parent);

#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// The listing filters (whether hidden files and read-only files are listed), whether a
// batch renames chains and swaps through temporary names, and whether the name columns sort
// in natural order. Modal, one object per use. Shows
// the stored values; OK stores the three boxes, Cancel, Escape and the
// close button store nothing.
//
// The caller (the list view's Cmd::Settings) runs it with Prompts::instance().runModal()
// and, only when that returns QDialog::Accepted, reloads its cached filters from the store
// and lists the current folder again (which rebuilds the status summary). It does not
// compute the new names again and does not change the caption: after OK every row's new
// name shows its loaded name until the next recompute. When no folder has been chosen yet,
// nothing is listed.
class CDlgSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgSettings(QWidget *parent = nullptr);

    // OK: stores "DisplayHiddenFiles", "DisplayReadOnlyFiles", "ResolveChains" and
    // "NaturalNameOrder", then closes with Accepted.
    void accept() override;

private:
    void takeControls();

    QString m_caption;
    int m_listHidden = 0;
    int m_listReadOnly = 0;
    int m_resolveChains = 0;
    int m_naturalNameOrder = 0;

    QPushButton *m_buttonOk;
    QPushButton *m_buttonCancel;
    QCheckBox *m_checkListHidden;
    QCheckBox *m_checkListReadOnly;
    QCheckBox *m_checkResolveChains;
    QCheckBox *m_checkNaturalNameOrder;
};

#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QStyledItemDelegate>

#include <functional>

// Paints the "New File Name" cells of marked rows (FileListModel::kProblemRole) in a warning
// colour taken from the look's own palette, with a warning icon; the model gives the tooltip.
// A name edited by hand (see setEditedRows) is shown in italics after a pencil sign.
class ConflictDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ConflictDelegate(QObject *parent = nullptr);

    // A red that reads at least 4.5:1 against the palette's Base and AlternateBase; where no
    // red does, the palette's Text colour.
    static QColor warningColour(const QPalette &palette);
    // The contrast ratio of two colours (WCAG), 1 to 21.
    static double contrast(const QColor &a, const QColor &b);

    // Tells which rows hold a name edited by hand rather than the rule's.
    void setEditedRows(std::function<bool(int row)> edited) { m_edited = std::move(edited); }
    // What an edited row's cell shows before its name.
    static QString editedSign();

    // How the cell of index is shown: its mark's colour and icon, an edited name's sign.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    std::function<bool(int row)> m_edited;
};

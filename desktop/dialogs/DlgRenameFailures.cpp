#include "desktop/dialogs/DlgRenameFailures.h"

#include "desktop/dialogs/DialogLook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList &headers()
{
    static const QStringList texts{QStringLiteral("Loaded File Name"),
                                   QStringLiteral("New File Name"), QStringLiteral("Location"),
                                   QStringLiteral("Reason")};
    return texts;
}

QString oneLine(QString field)
{
    for (QChar &c : field)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return field;
}

} // namespace

CDlgRenameFailures::CDlgRenameFailures(int renamed, const QList<Failure> &failures, QWidget *parent)
    : QDialog(parent), m_failures(failures), m_table(new QTableWidget(this))
{
    setWindowTitle(captionWithTitle(QStringLiteral("Files Not Renamed - ")));
    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        setWindowIcon(icon);

    auto *summary = new QLabel(
        QStringLiteral("%1 renamed, %2 could not be renamed").arg(renamed).arg(failures.size()),
        this);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setBuddy(m_table);
    m_table->setObjectName(QStringLiteral("Failures"));
    m_table->setColumnCount(int(headers().size()));
    m_table->setHorizontalHeaderLabels(headers());
    m_table->setRowCount(int(failures.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < failures.size(); ++row) {
        const Failure &f = failures[row];
        const QStringList fields{f.loadedName, f.newName, f.location, f.reason};
        for (int column = 0; column < fields.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(fields[column]));
    }
    m_table->resizeColumnsToContents();

    auto *copy = new QPushButton(QStringLiteral("&Copy List"), this);
    copy->setObjectName(QStringLiteral("Copy"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &CDlgRenameFailures::copyToClipboard);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    resize(fromDialogUnits(this, 420, 200));
    m_table->setFocus();
}

QString CDlgRenameFailures::text() const
{
    QString out = headers().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Failure &f : m_failures)
        out += QStringList{oneLine(f.loadedName), oneLine(f.newName), oneLine(f.location),
                           oneLine(f.reason)}
                   .join(QLatin1Char('\t')) +
               QLatin1Char('\n');
    return out;
}

void CDlgRenameFailures::copyToClipboard() const
{
    QGuiApplication::clipboard()->setText(text());
}

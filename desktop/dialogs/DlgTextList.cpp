#include "desktop/dialogs/DlgTextList.h"

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

QString oneLine(QString field)
{
    for (QChar &c : field)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return field;
}

QString textLine(const QStringList &fields)
{
    QStringList line;
    for (const QString &field : fields)
        line.append(oneLine(field));
    return line.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

} // namespace

CDlgTextList::CDlgTextList(Content content, QWidget *parent)
    : QDialog(parent), m_content(std::move(content)), m_table(new QTableWidget(this))
{
    setWindowTitle(captionWithTitle(m_content.title));
    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        setWindowIcon(icon);

    auto *summary = new QLabel(m_content.summary, this);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setBuddy(m_table);
    m_table->setObjectName(m_content.listName);
    m_table->setAccessibleName(m_content.title);
    m_table->setColumnCount(int(m_content.headers.size()));
    m_table->setHorizontalHeaderLabels(m_content.headers);
    m_table->setRowCount(int(m_content.rows.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_content.rows.size(); ++row) {
        const QStringList &fields = m_content.rows[row];
        for (int column = 0; column < fields.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(fields[column]));
    }
    m_table->resizeColumnsToContents();

    auto *copy = new QPushButton(tr("&Copy List"), this);
    copy->setObjectName(QStringLiteral("Copy"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &CDlgTextList::copyToClipboard);
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

QString CDlgTextList::text() const
{
    QString out = textLine(m_content.headers);
    for (const QStringList &row : m_content.rows)
        out += textLine(row);
    return out;
}

void CDlgTextList::copyToClipboard() const
{
    QGuiApplication::clipboard()->setText(text());
}

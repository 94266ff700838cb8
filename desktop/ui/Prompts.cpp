#include "desktop/ui/Prompts.h"

#include "core/engine/settings/AppSettings.h"

#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A box wraps its text where words end, and a path offers such a place at every '/' and
// space. The bracketed part of each line ("Folder [/home/me/My Photos]", from its first '['
// to its last ']') stays on one line: its spaces do not break and a word joiner follows each
// of its characters. A part wider than the box's widest still breaks, anywhere.
QString withPathsKeptWhole(const QString &text)
{
    constexpr QChar kNoBreakSpace(0x00A0);
    constexpr QChar kWordJoiner(0x2060);
    QString out;
    out.reserve(text.size() * 2);
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).mid(lineStart, lineEnd - lineStart);
        const qsizetype open = line.indexOf(u'[');
        const qsizetype close = line.lastIndexOf(u']');
        if (open < 0 || close <= open + 1) {
            out += line;
        } else {
            out += line.left(open + 1);
            for (qsizetype i = open + 1; i < close; ++i) {
                const QChar c = line.at(i);
                out += c == u' ' ? kNoBreakSpace : c;
                // Never between the two halves of a surrogate pair, nor before the ']'.
                if (!c.isHighSurrogate() && i + 1 < close)
                    out += kWordJoiner;
            }
            out += line.mid(close);
        }
        if (lineEnd < text.size())
            out += u'\n';
        lineStart = lineEnd + 1;
    }
    return out;
}

// The shown text carries joiners that keep paths whole; Ctrl+C copies the text as given, so
// a path pasted elsewhere is the real one.
class CopiesGivenText : public QObject
{
public:
    CopiesGivenText(QMessageBox &box, const QString &text) : QObject(&box), m_text(text)
    {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(m_text);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_text;
};

// The box's title is the application's name.
void setUp(QMessageBox &box, const QString &text, Prompts::Icon icon)
{
    new CopiesGivenText(box, text);
    box.setWindowTitle(QString::fromLatin1(CAppSettings::kApplicationTitle));
    // Plain text: a folder named "<b>x" is shown as it is named.
    box.setTextFormat(Qt::PlainText);
    box.setText(withPathsKeptWhole(text));
    switch (icon) {
    case Prompts::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Prompts::Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Prompts::Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Prompts::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
}

// Wide enough for its caption, which the window's title bar would otherwise cut.
void widenForCaption(QMessageBox &box)
{
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int captionWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(captionWidth, 0, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
}

class RealPrompts : public Prompts
{
public:
    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        QMessageBox box(parent);
        setUp(box, text, icon);
        if (buttons == Buttons::YesNoCancel) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        widenForCaption(box);
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

    int choose(QWidget *parent, const QString &text, Icon icon, const QStringList &choices) override
    {
        QMessageBox box(parent);
        setUp(box, text, icon);
        // Action buttons only: Escape picks none of them.
        QList<QAbstractButton *> buttons;
        for (const QString &choice : choices)
            buttons.append(box.addButton(choice, QMessageBox::ActionRole));
        if (!buttons.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        widenForCaption(box);
        box.exec();
        return int(buttons.indexOf(box.clickedButton()));
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

    std::optional<QString> askText(QWidget *parent, const QString &label,
                                   const QString &initial) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, QString::fromLatin1(CAppSettings::kApplicationTitle),
                                  label, QLineEdit::Normal, initial, &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
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

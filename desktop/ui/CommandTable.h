#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The table of every command: the object name of its action, its menu name, the description and
// tooltip shown wherever the command appears, and the keys that reach it. Menus, the ribbon and the
// frame's shortcuts all read their texts and keys from here.
struct CommandInfo
{
    int id = 0;
    QString actionName;  // object name of the command's action ("CheckAll")
    QString name;        // menu text, access character marked with '&'
    QString shownKeys;   // the key text a menu shows after a tab ("Ctrl+C"); may name no real key
    QString description; // longer text; empty when the command has none
    QString tooltip;     // short text; empty when the command has none
};

// Which accelerator table a key belongs to: the frame's (in force in the whole main window) or
// the document type's (in force only while a document window is active, tried first).
enum class KeyScope
{
    Frame,
    Document
};

struct Accelerator
{
    QKeySequence keys;
    int id = 0;
    KeyScope scope = KeyScope::Frame;
};

namespace CommandTable {

const QList<CommandInfo> &commands();
// nullptr for a number that is not in the table.
const CommandInfo *find(int id);
// nullptr for a name that is not in the table.
const CommandInfo *findByActionName(const QString &actionName);

const QList<Accelerator> &accelerators();
// Every key sequence that reaches the command, in table order.
QList<QKeySequence> keysFor(int id);
// The command reached by the keys, the document table tried first while a document window is
// active; 0 when no table maps them.
int commandForKeys(const QKeySequence &keys, bool documentActive);

// The tooltip shown for a ribbon element: the command's own, else the element's label without
// its access character.
QString tooltipFor(int id, const QString &label);
QString descriptionFor(int id);

// "&Save &As" -> "Save As", "&&" -> "&".
QString withoutAccessCharacters(const QString &text);

} // namespace CommandTable

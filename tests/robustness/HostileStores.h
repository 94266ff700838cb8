#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Settings files that a crash, a disk error or a careless edit leaves behind. In each of
// them no value of group "Settings" is sound, so every reader must fall back to its default.
struct HostileStore
{
    const char *name;
    QByteArray content;
};

QList<HostileStore> hostileStores();

// Writes content to path; false on failure.
bool writeStore(const QString &path, const QByteArray &content);

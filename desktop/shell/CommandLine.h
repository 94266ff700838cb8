#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do from its command line.
struct CommandLine
{
    bool version = false;  // --version: print the version and stop
    bool help = false;     // --help or -h: print the usage and stop
    QStringList openPaths; // ".kvx" documents and folders to list, as local paths
    QString error;         // not empty when the arguments make no sense

    // arguments without the program name. A "file:" URL, as file managers pass it, stands
    // for its local path.
    static CommandLine parse(const QStringList &arguments);
    static QString usage();
    // A path from the command line, kept to its exact bytes: made absolute and cleaned, and
    // whether it names a folder (following a symbolic link).
    static QString absolutePath(const QString &path);
    static bool isFolder(const QString &path);
    static bool isHelpOption(const QString &argument);
};

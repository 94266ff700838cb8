#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do from its command line.
struct CommandLine
{
    bool version = false; // --version: print the version and stop
    QString openPath;     // a ".kvx" document, or a folder to list
    QString error;        // not empty when the arguments make no sense

    // arguments without the program name.
    static CommandLine parse(const QStringList &arguments);
    static QString usage();
};

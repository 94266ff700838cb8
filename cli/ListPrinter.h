#pragma once

#include "cli/CliOutput.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/RowFilter.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

// Walks a folder as FileListLoader does, with the same filters, and prints each row the
// moment the walk reports its file, from the name's bytes: no table of rows is built, so a
// listing of a million files holds one folder's entries at a time.
class ListPrinter : public CEnumerateFiles
{
public:
    ListPrinter(std::FILE *stream, bool displayHidden, bool displayReadOnly);

    // The rows of folder (no trailing '/'), with the same result as FileListLoader::load.
    FileListLoader::Result print(const QString &folder, bool recurse);
    int rowsPrinted() const { return m_serial; }

protected:
    void OnFileFound(const FoundEntry &entry) override;

private:
    OutputBuffer m_out;
    RowFilter m_filter;
    qint32 m_serial = 0;
    QByteArray m_folder; // the folder of the last row, and its location column
    QByteArray m_location;
    QByteArray m_name; // the escaped name, reused from row to row
};

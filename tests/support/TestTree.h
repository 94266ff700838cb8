#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

// A temporary folder tree for tests on the real file system. Paths are relative to root().
class TestTree
{
public:
    TestTree();
    ~TestTree();
    TestTree(const TestTree &) = delete;
    TestTree &operator=(const TestTree &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    // The root folder, without a trailing '/'.
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return root() + QLatin1Char('/') + relative; }

    // Creates the file (and its folders) with the given bytes; mtime when valid.
    bool createFile(const QString &relative, const QByteArray &data = {},
                    const QDateTime &mtime = {});
    // Creates a file whose name is given as raw bytes (not valid UTF-8, say).
    bool createRawFile(const QByteArray &relative, const QByteArray &data = {});
    bool createFolder(const QString &relative);
    bool setReadOnly(const QString &relative, bool readOnly = true);
    bool createLink(const QString &target, const QString &relativeLink);
    bool remove(const QString &relative);

    bool exists(const QString &relative) const;
    QByteArray contents(const QString &relative) const;
    // Every file below root, relative, sorted; folders end with '/'.
    QStringList entries() const;

    // Points the settings store at a file inside a second temporary folder.
    void useTemporarySettings();
    QString settingsFile() const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
};

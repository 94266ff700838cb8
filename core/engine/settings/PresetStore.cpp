#include "core/engine/settings/PresetStore.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/SettingsFileCheck.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"
#include "core/system/SystemError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

namespace {

using Key = CAppSettings::Key;

const QString kSuffix = QStringLiteral(".conf");
const QString kGroup = QStringLiteral("Settings/");

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

QString unusableFile(const QString &path, const QString &reason)
{
    return QStringLiteral("cannot use the preset file %1: %2").arg(path, reason);
}

QString noPreset(const QString &name, const QString &folder)
{
    return QStringLiteral("there is no preset named \"%1\" in %2").arg(name, folder);
}

QString badName(const QString &name, const QString &reason)
{
    return QStringLiteral("\"%1\" cannot name a preset: %2").arg(name, reason);
}

int statusOf(const QString &path, FileSystem::FileStatus &status)
{
    return FileSystem::statusAt(FileSystem::kCurrentFolder, encodeFileName(path).constData(),
                                status);
}

// Every rename parameter the file holds, laid over the defaults; the file has been checked,
// so each value present is of its kind.
RenameParameters parametersIn(const QSettings &file)
{
    RenameParameters params;
    for (int k = 0; k < CAppSettings::kKeyCount; ++k) {
        const auto key = Key(k);
        if (!RenameParameters::isParameter(key))
            continue;
        const QVariant value = file.value(kGroup + CAppSettings::keyName(key));
        if (!value.isValid())
            continue;
        params.setValue(key, CAppSettings::isText(key) ? QVariant(value.toString())
                                                       : QVariant(value.toInt()));
    }
    return params;
}

bool holdsAnyParameter(const QSettings &file)
{
    for (int k = 0; k < CAppSettings::kKeyCount; ++k) {
        const auto key = Key(k);
        if (RenameParameters::isParameter(key) &&
            file.contains(kGroup + CAppSettings::keyName(key)))
            return true;
    }
    return false;
}

} // namespace

QString PresetStore::defaultFolder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    // XDG base directories must be absolute: a relative value is ignored.
    const QString home = configured.startsWith(QLatin1Char('/'))
                             ? configured
                             : QDir::homePath() + QStringLiteral("/.config");
    return home + QStringLiteral("/quirewell/presets");
}

void PresetStore::useFolder(const QString &folder)
{
    chosenFolder() = folder;
}

PresetStore::PresetStore(QString folder) : m_folder(std::move(folder)) {}

QString PresetStore::problemWithName(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("a preset name cannot be empty");
    if (name.startsWith(QLatin1Char('.')))
        return badName(name, QStringLiteral("it starts with \".\""));
    if (name.contains(QLatin1Char('/')))
        return badName(name, QStringLiteral("it holds \"/\""));
    if (std::any_of(name.cbegin(), name.cend(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return badName(name, QStringLiteral("it holds a control character"));
    if (encodeFileName(name).size() > kMaximumNameBytes)
        return badName(name, QStringLiteral("it is longer than %1 bytes").arg(kMaximumNameBytes));
    return {};
}

QString PresetStore::fileOf(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name + kSuffix;
}

PresetStore::Result<QStringList> PresetStore::names() const
{
    FolderReader reader(encodeFileName(m_folder).constData());
    if (!reader.isOpen()) {
        if (reader.error() == ENOENT)
            return {QStringList(), {}};
        return {std::nullopt, QStringLiteral("cannot read the preset folder %1: %2")
                                  .arg(m_folder, systemErrorText(reader.error()))};
    }
    QStringList found;
    while (const char *entry = reader.next()) {
        const QString file = decodeFileName(entry);
        if (!file.endsWith(kSuffix))
            continue;
        const QString name = file.chopped(kSuffix.size());
        FileSystem::FileStatus status;
        if (!problemWithName(name).isEmpty() ||
            FileSystem::statusAt(reader.folder(), entry, status) != 0 ||
            (status.type != FileSystem::FileType::Regular &&
             status.type != FileSystem::FileType::Link))
            continue;
        found << name;
    }
    std::sort(found.begin(), found.end());
    return {found, {}};
}

bool PresetStore::contains(const QString &name) const
{
    return problemWithName(name).isEmpty() &&
           FileSystem::existsAt(FileSystem::kCurrentFolder,
                                encodeFileName(fileOf(name)).constData());
}

PresetStore::Result<RenameParameters> PresetStore::load(const QString &name) const
{
    if (QString problem = problemWithName(name); !problem.isEmpty())
        return {std::nullopt, problem};
    if (!contains(name))
        return {std::nullopt, noPreset(name, m_folder)};
    return readFile(fileOf(name));
}

QString PresetStore::save(const QString &name, const RenameParameters &params) const
{
    if (QString problem = problemWithName(name); !problem.isEmpty())
        return problem;
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("cannot make the preset folder %1").arg(m_folder);
    return writeFile(fileOf(name), params);
}

QString PresetStore::rename(const QString &from, const QString &to) const
{
    for (const QString &name : {from, to})
        if (QString problem = problemWithName(name); !problem.isEmpty())
            return problem;
    if (!contains(from))
        return noPreset(from, m_folder);
    if (from == to)
        return {};
    const FileRename::MoveResult moved = FileRename::moveNoReplace(
        FileSystem::kCurrentFolder, encodeFileName(fileOf(from)).constData(),
        encodeFileName(fileOf(to)).constData());
    if (moved.error == EEXIST)
        return QStringLiteral("a preset named \"%1\" already exists").arg(to);
    if (moved.error != 0)
        return QStringLiteral("cannot rename the preset \"%1\" to \"%2\": %3")
            .arg(from, to, systemErrorText(moved.error));
    return {};
}

QString PresetStore::remove(const QString &name) const
{
    if (QString problem = problemWithName(name); !problem.isEmpty())
        return problem;
    const int error =
        FileSystem::removeAt(FileSystem::kCurrentFolder, encodeFileName(fileOf(name)).constData());
    if (error == ENOENT)
        return noPreset(name, m_folder);
    if (error != 0)
        return QStringLiteral("cannot delete the preset \"%1\": %2")
            .arg(name, systemErrorText(error));
    return {};
}

QString PresetStore::importFile(const QString &path, const QString &name, bool replace) const
{
    if (QString problem = problemWithName(name); !problem.isEmpty())
        return problem;
    const Result<RenameParameters> read = readFile(path);
    if (!read)
        return read.error;
    if (!replace && contains(name))
        return QStringLiteral("a preset named \"%1\" already exists").arg(name);
    return save(name, *read.value);
}

QString PresetStore::exportTo(const QString &name, const QString &path) const
{
    const Result<RenameParameters> loaded = load(name);
    if (!loaded)
        return loaded.error;
    return writeFile(path, *loaded.value);
}

PresetStore::Result<RenameParameters> PresetStore::readFile(const QString &path)
{
    if (QString problem = SettingsFileCheck::problemWith(path, FileSystem::Links::NotFollowed);
        !problem.isEmpty())
        return {std::nullopt, unusableFile(path, problem)};
    const QSettings file(path, QSettings::IniFormat);
    if (!holdsAnyParameter(file))
        return {std::nullopt,
                unusableFile(path, QStringLiteral("it holds no rename parameter in group "
                                                  "\"Settings\""))};
    return {parametersIn(file), {}};
}

QString PresetStore::writeFile(const QString &path, const RenameParameters &params)
{
    FileSystem::FileStatus status;
    if (const int error = statusOf(path, status); error != ENOENT) {
        if (error != 0)
            return unusableFile(path, systemErrorText(error));
        if (status.type == FileSystem::FileType::Link)
            return unusableFile(path, QStringLiteral("it is a symbolic link"));
        if (status.type != FileSystem::FileType::Regular)
            return unusableFile(path, QStringLiteral("it is not a regular file"));
    }
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return QStringLiteral("cannot write the preset file %1: %2")
            .arg(path, temporary.errorString());
    temporary.close();
    {
        QSettings file(temporary.fileName(), QSettings::IniFormat);
        for (int k = 0; k < CAppSettings::kKeyCount; ++k) {
            const auto key = Key(k);
            const QVariant value = params.value(key);
            if (!value.isValid())
                continue;
            // An empty text is written as present and empty, as the settings store does.
            file.setValue(kGroup + CAppSettings::keyName(key),
                          CAppSettings::isText(key) && value.toString().isNull()
                              ? QVariant(QString(u""_qs))
                              : value);
        }
        file.sync();
        if (file.status() != QSettings::NoError)
            return QStringLiteral("cannot write the preset file %1").arg(path);
    }
    if (const int error = FileRename::renameReplacing(
            FileSystem::kCurrentFolder, encodeFileName(temporary.fileName()).constData(),
            encodeFileName(path).constData());
        error != 0)
        return QStringLiteral("cannot write the preset file %1: %2")
            .arg(path, systemErrorText(error));
    return {};
}

QString PresetStore::suggestedName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(kSuffix))
        name.chop(kSuffix.size());
    return name;
}

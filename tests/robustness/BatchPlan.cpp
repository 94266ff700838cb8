#include "tests/robustness/BatchPlan.h"

#include "core/engine/names/FileNames.h"
#include "core/listing/FileListLoader.h"
#include "tests/robustness/BatchInvariants.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSet>

#include <functional>
#include <iterator>
#include <limits>
#include <utility>

namespace {

// Small pools so that names collide often: equal names, names equal but for case, names
// without a title, names with several dots.
const char *const kBases[] = {"a",
                              "b",
                              "c",
                              "A",
                              "B",
                              "img",
                              "IMG_0001",
                              "file",
                              "x.y",
                              "archive.tar",
                              "",
                              ".profile",
                              "log",
                              "1",
                              "a b",
                              "caf\xe9",
                              "\xf0\x9f\x98\x80"
                              "ab",
                              "\xf0\x9f\x98\x80"};
const char *const kExtensions[] = {"", ".txt", ".TXT", ".jpg", ".gz", ".log", "."};
// Names that are not UTF-8, that hold characters beyond 16 bits (as pairs of UTF-16 units),
// or a tab or a line break.
const char *const kOddNames[] = {"\xff",
                                 "\xfe\x41",
                                 "\xef\xbf\xbd",
                                 "tab\there",
                                 "line\nbreak",
                                 "back\\slash",
                                 "\xc3\xa9t\xc3\xa9",
                                 "\xc3\x89T\xc3\x89",
                                 "bad\xff\xfename.txt",
                                 "a\xff",
                                 "a\xfe",
                                 "\xc3\x28.txt",
                                 "\xed\xa0\x80.txt",
                                 "\xf0\x9f\x98.txt",
                                 "\xf0\x9f\x92\x80\xf0\x9f\x98\x80.TXT",
                                 "\xf0\x90\x90\x80x.txt"};
const char *const kFolders[] = {"sub", "Sub", ".hid", "a.txt", "deep"};

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

} // namespace

BatchPlan::BatchPlan(quint64 rngSeed, const QByteArray &root) : m_seed(rngSeed), m_root(root)
{
    const quint32 words[2] = {quint32(rngSeed), quint32(rngSeed >> 32)};
    m_rng = QRandomGenerator(words, 2);
}

QByteArray BatchPlan::randomName()
{
    if (chance(8))
        return kOddNames[pick(std::size(kOddNames))];
    QByteArray name = kBases[pick(std::size(kBases))];
    if (chance(30))
        name += QByteArray::number(pick(12));
    name += kExtensions[pick(std::size(kExtensions))];
    if (chance(10))
        name.prepend('.');
    if (name.isEmpty() || name == "." || name == "..")
        name = "empty" + QByteArray::number(pick(5));
    return name;
}

QByteArray BatchPlan::uniqueContent()
{
    return "content " + QByteArray::number(m_seed) + ' ' + QByteArray::number(++m_contentCounter);
}

bool BatchPlan::writeFile(const QByteArray &path, const QByteArray &content, bool readOnly)
{
    const int fd =
        ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, readOnly ? 0444 : 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && ok;
}

bool BatchPlan::createTree()
{
    if (::mkdir(listedRoot().constData(), 0755) != 0 ||
        ::mkdir(outsideRoot().constData(), 0755) != 0)
        return false;
    for (const char *name : {"victim", "a.txt", "x", "A.TXT"})
        if (!writeFile(outsideRoot() + '/' + name, uniqueContent()))
            return false;

    QList<QByteArray> folders{listedRoot()};
    const int subFolders = chance(50) ? 1 + pick(3) : 0;
    for (int i = 0; i < subFolders; ++i) {
        const QByteArray parent = folders[pick(int(folders.size()))];
        const QByteArray folder = parent + '/' + kFolders[pick(std::size(kFolders))];
        if (::mkdir(folder.constData(), 0755) == 0)
            folders << folder;
    }
    const int files = 1 + pick(20);
    for (int i = 0; i < files; ++i) {
        const QByteArray path = folders[pick(int(folders.size()))] + '/' + randomName();
        writeFile(path, uniqueContent(), chance(10)); // an existing name is simply skipped
    }
    return true;
}

void BatchPlan::randomParameters()
{
    const int numbers[] = {1, 0, -1, 9, 99, kIntMax, kIntMax - 1, kIntMin, int(m_rng.generate())};
    const int lengths[] = {-5, 0, 1, 2, 3, 4, 100, kIntMax, kIntMin};
    // Paddings up to the limit (255 digits make a name too long, which must be refused).
    const int paddings[] = {0, 1, 2, 3, 8, 255};
    const int steps[] = {1, 1, -1, 0, 2, 10, -3, kIntMax, kIntMin};
    const char *const newNames[] = {"", "Trip", "a", "b", "A", "x/y", "..", "."};
    const char *const finds[] = {
        "", "a", ".", "1", "txt", "A", "\xef\xbf\xbd", "\xff", "\xf0\x9f\x98\x80", "\x80"};
    const char *const replaces[] = {"",  "b",  "/", ".",    "A",
                                    "a", "..", "1", "\xfe", "\xf0\x9f\x98\x81"};
    const auto from = [this](const auto &pool) { return pool[pick(int(std::size(pool)))]; };
    using Key = CAppSettings::Key;
    // Each parameter's draw, in the order that gives a seed its plan.
    const std::pair<Key, std::function<QVariant()>> draws[] = {
        {Key::CheckRemoveInitialCharacters, [&] { return int(chance(30)); }},
        {Key::RemoveInitialCharactersLength, [&] { return from(lengths); }},
        {Key::CheckNumberAtEnd, [&] { return int(chance(30)); }},
        {Key::NumberAtEnd, [&] { return from(numbers); }},
        {Key::CheckNewFileName, [&] { return int(chance(25)); }},
        {Key::NewFileName, [&] { return QString::fromUtf8(from(newNames)); }},
        {Key::CheckFindAndReplace, [&] { return int(chance(30)); }},
        {Key::FindText, [&] { return decodeFileName(from(finds)); }},
        {Key::ReplaceText, [&] { return decodeFileName(from(replaces)); }},
        {Key::CheckNumberAtStart, [&] { return int(chance(30)); }},
        {Key::NumberAtStart, [&] { return from(numbers); }},
        {Key::CheckUpperCase, [&] { return int(chance(20)); }},
        {Key::CheckLowerCase, [&] { return int(chance(20)); }},
        {Key::PadNumberAtStart, [&] { return from(paddings); }},
        {Key::StepNumberAtStart, [&] { return from(steps); }},
        {Key::PadNumberAtEnd, [&] { return from(paddings); }},
        {Key::StepNumberAtEnd, [&] { return from(steps); }},
        {Key::RestartNumbersEachFolder, [&] { return int(chance(30)); }},
        {Key::CheckPadNumbers, [&] { return int(chance(25)); }},
        {Key::PadNumbersDigits, [&] { return from(paddings); }},
        // Each part, and a value that names none (the whole name then).
        {Key::ApplyTo, [&] { return pick(4); }},
    };
    m_params = RenameParameters();
    QSet<Key> drawn;
    for (const auto &[key, draw] : draws) {
        m_params.setValue(key, draw());
        drawn.insert(key);
    }
    // A parameter without a draw of its own above gets one by its kind, so none goes untried.
    for (int i = 0; i < CAppSettings::kKeyCount; ++i) {
        const auto key = Key(i);
        if (!RenameParameters::isParameter(key) || drawn.contains(key))
            continue;
        switch (CAppSettings::kind(key)) {
        case SettingKind::Flag:
            m_params.setValue(key, int(chance(30)));
            break;
        case SettingKind::Number:
            m_params.setValue(key, from(numbers));
            break;
        case SettingKind::Text:
            m_params.setValue(key, decodeFileName(from(replaces)));
            break;
        }
    }
}

QString BatchPlan::hostileName()
{
    switch (pick(10)) {
    case 0:
        return {};
    case 1:
        return QStringLiteral(".");
    case 2:
        return QStringLiteral("..");
    case 3:
        return QStringLiteral("a/b");
    case 4:
        return QStringLiteral("../outside/victim");
    case 5:
        return QStringLiteral("x") + QChar(u'\0') + QStringLiteral("y");
    case 6:
        return QString(256, QLatin1Char('n')); // 256 bytes: too long
    case 7:
        return QString(128, QChar(u'\u00e9')); // 128 characters, 256 bytes
    case 8:
        return QString(255, QLatin1Char('m')); // the longest name allowed
    default:
        return QStringLiteral("/") + decodeFileName(randomName());
    }
}

// Rows whose new names the rule cannot produce: the names of other rows, chains, swaps,
// case-only changes, duplicates and names the file system refuses.
void BatchPlan::plantTrouble(FileRows &rows)
{
    const int n = rows.count();
    if (n == 0)
        return;
    const int plantings = pick(5);
    for (int k = 0; k < plantings; ++k) {
        FileRow &a = rows.rows[size_t(pick(n))];
        FileRow &b = rows.rows[size_t(pick(n))];
        switch (pick(6)) {
        case 0: // the name of another listed file
            a.newName = b.loadedName;
            m_notes << QStringLiteral("collide %1->%2").arg(a.serial).arg(b.serial);
            break;
        case 1: // a chain: a to b while b to a free name
            a.newName = b.loadedName;
            b.newName = QStringLiteral("chain%1").arg(k);
            m_notes << QStringLiteral("chain %1->%2->free").arg(a.serial).arg(b.serial);
            break;
        case 2: // a swap
            a.newName = b.loadedName;
            b.newName = a.loadedName;
            m_notes << QStringLiteral("swap %1<->%2").arg(a.serial).arg(b.serial);
            break;
        case 3: // letter case only
            a.newName = chance(50) ? a.loadedName.toUpper() : a.loadedName.toLower();
            m_notes << QStringLiteral("case %1").arg(a.serial);
            break;
        case 4: // the same new name twice
            a.newName = b.newName;
            m_notes << QStringLiteral("duplicate %1=%2").arg(a.serial).arg(b.serial);
            break;
        default:
            a.newName = hostileName();
            m_notes << QStringLiteral("hostile %1").arg(a.serial);
            break;
        }
    }
}

void BatchPlan::preview(FileRows &rows)
{
    const int subFolderValues[] = {0, 1, 1, 1, 2, -1};
    m_subFolderSetting = subFolderValues[pick(std::size(subFolderValues))];
    m_displayHidden = chance(50);
    m_displayReadOnly = chance(50);

    FileListLoader loader;
    loader.setFilters(m_displayHidden, m_displayReadOnly);
    loader.load(decodeFileName(listedRoot()), m_subFolderSetting != 0, rows);

    randomParameters();
    ComputeNewFileNames(rows, m_params);
    m_ruleLostBytes.clear();
    for (const FileRow &row : rows.rows)
        if (const QString lost = lostBytes(row); !lost.isEmpty() && m_ruleLostBytes.isEmpty())
            m_ruleLostBytes = QStringLiteral("%1 -> %2: %3")
                                  .arg(printablePath(row.nameBytes()),
                                       printablePath(encodeFileName(row.newName)), lost);
    for (FileRow &row : rows.rows)
        row.checked = chance(80);
    plantTrouble(rows);
}

void BatchPlan::mutate(const FileRows &rows)
{
    const int n = rows.count();
    const int mutations = pick(4);
    for (int k = 0; k < mutations && n > 0; ++k) {
        const int i = pick(n);
        const FileRow &row = rows.rows[size_t(i)];
        const QByteArray folder = rows.folders[row.folder].rawPath;
        const QByteArray path = rows.fullPathBytes(i);
        switch (pick(7)) {
        case 0: // the file is deleted
            ::unlink(path.constData());
            m_notes << QStringLiteral("deleted %1").arg(row.serial);
            break;
        case 1: // another file appears in the folder
            writeFile(folder + "new" + QByteArray::number(k), uniqueContent());
            m_notes << QStringLiteral("created beside %1").arg(row.serial);
            break;
        case 2: // the target appears after the preview
            if (!row.newName.isEmpty() && !row.newName.contains(QLatin1Char('/')) &&
                !row.newName.contains(QChar(u'\0')))
                writeFile(folder + encodeFileName(row.newName), uniqueContent());
            m_notes << QStringLiteral("target of %1 created").arg(row.serial);
            break;
        case 3: // the file is replaced by another one of the same name
            if (::unlink(path.constData()) == 0)
                writeFile(path, uniqueContent());
            m_notes << QStringLiteral("replaced %1").arg(row.serial);
            break;
        case 4: // the file becomes an empty folder
            if (::unlink(path.constData()) == 0)
                ::mkdir(path.constData(), 0755);
            m_notes << QStringLiteral("became a folder %1").arg(row.serial);
            break;
        case 5: // the file becomes a link to a file outside: the link moves, not its target
            if (::unlink(path.constData()) == 0)
                ::symlink((outsideRoot() + "/victim").constData(), path.constData());
            m_notes << QStringLiteral("became a link %1").arg(row.serial);
            break;
        default: // the file's folder moves away, unless it is the listed folder itself
            if (folder != listedRoot() + '/')
                ::rename(folder.chopped(1).constData(), (folder.chopped(1) + "-moved").constData());
            m_notes << QStringLiteral("folder of %1 moved").arg(row.serial);
            break;
        }
    }
}

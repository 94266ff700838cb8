#include "tests/robustness/HostileStores.h"

#include <QFile>
#include <QRandomGenerator>

namespace {

const char *const kIntNames[] = {"DisplayHiddenFiles",
                                 "DisplayReadOnlyFiles",
                                 "ViewFilesInSubFolders",
                                 "CheckFindAndReplace",
                                 "CheckNumberAtStart",
                                 "NumberAtStart",
                                 "CheckNumberAtEnd",
                                 "NumberAtEnd",
                                 "CheckNewFileName",
                                 "CheckRemoveInitialCharacters",
                                 "RemoveInitialCharactersLength",
                                 "CheckUpperCase",
                                 "CheckLowerCase"};

// Every integer value set to the same unsound text.
QByteArray everyInt(const QByteArray &value)
{
    QByteArray ini = "[Settings]\n";
    for (const char *name : kIntNames)
        ini += QByteArray(name) + '=' + value + '\n';
    return ini;
}

QByteArray garbage(quint32 rngSeed, int size)
{
    QRandomGenerator rng(rngSeed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

} // namespace

QList<HostileStore> hostileStores()
{
    QList<HostileStore> stores{
        {"empty file", {}},
        {"truncated group", "[Sett"},
        {"truncated name", "[Settings]\nCheckNumberAtSt"},
        {"truncated value", "[Settings]\nNumberAtStart=\nNumberAtEnd=\""},
        {"truncated variant", "[Settings]\nNumberAtStart=@Variant(\\0\\0\\0\\x7f\\0\\0"},
        {"binary garbage", garbage(7, 65536)},
        {"garbage in the group", "[Settings]\n" + garbage(11, 4096) + "\n"},
        {"NUL bytes", QByteArray("[Settings]\nNumberAtStart=\0\0\0\0\n", 29)},
        {"words", everyInt("yes")},
        {"fraction", everyInt("1.5")},
        {"boolean text", everyInt("true")},
        {"list", everyInt("1,2,3")},
        {"byte array", everyInt("@ByteArray(\\xff\\xfe)")},
        {"rectangle", everyInt("@Rect(1 2 3 4)")},
        {"size", everyInt("@Size(-1 -1)")},
        {"just above 32 bits", everyInt("2147483648")},
        {"just below 32 bits", everyInt("-2147483649")},
        {"huge", everyInt("99999999999999999999999999")},
        {"hexadecimal", everyInt("0x10")},
        {"exponent", everyInt("1e3")},
        {"one long line", "[Settings]\nNumberAtStart=" + QByteArray(4 << 20, '9') + '\n'},
        {"wrong group only", "[Setting]\nNumberAtStart=5\n[settings]\nNumberAtEnd=6\n"},
    };
    return stores;
}

bool writeStore(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

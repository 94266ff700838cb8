#include "bench/CListBaseline.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace cbase {

namespace {

__extension__ typedef unsigned __int128 Wide;

struct Entry
{
    char *name;
    struct stat st;
    bool isFolder;
};

struct Listing
{
    std::FILE *out;
    bool recurse;
    long serial;
    char *buffer; // one row at a time
    size_t capacity;
};

int byName(const void *a, const void *b)
{
    const char *x = static_cast<const Entry *>(a)->name;
    const char *y = static_cast<const Entry *>(b)->name;
    const int folded = strcasecmp(x, y);
    return folded != 0 ? folded : strcmp(x, y);
}

// Tab, line feed, carriage return and backslash are written as two characters.
char *putEscaped(char *p, const char *text)
{
    for (; *text; ++text) {
        const char c = *text;
        if (c == '\t' || c == '\n' || c == '\r' || c == '\\') {
            *p++ = '\\';
            *p++ = c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : '\\';
        } else {
            *p++ = c;
        }
    }
    return p;
}

char *putSize(char *p, long long bytes)
{
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1024)
        return p + sprintf(p, "%lld bytes", bytes);
    int unit = 0;
    Wide divisor = 1024;
    while (unit < 5 && (Wide)bytes >= 1000 * divisor) {
        divisor *= 1024;
        ++unit;
    }
    const unsigned long long h = (unsigned long long)((Wide)bytes * 100 / divisor);
    if (h >= 10000)
        return p + sprintf(p, "%llu %s", h / 100, units[unit]);
    if (h >= 1000)
        return p + sprintf(p, "%llu.%llu %s", h / 100, h / 10 % 10, units[unit]);
    return p + sprintf(p, "%llu.%02llu %s", h / 100, h % 100, units[unit]);
}

char *putTime(char *p, time_t seconds)
{
    struct tm local;
    if (!localtime_r(&seconds, &local))
        return p;
    return p + strftime(p, 128, "%H:%M:%S       %A, %B %d, %Y", &local);
}

void listFolder(Listing *l, const char *folder)
{
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    Entry *entries = nullptr;
    size_t count = 0, capacity = 0;
    while (const struct dirent *e = readdir(dir)) {
        if (e->d_name[0] == '.' && (e->d_name[1] == 0 || (e->d_name[1] == '.' && !e->d_name[2])))
            continue;
        Entry entry;
        if (fstatat(fd, e->d_name, &entry.st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entry.isFolder = S_ISDIR(entry.st.st_mode);
        if (S_ISLNK(entry.st.st_mode)) {
            struct stat target;
            if (fstatat(fd, e->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode))
                continue;
        }
        entry.name = strdup(e->d_name);
        if (count == capacity) {
            capacity = capacity ? capacity * 2 : 256;
            entries = static_cast<Entry *>(realloc(entries, capacity * sizeof(Entry)));
        }
        entries[count++] = entry;
    }
    closedir(dir);
    qsort(entries, count, sizeof(Entry), byName);

    // The location column, escaped once for the folder.
    const size_t folderLength = strlen(folder);
    char *location = static_cast<char *>(malloc(2 * folderLength + 3));
    char *end = putEscaped(location, folder);
    *end++ = '/';
    *end = 0;
    for (size_t i = 0; i < count; ++i) {
        const Entry &e = entries[i];
        if (e.isFolder) {
            if (l->recurse) {
                const size_t n = folderLength + strlen(e.name) + 2;
                char *path = static_cast<char *>(malloc(n));
                snprintf(path, n, "%s/%s", folder, e.name);
                listFolder(l, path);
                free(path);
            }
            continue;
        }
        const size_t need = 4 * strlen(e.name) + size_t(end - location) + 256;
        if (need > l->capacity) {
            l->capacity = need * 2;
            l->buffer = static_cast<char *>(realloc(l->buffer, l->capacity));
        }
        char *p = l->buffer;
        p += sprintf(p, "%ld\t", ++l->serial);
        p = putEscaped(p, e.name);
        *p++ = '\t';
        p = putEscaped(p, e.name);
        *p++ = '\t';
        p = putTime(p, e.st.st_mtim.tv_sec);
        *p++ = '\t';
        p = putSize(p, e.st.st_size);
        *p++ = '\t';
        memcpy(p, location, size_t(end - location));
        p += end - location;
        *p++ = '\n';
        fwrite(l->buffer, 1, size_t(p - l->buffer), l->out);
    }
    for (size_t i = 0; i < count; ++i)
        free(entries[i].name);
    free(entries);
    free(location);
}

} // namespace

long listSixColumns(const char *folder, bool recurse, std::FILE *out)
{
    tzset();
    Listing l{out, recurse, 0, nullptr, 0};
    listFolder(&l, folder);
    free(l.buffer);
    return l.serial;
}

} // namespace cbase

#include "bench/CBaselines.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cbase {

namespace {

void keepName(WalkResult *r, const char *name)
{
    const size_t n = strlen(name) + 1;
    if (r->used + n > r->capacity) {
        r->capacity = r->capacity ? r->capacity * 2 : 1 << 20;
        r->names = static_cast<char *>(realloc(r->names, r->capacity));
    }
    memcpy(r->names + r->used, name, n);
    r->used += n;
}

void walkFd(int fd, WalkResult *r)
{
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    const int dfd = dirfd(dir);
    while (const struct dirent *e = readdir(dir)) {
        if (e->d_name[0] == '.' && (e->d_name[1] == 0 || (e->d_name[1] == '.' && !e->d_name[2])))
            continue;
        struct stat st;
        if (fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            const int sub = openat(dfd, e->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (sub >= 0)
                walkFd(sub, r);
            continue;
        }
        keepName(r, e->d_name);
        ++r->files;
        r->sum += (unsigned long long)st.st_size + (unsigned long long)st.st_mtime + st.st_mode;
    }
    closedir(dir);
}

} // namespace

void walk(const char *folder, WalkResult *result)
{
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        walkFd(fd, result);
}

void freeWalk(WalkResult *result)
{
    free(result->names);
    *result = WalkResult();
}

size_t statThenComputeNames(const CRow *rows, size_t count, int removeLength, int endStart,
                            const char *find, const char *replace, char *out)
{
    const size_t findLength = strlen(find), replaceLength = strlen(replace);
    char work[1024];
    size_t used = 0;
    int end = endStart;
    for (size_t i = 0; i < count; ++i) {
        struct stat st;
        const bool found = lstat(rows[i].path, &st) == 0;
        const char *name = rows[i].name;
        const size_t nameLength = strlen(name);
        // Title before the last '.', extension from it; both empty for a missing file.
        const char *dot = found ? strrchr(name, '.') : nullptr;
        const char *title = name;
        size_t titleLength = found ? (dot ? size_t(dot - name) : nameLength) : 0;
        const char *extension = name + titleLength;
        const size_t extensionLength = found ? nameLength - titleLength : 0;
        if (removeLength >= 0 && size_t(removeLength) < titleLength) {
            title += removeLength;
            titleLength -= size_t(removeLength);
        }
        memcpy(work, title, titleLength);
        size_t w = titleLength + size_t(snprintf(work + titleLength, 16, "%d", end++));
        memcpy(work + w, extension, extensionLength);
        w += extensionLength;
        work[w] = 0;
        // Find and replace, left to right, no overlap; then upper case.
        char *o = out + used;
        for (const char *p = work; *p;) {
            if (findLength && strncmp(p, find, findLength) == 0) {
                memcpy(o, replace, replaceLength);
                o += replaceLength;
                p += findLength;
            } else {
                *o++ = *p++;
            }
        }
        for (char *u = out + used; u < o; ++u)
            if (*u >= 'a' && *u <= 'z')
                *u = char(*u - 32);
        *o++ = 0;
        used = size_t(o - out);
    }
    return used;
}

int renameLoop(int folderFd, const char *const *from, const char *const *to, size_t count)
{
    int failures = 0;
    for (size_t i = 0; i < count; ++i)
        failures += renameat2(folderFd, from[i], folderFd, to[i], RENAME_NOREPLACE) != 0;
    return failures;
}

namespace {

unsigned lowerHash(const char *s)
{
    unsigned h = 2166136261u; // FNV-1a
    for (const char *p = s; *p; ++p) {
        const unsigned char c = (unsigned char)*p;
        h = (h ^ (c >= 'A' && c <= 'Z' ? c + 32u : c)) * 16777619u;
    }
    return h;
}

} // namespace

long firstDuplicate(const char *const *names, size_t count)
{
    size_t capacity = 16;
    while (capacity < count * 2)
        capacity *= 2;
    struct Slot
    {
        unsigned hash;
        int row; // -1: empty
    };
    Slot *slots = static_cast<Slot *>(malloc(capacity * sizeof(Slot)));
    memset(slots, 0xff, capacity * sizeof(Slot));
    long first = -1;
    for (size_t i = 0; i < count; ++i) {
        const unsigned h = lowerHash(names[i]);
        for (size_t s = h & (capacity - 1);; s = (s + 1) & (capacity - 1)) {
            Slot &slot = slots[s];
            if (slot.row < 0) {
                slot = {h, int(i)};
                break;
            }
            if (slot.hash == h && strcasecmp(names[slot.row], names[i]) == 0) {
                if (first < 0 || slot.row < first)
                    first = slot.row;
                break;
            }
        }
    }
    free(slots);
    return first;
}

long long readLinesOfFiles(const char *folder)
{
    DIR *dir = opendir(folder);
    if (!dir)
        return -1;
    static char buffer[1 << 16];
    long long lines = 0;
    while (const struct dirent *e = readdir(dir)) {
        const int fd = openat(dirfd(dir), e->d_name, O_RDONLY | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            ssize_t n;
            while ((n = read(fd, buffer, sizeof buffer)) > 0)
                for (const char *p = buffer;
                     (p = static_cast<const char *>(memchr(p, '\n', size_t(buffer + n - p)))); ++p)
                    ++lines;
        }
        close(fd);
    }
    closedir(dir);
    return lines;
}

void putBackAndSync(const char *folder, const char *const *from, const char *const *to,
                    size_t count, bool *renamed)
{
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (*renamed && renameLoop(fd, to, from, count) != 0) {
        fprintf(stderr, "could not put the files back\n");
        exit(2);
    }
    *renamed = true;
    ::syncfs(fd);
    ::close(fd);
}

} // namespace cbase

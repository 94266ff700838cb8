// The C six-column list as a program of its own, so that it starts as quirewell-cli does,
// without the libraries that the benchmark itself loads. Usage: c_list FOLDER RECURSE (0 or 1).

#include "bench/CListBaseline.h"

#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    cbase::listSixColumns(argv[1], std::strcmp(argv[2], "1") == 0, stdout);
    return 0;
}

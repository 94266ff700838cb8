#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::puts("quirewell-cli " QUIREWELL_VERSION);
    return 0;
}

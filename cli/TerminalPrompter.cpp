#include "cli/TerminalPrompter.h"

#include "cli/CliOutput.h"

#include <cstdio>

void TerminalPrompter::warn(const QString &message)
{
    printMessage(message);
}

BatchPrompter::Answer TerminalPrompter::ask(const QString &question)
{
    if (m_assumeYes)
        return Answer::Yes;
    const QByteArray prompt = question.toUtf8() + " [y/N] ";
    std::fwrite(prompt.constData(), 1, size_t(prompt.size()), stderr);
    std::fflush(stderr);

    QByteArray line;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, stdin)) {
        line += chunk;
        if (line.endsWith('\n'))
            break;
    }
    const QByteArray answer = line.trimmed().toLower();
    return (answer == "y" || answer == "yes") ? Answer::Yes : Answer::No;
}

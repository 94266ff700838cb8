#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <functional>

// One run of the real quirewell-cli: its exit code (-9 when it did not exit normally, -1 when
// it did not start or finish within two minutes) and what it printed.
struct CliRun
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// inChild, when given, runs in the new process just before the program starts (to drop
// privileges, say).
inline CliRun runCli(const QStringList &arguments, const QProcessEnvironment &environment,
                     const QByteArray &input = {}, const std::function<void()> &inChild = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(QUIREWELL_CLI_PATH), arguments);
    CliRun result;
    if (!process.waitForStarted())
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -9;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

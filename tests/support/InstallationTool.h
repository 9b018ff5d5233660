#pragma once

// Runs the installation tool the way an administrator does, for tests of the installation.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// input: the bytes of standard input
inline ToolRun runTool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(QUORVEL_DB_TOOL), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(600000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace testsupport

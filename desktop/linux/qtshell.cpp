#include "desktop/linux/qtshell.h"

#include "desktop/qtext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {
QStringList toQtList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << toQt(text);
    return list;
}
} // namespace

void QtShell::open(const std::string &path)
{
    if (!path.empty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(toQt(path)));
}

void QtShell::openUrl(const std::string &address, WindowStyle)
{
    // fromUserInput reads a bare host name as a web address, as the shell's "Open" verb does.
    const QUrl url = QUrl::fromUserInput(toQt(address));
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

bool QtShell::startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle,
                           const std::string &workingFolder)
{
    // X11 has no per-process start-up window style; each program decides how it shows itself.
    // A started program outlives this one: it must not write into our output, which may
    // be a pipe that closes when we end (and would then kill it at its first message).
    QProcess process;
    process.setProgram(toQt(program));
    process.setArguments(toQtList(arguments));
    process.setWorkingDirectory(toQt(workingFolder));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

int QtShell::runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle)
{
    QProcess process;
    process.start(toQt(program), toQtList(arguments));
    if (!process.waitForStarted())
        return -1;
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::string QtShell::executablePath()
{
    return fromQt(QCoreApplication::applicationFilePath());
}

// A whole install offscreen through the real windows, the real timer, the real process
// starter and real desktop entries, into temporary folders, from a package whose
// programs are small scripts that leave a trace when they run.

#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "desktop/linux/desktopentrywriter.h"
#include "desktop/linux/qteventpump.h"
#include "desktop/linux/qtmessagewait.h"
#include "desktop/linux/qtshell.h"
#include "desktop/textfile.h"
#include "installer/core/appfunctions.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"
#include "installer/ui/frmthird.h"
#include "tests/support/tempfolder.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

const char *programScript = "#!/bin/sh\necho started > \"$(dirname \"$0\")/started.txt\"\n";
const char *recordScript = "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/registered.txt\"\n";

std::string content(const std::string &name)
{
    if (name == "Stowlet" || name == "StowletUninstaller")
        return programScript;
    return "bytes of " + name;
}

/// What the completion window showed while it was open.
struct Seen
{
    QString caption;
    QString text;
    bool progressHidden = false;
    bool closedEarly = false; ///< the progress window went away before the message
};

} // namespace

class InstallFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_temp = std::make_unique<TempFolder>();
        m_globals = std::make_unique<Globals>();
        Globals &g = *m_globals;
        g.SupportFolder = m_temp->makeFolder("package/Support");
        g.SystemFolder = m_temp->makeFolder("system");
        g.ProgramsFolder = m_temp->makeFolder("share/applications");
        g.DesktopFolder = m_temp->makeFolder("Desktop");
        for (const std::string &name : ProgramFileNames())
            m_temp->writeFile("package/Support/" + name, content(name));
        for (const char *program : {"Stowlet", "StowletUninstaller"})
            fs::permissions(m_temp->path() / "package/Support" / program, fs::perms::owner_all, fs::perm_options::add);
        m_temp->writeFile("package/Support/TESTCTL.ocx", "component");
        m_components.engine = {"TESTCTL.ocx"};
        m_components.registration = {"/bin/sh", {m_temp->writeFile("tools/record.sh", recordScript)}};
        m_fake.folders.clear();
        g.WaitTimer = std::make_unique<clsWaitableTimer>(m_wait);
        g.InstallPath = *m_temp / "opt/Stowlet";
        fs::create_directories(m_temp->path() / "opt");
        CreateFolderPath(g, g.InstallPath);
        g.StartMenuThisUser = true;
        g.DesktopThisUser = true;
    }

    void cleanup()
    {
        m_globals.reset();
        m_temp.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void installsEverythingAndStartsTheProgram()
    {
        const Seen seen = runInstall();
        const Globals &g = *m_globals;
        const std::string i = g.InstallPath;

        QCOMPARE(seen.caption, QStringLiteral("Complete..."));
        QCOMPARE(seen.text, QStringLiteral("Installation Complete"));
        QVERIFY(seen.progressHidden);
        for (const std::string &name : ProgramFileNames())
            QCOMPARE(readFile(i + "/" + name), content(name));

        const std::string group = g.ProgramsFolder + "/Stowlet";
        const struct
        {
            std::string link, description, target, icon;
        } entries[] = {
            {group + "/Stowlet.desktop", "Start Stowlet", i + "/Stowlet", i + "/Drop.png"},
            {group + "/Uninstall Stowlet.desktop", "Uninstaller", i + "/StowletUninstaller", i + "/Skull.png"},
            {g.DesktopFolder + "/Stowlet.desktop", "Start Stowlet", i + "/Stowlet", i + "/Drop.png"}};
        for (const auto &entry : entries) {
            const std::string text = readFile(entry.link);
            QVERIFY2(text.find("Comment=" + entry.description + "\n") != std::string::npos, text.c_str());
            QVERIFY2(text.find("Exec=\"" + entry.target + "\"\n") != std::string::npos, text.c_str());
            QVERIFY2(text.find("Icon=" + entry.icon + "\n") != std::string::npos, text.c_str());
            QVERIFY2(text.find("Path=" + i + "\n") != std::string::npos, text.c_str());
        }

        const std::vector<std::string> log{"INSTALLPATH=" + i,
                                           i + "/Drop.png",
                                           i + "/Skull.png",
                                           i + "/Warning.wav",
                                           i + "/CopyFailed.wav",
                                           i + "/CopySuccess.wav",
                                           i + "/NewBaseName.wav",
                                           group + "/Stowlet.desktop",
                                           group + "/Uninstall Stowlet.desktop",
                                           g.DesktopFolder + "/Stowlet.desktop",
                                           i,
                                           i + "/Stowlet",
                                           i + "/StowletUninstaller",
                                           group};
        QCOMPARE(TextFile::readLines(InstallLogPath(i)), std::optional(log));
        QVERIFY(readFile(InstallLogPath(i)).ends_with("\r\n"));

        QCOMPARE(readFile(g.SystemFolder + "/TESTCTL.ocx"), std::string("component"));
        QCOMPARE(readFile(*m_temp / "tools/registered.txt"), g.SystemFolder + "/TESTCTL.ocx\n");
        // The installed program ran: it was copied with its run bit and started.
        QTRY_COMPARE(readFile(i + "/started.txt"), std::string("started\n"));
    }

    void aMissingPackageFileIsNamedAndLogged()
    {
        fs::remove(m_temp->path() / "package/Support/Skull.png");
        const Seen seen = runInstall();
        QCOMPARE(seen.caption, QStringLiteral("Incomplete..."));
        QCOMPARE(seen.text,
                 QStringLiteral("Installation Incomplete\nNot installed: Skull.png\nNo such file or directory"));
        const auto log = TextFile::readLines(InstallLogPath(m_globals->InstallPath));
        QVERIFY(log);
        QVERIFY(std::find(log->begin(), log->end(), m_globals->InstallPath + "/Skull.png") != log->end());
        QTRY_VERIFY(fs::exists(m_globals->InstallPath + "/started.txt"));
    }

    void withoutItsProgramNothingIsStarted()
    {
        fs::remove(m_temp->path() / "package/Support/Stowlet");
        const Seen seen = runInstall();
        QCOMPARE(seen.text,
                 QStringLiteral("Installation Incomplete\nNot installed: Stowlet\nNo such file or directory"));
        QTest::qWait(200);
        QVERIFY(!fs::exists(m_globals->InstallPath + "/started.txt"));
    }

private:
    Seen runInstall()
    {
        frmThird progress(*m_globals, m_desktop, m_components);
        progress.setPacing({20, 10, 150});
        QSignalSpy finished(&progress, &frmThird::installFinished);
        progress.show();
        Seen seen;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, &watcher, [&seen, &progress] {
            const QString status = progress.findChild<QLabel *>("lblStatus")->text();
            if (!status.startsWith(QLatin1String("Installation")) && !progress.isVisible())
                seen.closedEarly = true;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("frmMessage") && top->isVisible()) {
                    seen.caption = top->windowTitle();
                    seen.text = top->findChild<QLabel *>("Label1")->text();
                    seen.progressHidden = !progress.isVisible();
                    if (auto *ok = top->findChild<QPushButton *>("cmdOK"); ok && ok->isVisible())
                        ok->click(); // a message that reports a failure waits for OK
                }
            }
            progress.close(); // refused while the install runs
        });
        watcher.start(5);
        progress.StartInstall();
        watcher.stop();
        [&] { QCOMPARE(finished.count(), 1); }();
        [&] { QVERIFY(!seen.closedEarly); }();
        [&] { QVERIFY(!progress.isVisible()); }();
        return seen;
    }

    FakeDesktop m_fake;
    QtShell m_shell;
    DesktopEntryWriter m_entries;
    QtEventPump m_pump;
    Desktop m_desktop{m_fake, m_fake, m_shell, m_fake, m_entries, m_fake, m_pump};
    FakeSharedComponents m_components;
    QtMessageWait m_wait;
    std::unique_ptr<TempFolder> m_temp;
    std::unique_ptr<Globals> m_globals;
};

QTEST_MAIN(InstallFlowTest)
#include "installflow_test.moc"

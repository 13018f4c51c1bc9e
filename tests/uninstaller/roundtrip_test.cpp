// Installing and uninstalling as a user does, end to end, from the installation package:
// Setup run as a program of its own in a lived-in home (HOME and the XDG folders pointed
// into a test folder), walked through by a stand-in user who chooses every shortcut the
// options page offers for this user; the toolbar that Setup starts at its end stopped; the
// installed uninstaller started from its Start-menu entry, relaunching from the temporary
// folder, confirmed, and its self-removal script run to its end. The user keeps a file in the
// folder chosen for the install before it, and adds one beside the program after it: the
// uninstall keeps both, and says so. Afterwards the home must be exactly as it was before the
// install but for the file added later, and the temporary folder too.
//
// The package is the one the build lays out, with its two programs that need a user
// (Setup and the uninstaller) swapped for the same programs with a stand-in user built in.
//
// One file is allowed to stay: the toolbar's own settings, ~/.config/Stowlet/Stowlet.conf.
// The installer never writes it and so never lists it in the install log; the toolbar
// writes it the moment it first runs (its first-run marker), as any program keeps its
// user's settings, and the uninstaller, removing only what the install made, leaves it.
// The test checks that it holds that marker, which also proves the installed toolbar ran.
#include "desktop/linux/desktopentrywriter.h"
#include "desktop/linux/qtknownfolders.h"
#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "tests/uninstaller/uninstallsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

const std::string toolbarSettings = ".config/Stowlet";

bool isToolbarSettings(const std::string &relative)
{
    return relative == toolbarSettings || relative.starts_with(toolbarSettings + "/");
}

// Every entry below a folder with its kind, permissions and content.
std::map<std::string, std::string> snapshot(const std::string &folder)
{
    std::map<std::string, std::string> entries;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::file_status status = it->symlink_status();
        std::ostringstream description;
        description << static_cast<int>(status.type()) << ' ' << static_cast<int>(status.permissions()) << ' ';
        if (fs::is_regular_file(status))
            description << readFile(it->path().string());
        else if (fs::is_symlink(status))
            description << fs::read_symlink(it->path()).string();
        entries[fs::relative(it->path(), folder).generic_string()] = description.str();
    }
    if (ec) // a folder gone or unreadable must not compare equal to an empty one
        entries["<unreadable>"] = ec.message();
    return entries;
}

std::string describeDifference(const std::map<std::string, std::string> &before,
                               const std::map<std::string, std::string> &after)
{
    std::string text;
    for (const auto &[path, what] : after) {
        const auto found = before.find(path);
        if (found == before.end())
            text += "left behind: " + path + "\n";
        else if (found->second != what)
            text += "changed: " + path + "\n";
    }
    for (const auto &[path, what] : before)
        if (!after.count(path))
            text += "removed: " + path + "\n";
    return text;
}

void write(const std::string &path, const std::string &content)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// Setup offers the all-users menu where that folder can be written or made (as root).
QString offeredMenus()
{
    const QFileInfo common(QStringLiteral("/usr/local/share/applications"));
    const bool allUsers = common.exists() ? common.isDir() && common.isWritable()
                                          : QFileInfo(QStringLiteral("/usr/local/share")).isWritable();
    return allUsers ? QStringLiteral("optStartAllUsers optStartThisUser") : QStringLiteral("optStartThisUser");
}

QStringList linesOf(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The value of a key in a desktop entry, with the Exec quoting undone.
std::string entryValue(const std::string &entry, const std::string &key)
{
    std::istringstream lines(readFile(entry));
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(key + "="))
            continue;
        std::string value = line.substr(key.size() + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            std::string plain;
            for (std::size_t i = 1; i + 1 < value.size(); ++i) {
                if (value[i] == '\\' && i + 2 < value.size())
                    ++i;
                plain += value[i];
            }
            value = plain;
        }
        return value;
    }
    return {};
}

// Processes running the given program file (started detached, so not children of ours).
std::vector<pid_t> processesRunning(const std::string &program)
{
    std::vector<pid_t> found;
    std::error_code ec;
    for (const fs::directory_entry &entry : fs::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code gone;
        if (fs::read_symlink(entry.path() / "exe", gone).string() == program)
            found.push_back(static_cast<pid_t>(std::stol(name)));
    }
    return found;
}

} // namespace

class RoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void installingThenUninstallingLeavesTheHomeAsItWas();
    void aFreshHomeWithAutoStartTurnedOnIsLeftAsItWas();

private:
    QProcessEnvironment environment(const std::string &transcript) const;
    void layOutPackage() const;
    void runSetup(const QStringList &offeredAndAsked);
    void stopTheToolbar();
    void turnOnAutoStart();
    void runTheUninstallerFromItsMenuEntry(const QString &closingMessage);
    void cleanFolders();

    TempFolder m_root;
    Installation m_paths{m_root};
    std::string m_package = m_root / "package";
    std::string m_installParent = Paths::join(m_paths.home, "My Apps");
    std::string m_install = Paths::join(m_installParent, "Stowlet");
    std::string m_userFileBefore = Paths::join(m_install, "notes from before.txt");
    std::string m_userFileAfter = Paths::join(m_install, "added later.txt");
    std::string m_setupTranscript = m_root / "setup transcript.txt";
    std::string m_uninstallTranscript = m_root / "uninstall transcript.txt";
};

QProcessEnvironment RoundTripTest::environment(const std::string &transcript) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = QString::fromStdString(m_paths.home);
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CACHE_HOME", QString::fromStdString(m_root / "cache"));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(m_root / "runtime"));
    env.insert("TMPDIR", QString::fromStdString(m_paths.temp));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("STOWLET_TEST_TRANSCRIPT", QString::fromStdString(transcript));
    env.insert("STOWLET_TEST_INSTALL_PARENT", QString::fromStdString(m_installParent));
    return env;
}

void RoundTripTest::layOutPackage() const
{
    fs::copy(STOWLET_PACKAGE, m_package, fs::copy_options::recursive);
    replaceFile(SETUP_DRIVER, Paths::join(m_package, "Setup"));
    replaceFile(UNINSTALL_DRIVER, Paths::join(Paths::join(m_package, "Support"), "StowletUninstaller"));
}

void RoundTripTest::runSetup(const QStringList &offeredAndAsked)
{
    QProcess setup;
    setup.setProcessEnvironment(environment(m_setupTranscript));
    setup.setWorkingDirectory(QString::fromStdString(m_paths.home));
    setup.setStandardOutputFile(QString::fromStdString(m_root / "setup output.txt"));
    setup.setStandardErrorFile(QString::fromStdString(m_root / "setup output.txt"), QIODevice::Append);
    setup.start(QString::fromStdString(Paths::join(m_package, "Setup")), {});
    QVERIFY(setup.waitForFinished(60000));
    QCOMPARE(setup.exitStatus(), QProcess::NormalExit);
    QCOMPARE(setup.exitCode(), 0);
    QCOMPARE(linesOf(m_setupTranscript),
             QStringList({"accept: I have read and accept all parts of the license agreement.", "continue: frmLicense",
                          "continue: frmFirst"}) +
                 offeredAndAsked);
}

void RoundTripTest::stopTheToolbar()
{
    // Setup's last act starts the installed toolbar, which marks its first run at once.
    const std::string toolbar = Paths::join(m_install, "Stowlet");
    const std::string settings = Paths::join(m_paths.home, toolbarSettings + "/Stowlet.conf");
    QTRY_VERIFY_WITH_TIMEOUT(!processesRunning(toolbar).empty() && fs::exists(settings), 15000);
    for (pid_t pid : processesRunning(toolbar))
        kill(pid, SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(processesRunning(toolbar).empty(), 10000);
    QVERIFY2(readFile(settings).find("FirstRunDone=1") != std::string::npos, readFile(settings).c_str());
}

// As the options dialog does when "Start automatically" is ticked: the same procedure, with
// the desktop's own folders and entries, in the test's home.
void RoundTripTest::turnOnAutoStart()
{
    const QString home = QString::fromStdString(m_paths.home);
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    FakeDesktop fake;
    fake.executable = Paths::join(m_install, "Stowlet");
    QtKnownFolders folders;
    DesktopEntryWriter entries;
    Desktop desktop{fake, fake, fake, folders, entries, fake, fake};
    CreateAutoStartShortcut(desktop, m_install);
    QVERIFY(fs::is_regular_file(m_paths.startup + "/Stowlet.desktop"));
}

void RoundTripTest::cleanFolders()
{
    fs::remove_all(m_paths.home);
    fs::remove_all(m_paths.temp);
    fs::remove_all(m_package);
    fs::remove(m_setupTranscript);
    fs::remove(m_uninstallTranscript);
}

void RoundTripTest::runTheUninstallerFromItsMenuEntry(const QString &closingMessage)
{
    const std::string entry = Paths::join(Paths::join(m_paths.programs, "Stowlet"), "Uninstall Stowlet.desktop");
    const std::string program = entryValue(entry, "Exec");
    QCOMPARE(program, Paths::join(m_install, "StowletUninstaller"));
    QProcess uninstaller;
    uninstaller.setProcessEnvironment(environment(m_uninstallTranscript));
    uninstaller.setWorkingDirectory(QString::fromStdString(entryValue(entry, "Path")));
    // The copy it starts inherits its output; a pipe this test closed would end the copy at
    // its first warning.
    uninstaller.setStandardOutputFile(QString::fromStdString(m_root / "uninstall output.txt"));
    uninstaller.setStandardErrorFile(QString::fromStdString(m_root / "uninstall output.txt"), QIODevice::Append);
    uninstaller.start(QString::fromStdString(program), {});
    QVERIFY(uninstaller.waitForFinished(15000));
    QCOMPARE(uninstaller.exitCode(), 0);

    // The copy in the temporary folder does the removal and leaves the script, which deletes
    // the copy once it has exited, then itself, and last the hand-over folder they were in:
    // until that is gone the temporary folder is not yet as it was.
    QTRY_VERIFY_WITH_TIMEOUT(readFile(m_uninstallTranscript).find("message: ") != std::string::npos, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(m_paths.handOverFolder()), 15000);
    QCOMPARE(linesOf(m_uninstallTranscript),
             QStringList({"continue", "question: Are you sure you want to uninstall Stowlet?", closingMessage}));
}

void RoundTripTest::installingThenUninstallingLeavesTheHomeAsItWas()
{
    layOutPackage();
    // A home someone lives in: the folders a desktop session makes, with files of their own.
    write(m_paths.home + "/.config/user-dirs.dirs",
          "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Pictures\"\n");
    write(m_paths.desktop + "/holiday.jpg", "a picture");
    write(m_paths.pictures + "/Thumbs.db", "someone's thumbnail cache");
    write(m_paths.programs + "/editor.desktop", "[Desktop Entry]\nName=Editor\n");
    write(m_paths.startup + "/clock.desktop", "[Desktop Entry]\nName=Clock\n");
    write(m_paths.home + "/Documents/notes.txt", "notes");
    write(m_userFileBefore, "the user's, in the folder chosen for the install");
    fs::create_directories(m_paths.temp);
    fs::create_directories(m_root / "runtime");
    fs::permissions(m_root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    const auto homeBefore = snapshot(m_paths.home);
    const auto tempBefore = snapshot(m_paths.temp);

    runSetup({"offered: " + offeredMenus() + " optIconThisUser", "continue: frmSecond",
              QString::fromStdString("question: The folder " + m_install +
                                     " already holds files that are not part of Stowlet.|They will stay "
                                     "where they are: neither the install nor a later uninstall removes "
                                     "them.||Install Stowlet into this folder?")});
    if (QTest::currentTestFailed())
        return;
    const std::string group = Paths::join(m_paths.programs, "Stowlet");
    for (const std::string &made :
         {Paths::join(m_install, "Stowlet"), Paths::join(m_install, "StowletUninstaller"),
          Paths::join(m_install, "STOWLET-InstallLog.txt"), Paths::join(group, "Stowlet.desktop"),
          Paths::join(group, "Uninstall Stowlet.desktop"), Paths::join(m_paths.desktop, "Stowlet.desktop")})
        QVERIFY2(fs::is_regular_file(made), made.c_str());

    stopTheToolbar();
    if (QTest::currentTestFailed())
        return;
    write(m_userFileAfter, "the user's, added beside the installed program");
    runTheUninstallerFromItsMenuEntry(QString::fromStdString(
        "message: Stowlet was not completely uninstalled.||These are not part of the installation and were kept:|" +
        m_userFileAfter + "|" + m_userFileBefore));
    if (QTest::currentTestFailed())
        return;

    auto homeAfter = snapshot(m_paths.home);
    QVERIFY2(homeAfter.count(toolbarSettings + "/Stowlet.conf"), "the toolbar's settings are the user's and stay");
    std::erase_if(homeAfter, [](const auto &entry) { return isToolbarSettings(entry.first); });
    QCOMPARE(readFile(m_userFileAfter), std::string("the user's, added beside the installed program"));
    homeAfter.erase(fs::relative(m_userFileAfter, m_paths.home).generic_string());
    QVERIFY2(homeAfter == homeBefore, describeDifference(homeBefore, homeAfter).c_str());
    const auto tempAfter = snapshot(m_paths.temp);
    QVERIFY2(tempAfter == tempBefore, describeDifference(tempBefore, tempAfter).c_str());
    QVERIFY(linesOf(m_setupTranscript).filter("message:").isEmpty());
}

void RoundTripTest::aFreshHomeWithAutoStartTurnedOnIsLeftAsItWas()
{
    cleanFolders();
    layOutPackage();
    // A new account: no menu folder, no log-on folder, no desktop; the install makes what it needs.
    fs::create_directories(m_paths.home);
    fs::create_directories(m_paths.temp);
    const auto homeBefore = snapshot(m_paths.home);

    runSetup({"offered: " + offeredMenus(), "continue: frmSecond"});
    if (QTest::currentTestFailed())
        return;
    stopTheToolbar();
    turnOnAutoStart();
    if (QTest::currentTestFailed())
        return;
    runTheUninstallerFromItsMenuEntry("message: Stowlet was successfully uninstalled.||You may need to restart your "
                                      "computer before all changes take effect.");
    if (QTest::currentTestFailed())
        return;

    auto homeAfter = snapshot(m_paths.home);
    QVERIFY2(homeAfter.count(toolbarSettings + "/Stowlet.conf"), "the toolbar's settings are the user's and stay");
    std::erase_if(homeAfter, [](const auto &entry) { return isToolbarSettings(entry.first); });
    homeAfter.erase(".config"); // holds the toolbar's settings
    QVERIFY2(homeAfter == homeBefore, describeDifference(homeBefore, homeAfter).c_str());
}

QTEST_MAIN(RoundTripTest)
#include "roundtrip_test.moc"

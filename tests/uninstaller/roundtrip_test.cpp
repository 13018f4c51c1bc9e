// Uninstalling as a user does, end to end: an installation laid out as Setup leaves it in a
// lived-in home (desktop entries in the XDG folders, created folders, the install log), the
// uninstaller started from the installation folder in a process of its own, relaunching from
// the temporary folder, confirmed, and its self-removal script run to its end. Afterwards
// the home must be exactly as it was before the install, and the temporary folder empty.
#include "uninstallsupport.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

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

} // namespace

class RoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void uninstallingLeavesTheHomeAsItWasBeforeTheInstall();
};

void RoundTripTest::uninstallingLeavesTheHomeAsItWasBeforeTheInstall()
{
    TempFolder root;
    Installation install(root);
    const std::string cache = root / "cache";
    const std::string runtime = root / "runtime";
    const std::string transcript = root / "transcript.txt";

    // A home someone lives in, with the desktop's folders and files of their own in them.
    write(install.home + "/.config/user-dirs.dirs",
          "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Pictures\"\n");
    write(install.desktop + "/holiday.jpg", "a picture");
    write(install.pictures + "/Thumbs.db", "someone's thumbnail cache");
    write(install.programs + "/editor.desktop", "[Desktop Entry]\nName=Editor\n");
    write(install.startup + "/clock.desktop", "[Desktop Entry]\nName=Clock\n");
    write(install.home + "/Documents/notes.txt", "notes");
    fs::create_directories(install.temp);
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    const auto homeBefore = snapshot(install.home);
    const auto tempBefore = snapshot(install.temp);

    // The install: the program files (the uninstaller being the real program with a stand-in
    // user), the menu and desktop entries, the created folders and the log.
    install.layOut();
    replaceFile(UNINSTALL_DRIVER, install.programInInstallFolder());
    QVERIFY(snapshot(install.home) != homeBefore);

    QProcess uninstaller;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(install.home));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(install.home + "/.config"));
    environment.insert("XDG_DATA_HOME", QString::fromStdString(install.home + "/.local/share"));
    environment.insert("XDG_CACHE_HOME", QString::fromStdString(cache));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    environment.insert("TMPDIR", QString::fromStdString(install.temp));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("STOWLET_TEST_TRANSCRIPT", QString::fromStdString(transcript));
    uninstaller.setProcessEnvironment(environment);
    uninstaller.setWorkingDirectory(QString::fromStdString(install.home));
    // The copy it starts inherits its output; a pipe this test closed would end the copy at
    // its first warning.
    uninstaller.setStandardOutputFile(QString::fromStdString(root / "output.txt"));
    uninstaller.setStandardErrorFile(QString::fromStdString(root / "output.txt"), QIODevice::Append);
    uninstaller.start(QString::fromStdString(install.programInInstallFolder()), {});
    QVERIFY(uninstaller.waitForFinished(15000));
    QCOMPARE(uninstaller.exitCode(), 0);

    // The copy in the temporary folder does the removal and leaves the script, which deletes
    // the copy once it has exited, then itself.
    QTRY_VERIFY_WITH_TIMEOUT(readFile(transcript).find("message: ") != std::string::npos, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(install.programInTemp()) && !fs::exists(install.scriptInTemp()), 15000);

    const auto homeAfter = snapshot(install.home);
    QVERIFY2(homeAfter == homeBefore, describeDifference(homeBefore, homeAfter).c_str());
    const auto tempAfter = snapshot(install.temp);
    QVERIFY2(tempAfter == tempBefore, describeDifference(tempBefore, tempAfter).c_str());

    QFile seen(QString::fromStdString(transcript));
    QVERIFY(seen.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(seen.readAll()).split('\n', Qt::SkipEmptyParts),
             QStringList({"continue", "question: Are you sure you want to uninstall Stowlet?",
                          "message: Stowlet was successfully uninstalled.||You may need to restart your computer "
                          "before all changes take effect."}));
}

QTEST_MAIN(RoundTripTest)
#include "roundtrip_test.moc"

#pragma once

#include "desktop/desktop.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

/// A scripted stand-in for every desktop service. Tests set the answers and folders,
/// run the code under test, and read back what was asked, shown, played and started,
/// in order and word for word. Nothing blocks and nothing reaches the real desktop,
/// except that shortcuts are written as real files so that tests can look at them.
class FakeDesktop final : public MessageBoxes,
                          public SoundPlayer,
                          public Shell,
                          public KnownFolders,
                          public ShortcutWriter,
                          public SettingsStore,
                          public EventPump
{
public:
    FakeDesktop();
    FakeDesktop(const FakeDesktop &) = delete;
    FakeDesktop &operator=(const FakeDesktop &) = delete;

    Desktop &services() { return m_desktop; }

    /// Everything the code under test did to the user, in the order it happened, each as
    /// "kind: detail" with kind one of sound, message, question, open, url, start and run
    /// (a sound by its file name, a started program with its arguments).
    std::vector<std::string> record;
    /// The record with each entry cut at its first line break: enough to check the order
    /// of what happened when a message also carries the platform's own words.
    std::vector<std::string> outline() const;

    // The same by kind, each in order.
    std::vector<std::string> messages;  ///< texts of OK message boxes
    std::vector<std::string> questions; ///< texts of Yes/No questions
    std::vector<std::string> dialogs;   ///< both kinds, in the order shown
    std::vector<std::string> soundsPlayed;
    std::vector<std::string> opened;
    struct OpenedUrl
    {
        std::string address;
        WindowStyle style;
    };
    std::vector<OpenedUrl> openedUrls;
    struct StartedProgram
    {
        std::string program;
        std::vector<std::string> arguments;
        WindowStyle style;
        std::string workingFolder;
        bool waited;
    };
    std::vector<StartedProgram> started;
    struct WrittenShortcut
    {
        std::string linkPath;
        ShortcutProperties properties;
    };
    std::vector<WrittenShortcut> shortcutsWritten;
    int yields = 0;

    // The script.
    std::deque<bool> answers;           ///< answers to questions, taken from the front
    bool defaultAnswer = false;         ///< used when answers is empty
    std::map<int, std::string> folders; ///< CSIDL -> path; absent means no such folder
    std::string home = "/home/user";
    std::string temp = "/tmp/";
    std::string executable = "/opt/Stowlet/Stowlet";
    bool startSucceeds = true;
    int exitCode = 0;
    bool shortcutsSucceed = true;
    bool settingsWritable = true;
    std::map<std::string, std::string> settings;        ///< "application/section/key" -> value
    std::function<void()> onYield;                      ///< runs inside every yield
    std::function<void(const std::string &)> onMessage; ///< runs when a message is shown

    // MessageBoxes
    void showMessage(const std::string &text) override;
    bool askYesNo(const std::string &text) override;
    // SoundPlayer
    void play(const std::filesystem::path &file) override;
    // Shell
    void open(const std::string &path) override;
    void openUrl(const std::string &address, WindowStyle style) override;
    bool startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                      const std::string &workingFolder) override;
    int runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style) override;
    std::string executablePath() override { return executable; }
    // KnownFolders
    std::string specialFolder(int csidl) override;
    std::string homeFolder() override { return home; }
    std::string tempFolder() override { return temp; }
    // ShortcutWriter
    bool writeShortcut(const std::string &linkPath, const ShortcutProperties &properties) override;
    std::string shortcutTarget(const std::string &linkPath) override;
    // SettingsStore
    std::string getSetting(const std::string &application, const std::string &section, const std::string &key,
                           const std::string &defaultValue) override;
    bool saveSetting(const std::string &application, const std::string &section, const std::string &key,
                     const std::string &value) override;
    // EventPump
    void yield() override;

    static std::string settingKey(const std::string &application, const std::string &section, const std::string &key);

private:
    void recordStart(const std::string &kind, const std::string &program, const std::vector<std::string> &arguments);

    Desktop m_desktop;
};

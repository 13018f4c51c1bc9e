#include "fakedesktop.h"

#include "textfile.h"

FakeDesktop::FakeDesktop()
    : m_desktop{*this, *this, *this, *this, *this, *this, *this}
{
}

void FakeDesktop::showMessage(const std::string &text)
{
    messages.push_back(text);
    dialogs.push_back(text);
    if (onMessage)
        onMessage(text);
}

bool FakeDesktop::askYesNo(const std::string &text)
{
    questions.push_back(text);
    dialogs.push_back(text);
    if (answers.empty())
        return defaultAnswer;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDesktop::play(const std::filesystem::path &file)
{
    soundsPlayed.push_back(file.filename().string());
}

void FakeDesktop::open(const std::string &path)
{
    opened.push_back(path);
}

void FakeDesktop::openUrl(const std::string &address, WindowStyle style)
{
    openedUrls.push_back({address, style});
}

bool FakeDesktop::startProgram(const std::string &program, const std::vector<std::string> &arguments,
                               WindowStyle style, const std::string &workingFolder)
{
    started.push_back({program, arguments, style, workingFolder, false});
    return startSucceeds;
}

int FakeDesktop::runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style)
{
    started.push_back({program, arguments, style, {}, true});
    return startSucceeds ? exitCode : -1;
}

std::string FakeDesktop::specialFolder(int csidl)
{
    const auto found = folders.find(csidl);
    return found == folders.end() ? std::string() : found->second;
}

bool FakeDesktop::writeShortcut(const std::string &linkPath, const ShortcutProperties &properties)
{
    shortcutsWritten.push_back({linkPath, properties});
    if (!shortcutsSucceed)
        return false;
    return TextFile::writeAtomically(linkPath, "shortcut to " + properties.targetPath + "\n");
}

std::string FakeDesktop::settingKey(const std::string &application, const std::string &section,
                                    const std::string &key)
{
    return application + "/" + section + "/" + key;
}

std::string FakeDesktop::getSetting(const std::string &application, const std::string &section,
                                    const std::string &key, const std::string &defaultValue)
{
    const auto found = settings.find(settingKey(application, section, key));
    return found == settings.end() ? defaultValue : found->second;
}

bool FakeDesktop::saveSetting(const std::string &application, const std::string &section, const std::string &key,
                              const std::string &value)
{
    if (!settingsWritable)
        return false;
    settings[settingKey(application, section, key)] = value;
    return true;
}

void FakeDesktop::yield()
{
    ++yields;
    if (onYield)
        onYield();
}

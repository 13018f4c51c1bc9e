#include "desktop/fake/fakedesktop.h"

#include "desktop/textfile.h"

FakeDesktop::FakeDesktop() : m_desktop{*this, *this, *this, *this, *this, *this, *this} {}

std::vector<std::string> FakeDesktop::outline() const
{
    std::vector<std::string> lines;
    for (const std::string &entry : record)
        lines.push_back(entry.substr(0, entry.find('\r')));
    return lines;
}

void FakeDesktop::showMessage(const std::string &text)
{
    record.push_back("message: " + text);
    messages.push_back(text);
    dialogs.push_back(text);
    if (onMessage)
        onMessage(text);
}

bool FakeDesktop::askYesNo(const std::string &text)
{
    record.push_back("question: " + text);
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
    record.push_back("sound: " + soundsPlayed.back());
}

void FakeDesktop::open(const std::string &path)
{
    record.push_back("open: " + path);
    opened.push_back(path);
}

void FakeDesktop::openUrl(const std::string &address, WindowStyle style)
{
    record.push_back("url: " + address);
    openedUrls.push_back({address, style});
}

bool FakeDesktop::startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                               const std::string &workingFolder)
{
    recordStart("start: ", program, arguments);
    started.push_back({program, arguments, style, workingFolder, false});
    return startSucceeds;
}

void FakeDesktop::recordStart(const std::string &kind, const std::string &program,
                              const std::vector<std::string> &arguments)
{
    std::string entry = kind + program;
    for (const std::string &argument : arguments)
        entry += " " + argument;
    record.push_back(entry);
}

int FakeDesktop::runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style)
{
    recordStart("run: ", program, arguments);
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

std::string FakeDesktop::shortcutTarget(const std::string &linkPath)
{
    const auto lines = TextFile::readLines(linkPath);
    const std::string prefix = "shortcut to ";
    if (!lines || lines->empty() || !lines->front().starts_with(prefix))
        return {};
    return lines->front().substr(prefix.size());
}

std::string FakeDesktop::settingKey(const std::string &application, const std::string &section, const std::string &key)
{
    return application + "/" + section + "/" + key;
}

std::string FakeDesktop::getSetting(const std::string &application, const std::string &section, const std::string &key,
                                    const std::string &defaultValue)
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

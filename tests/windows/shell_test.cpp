#include "desktop/paths.h"
#include "desktop/textfile.h"
#include "desktop/windows/win32shell.h"
#include "tests/support/tempfolder.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The arguments as the C runtime of the started program parses its command line back.
std::vector<std::string> parsedBack(const std::string &commandLine)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, wide.data(), size);
    int count = 0;
    LPWSTR *arguments = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) {
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, text, sizeof text, nullptr, nullptr);
        result.emplace_back(text);
    }
    LocalFree(arguments);
    return result;
}

TEST(CommandLine, RegistrationToolLineIsTheSilentSwitchAndTheQuotedPath)
{
    EXPECT_EQ(Win32Shell::commandLine("regsvr32", {"/s", "C:\\Windows\\system32\\MSFLXGRD.ocx"}),
              "regsvr32 /s \"C:\\Windows\\system32\\MSFLXGRD.ocx\"");
    EXPECT_EQ(Win32Shell::commandLine("regsvr32", {"/s", "C:\\My Temp\\x.ocx"}), "regsvr32 /s \"C:\\My Temp\\x.ocx\"");
}

TEST(CommandLine, EveryArgumentParsesBackUnchanged)
{
    const std::vector<std::string> arguments{
        "plain", "two words", "", "quote\"inside", "trailing\\", "C:\\ends in\\", "back\\\\\"slashes", "tab\there"};
    std::vector<std::string> expected{"C:\\Program Files\\x.exe"};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(parsedBack(Win32Shell::commandLine("C:\\Program Files\\x.exe", arguments)), expected);
}

class StartedPrograms : public ::testing::Test
{
protected:
    std::string probe() { return Paths::join(Paths::parentFolder(shell.executablePath()), "startupprobe.exe"); }
    std::vector<std::string> report() const
    {
        return TextFile::readLines(reportFile).value_or(std::vector<std::string>{});
    }

    TempFolder temp;
    Win32Shell shell;
    std::string reportFile = temp / "with space\\report.txt";
};

TEST_F(StartedPrograms, RunAndWaitGivesTheExitCodeAndTheWindowStyle)
{
    temp.makeFolder("with space");
    for (const WindowStyle style : {WindowStyle::Hidden, WindowStyle::Normal, WindowStyle::Minimized}) {
        ASSERT_EQ(shell.runAndWait(probe(), {reportFile, "an argument", "/s"}, style), 42);
        EXPECT_EQ(report(), (std::vector<std::string>{"show " + std::to_string(static_cast<int>(style)),
                                                      "[an argument]", "[/s]"}));
    }
}

TEST_F(StartedPrograms, StartProgramRunsInTheWorkingFolderWithoutWaiting)
{
    const std::string folder = temp.makeFolder("work");
    ASSERT_TRUE(shell.startProgram(probe(), {"relative.txt"}, WindowStyle::Minimized, folder));
    const std::string written = Paths::join(folder, "relative.txt");
    for (int i = 0; i < 200 && !TextFile::readLines(written).has_value(); ++i)
        Sleep(25);
    Sleep(100); // the probe closes its file right after writing it
    EXPECT_EQ(TextFile::readLines(written).value_or(std::vector<std::string>{}), (std::vector<std::string>{"show 2"}));
}

TEST_F(StartedPrograms, MissingProgramIsReportedNotThrown)
{
    EXPECT_EQ(shell.runAndWait(temp / "missing.exe", {}, WindowStyle::Normal), -1);
    EXPECT_FALSE(shell.startProgram(temp / "missing.exe", {}, WindowStyle::Normal, temp.str()));
}

TEST_F(StartedPrograms, TheCommandInterpreterRunsABatchScriptStartedByItsPath)
{
    const std::string folder = temp.makeFolder("script folder");
    const std::string script = Paths::join(folder, "exit.bat");
    ASSERT_TRUE(TextFile::writeLinesAtomically(
        script, {"@Echo off", "Echo done> \"" + Paths::join(folder, "out.txt") + "\"", "exit /b 5"}));
    EXPECT_EQ(shell.runAndWait(script, {}, WindowStyle::Hidden), 5);
    EXPECT_EQ(TextFile::readLines(Paths::join(folder, "out.txt")).value_or(std::vector<std::string>{}),
              (std::vector<std::string>{"done"}));
}

TEST(OwnProgram, ExecutablePathIsThisTestProgram)
{
    Win32Shell shell;
    const std::string path = shell.executablePath();
    EXPECT_EQ(Paths::fileName(path), "windows_tests.exe");
    EXPECT_TRUE(Paths::fileExists(path));
}

} // namespace

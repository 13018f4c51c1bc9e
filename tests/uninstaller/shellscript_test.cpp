// The self-removal script for /bin/sh: its exact lines, and the script run for real against a
// stand-in for the uninstaller.
#include "tests/support/tempfolder.h"
#include "uninstaller/core/selfremovalscript.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

using namespace uninstall;

extern char **environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

TEST(ShellScriptTest, SevenLinesWithEveryPathQuoted)
{
    const SelfRemovalScript script =
        MakeSelfRemovalScript("/tmp/Ann's temp", "StowletUninstaller", "/tmp/Ann's temp", "killmyself.sh", 4242);

    EXPECT_EQ(script.lines, (std::vector<std::string>{
                                "#!/bin/sh",
                                "while :; do",
                                "cd '/tmp/Ann'\\''s temp/' || exit 1",
                                "kill -0 4242 2>/dev/null || rm -f -- 'StowletUninstaller'",
                                "[ -e '/tmp/Ann'\\''s temp/StowletUninstaller' ] || break; sleep 0.2; done",
                                "cd '/tmp/Ann'\\''s temp/' || exit 1",
                                "rm -f -- 'killmyself.sh'",
                            }));
    EXPECT_EQ(script.lineEnd, "\n") << "a carriage return would become part of every path";
    EXPECT_EQ(script.program, "/bin/sh");
    EXPECT_EQ(script.arguments, std::vector<std::string>{"/tmp/Ann's temp/killmyself.sh"});
    EXPECT_EQ(
        MakeSelfRemovalScript("/tmp/Ann's temp", "StowletUninstaller", "/tmp/Ann's temp", "killmyself.sh", 4242, true)
            .lines.back(),
        "rm -f -- 'killmyself.sh'; cd / && rmdir -- '/tmp/Ann'\\''s temp' 2>/dev/null");
}

TEST(ShellScriptTest, RootFolderIsNotDoubled)
{
    const SelfRemovalScript script = MakeSelfRemovalScript("/", "StowletUninstaller", "/", "killmyself.sh", 7);
    EXPECT_EQ(script.lines[2], "cd '/' || exit 1");
    EXPECT_EQ(script.lines[4], "[ -e '/StowletUninstaller' ] || break; sleep 0.2; done");
}

pid_t spawn(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

// Waits for a child to end, up to a time limit; true when it ended.
bool reaped(pid_t pid, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

class SelfRemovalRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = root.makeFolder("Ann's temp folder");
        program = folder + "/StowletUninstaller";
        script = folder + "/killmyself.sh";
        neighbour = root.writeFile("Ann's temp folder/someone else's file", "theirs");
        // A program that runs until told to stop, under the uninstaller's name.
        fs::copy_file("/bin/sleep", program);
    }

    pid_t startScriptFor(pid_t programPid)
    {
        const SelfRemovalScript text =
            MakeSelfRemovalScript(folder, "StowletUninstaller", folder, "killmyself.sh", programPid, true);
        std::ofstream out(script, std::ios::binary);
        for (const std::string &line : text.lines)
            out << line << text.lineEnd;
        out.close();
        std::vector<std::string> command{text.program};
        command.insert(command.end(), text.arguments.begin(), text.arguments.end());
        return spawn(command);
    }

    TempFolder root;
    std::string folder, program, script, neighbour;
};

TEST_F(SelfRemovalRunTest, DeletesTheProgramOnlyOnceItsProcessHasExitedThenItself)
{
    const pid_t running = spawn({program, "60"});
    ASSERT_GT(running, 0);
    const pid_t shell = startScriptFor(running);
    ASSERT_GT(shell, 0);

    // Linux would let the script delete the file of a running program: it must wait.
    for (int check = 0; check < 8; ++check) {
        std::this_thread::sleep_for(100ms);
        ASSERT_TRUE(fs::exists(program)) << "deleted while the program still ran";
    }
    EXPECT_TRUE(fs::exists(script));

    kill(running, SIGTERM);
    ASSERT_TRUE(reaped(running, 5s));
    const bool scriptEnded = reaped(shell, 10s);
    if (!scriptEnded)
        kill(shell, SIGKILL), reaped(shell, 1s);

    EXPECT_TRUE(scriptEnded);
    EXPECT_FALSE(fs::exists(program));
    EXPECT_FALSE(fs::exists(script));
    EXPECT_EQ(readFile(neighbour), "theirs") << "the folder goes only once it is empty";
}

TEST_F(SelfRemovalRunTest, ProgramAlreadyGoneMeansAQuickEndWithTheEmptiedFolderGone)
{
    fs::remove(neighbour);
    const pid_t ended = spawn({program, "0"});
    ASSERT_TRUE(reaped(ended, 5s));
    const pid_t shell = startScriptFor(ended);

    EXPECT_TRUE(reaped(shell, 3s));
    EXPECT_FALSE(fs::exists(folder));
}

} // namespace

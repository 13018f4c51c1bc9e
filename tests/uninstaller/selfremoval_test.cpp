#include "selfremovalscript.h"
#include "uninstallfixture.h"

namespace {

TEST(SelfRemovalScriptTest, SevenLinesWithEveryPathQuoted)
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
    EXPECT_EQ(script.interpreter, "/bin/sh");
}

TEST(SelfRemovalScriptTest, RootFolderIsNotDoubled)
{
    const SelfRemovalScript script = MakeSelfRemovalScript("/", "StowletUninstaller", "/", "killmyself.sh", 7);
    EXPECT_EQ(script.lines[2], "cd '/' || exit 1");
    EXPECT_EQ(script.lines[4], "[ -e '/StowletUninstaller' ] || break; sleep 0.2; done");
}

using RemoveSelfTest = UninstallTest;

TEST_F(RemoveSelfTest, UnloadsTheWindowWritesTheScriptAndStartsItHidden)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    host.pid = 31337;

    RemoveSelf(context);

    EXPECT_EQ(host.calls, std::vector<std::string>{"unload"});
    const SelfRemovalScript expected =
        MakeSelfRemovalScript(install.temp, "StowletUninstaller", install.temp, "killmyself.sh", 31337);
    std::string text;
    for (const std::string &line : expected.lines)
        text += line + "\n";
    EXPECT_EQ(readFile(install.temp + "/killmyself.sh"), text);
    EXPECT_EQ(wait.waits, std::vector<std::int64_t>{200});
    EXPECT_EQ(globals.WaitTimer, nullptr);
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].program, "/bin/sh");
    EXPECT_EQ(fake.started[0].arguments, std::vector<std::string>{install.temp + "/killmyself.sh"});
    EXPECT_EQ(fake.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(fake.started[0].workingFolder, install.temp);
}

TEST_F(RemoveSelfTest, WindowAlreadyUnloadedIsLeftAlone)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    host.loaded = false;

    RemoveSelf(context);

    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(fake.started.size(), 1u);
}

} // namespace

#include "desktop/paths.h"
#include "tests/uninstaller/uninstallfixture.h"
#include "uninstaller/core/selfremovalscript.h"

using namespace uninstall;

namespace {

using RemoveSelfTest = UninstallTest;

std::string scriptText(const SelfRemovalScript &script)
{
    std::string text;
    for (const std::string &line : script.lines)
        text += line + script.lineEnd;
    return text;
}

TEST_F(RemoveSelfTest, UnloadsTheWindowWritesTheScriptAndStartsItHidden)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    host.pid = 31337;

    RemoveSelf(context);

    EXPECT_EQ(host.calls, std::vector<std::string>{"unload"});
    const std::string handOver = install.handOverFolder();
    const SelfRemovalScript expected =
        MakeSelfRemovalScript(handOver, Paths::fileName(install.programInTemp()), handOver,
                              Paths::fileName(install.scriptInTemp()), 31337, true);
    EXPECT_EQ(readFile(install.scriptInTemp()), scriptText(expected));
    EXPECT_EQ(wait.waits, std::vector<std::int32_t>{200});
    EXPECT_EQ(globals.WaitTimer, nullptr);
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].program, expected.program);
    EXPECT_EQ(fake.started[0].arguments, expected.arguments);
    EXPECT_EQ(fake.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(fake.started[0].workingFolder, handOver);
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

TEST_F(RemoveSelfTest, ScriptNamesTheProgramAndItselfInTheTemporaryFolder)
{
    const SelfRemovalScript script =
        MakeSelfRemovalScript(install.temp, "StowletUninstaller", install.temp, "killmyself", 1);
    ASSERT_EQ(script.lines.size(), 7u);
    EXPECT_NE(script.lines[3].find("StowletUninstaller"), std::string::npos) << "deletes the program";
    EXPECT_NE(script.lines[4].find(Paths::join(install.temp, "StowletUninstaller")), std::string::npos)
        << "until it is gone";
    EXPECT_NE(script.lines[6].find("killmyself"), std::string::npos) << "then itself";
}

} // namespace

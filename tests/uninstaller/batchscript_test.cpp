// The self-removal script for the Windows command interpreter.
#include "uninstaller/core/selfremovalscript.h"

#include <gtest/gtest.h>

using namespace uninstall;

namespace {

TEST(BatchScriptTest, SevenLinesWithEveryPathQuoted)
{
    const SelfRemovalScript script = MakeSelfRemovalScript("C:\\Users\\Ann Lee\\Temp 100%", "StowletUninstaller.exe",
                                                           "C:\\Users\\Ann Lee\\Temp 100%", "killmyself.bat", 4242);

    EXPECT_EQ(script.lines, (std::vector<std::string>{
                                "@Echo off",
                                ":S",
                                "cd /d \"C:\\Users\\Ann Lee\\Temp 100%%\\\"",
                                "Del \"StowletUninstaller.exe\"",
                                "If Exist \"C:\\Users\\Ann Lee\\Temp 100%%\\StowletUninstaller.exe\" Goto S",
                                "cd /d \"C:\\Users\\Ann Lee\\Temp 100%%\\\"",
                                "Del \"killmyself.bat\"",
                            }));
    EXPECT_EQ(script.lineEnd, "\r\n");
    EXPECT_EQ(script.program, "cmd.exe");
    EXPECT_EQ(script.arguments, (std::vector<std::string>{"/c", "C:\\Users\\Ann Lee\\Temp 100%\\killmyself.bat"}));
    EXPECT_EQ(MakeSelfRemovalScript("C:\\Temp\\Hand over", "StowletUninstaller.exe", "C:\\Temp\\Hand over",
                                    "killmyself.bat", 4242, true)
                  .lines.back(),
              "Del \"killmyself.bat\" & cd /d \"C:\\Temp\\\" & rd \"C:\\Temp\\Hand over\"");
}

} // namespace

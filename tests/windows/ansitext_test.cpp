#include "desktop/paths.h"
#include "desktop/textfile.h"
#include "desktop/windows/ansitext.h"
#include "desktop/windows/win32messageboxes.h"
#include "desktop/windows/windowsdesktop.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A name in the ANSI code page holding characters beyond ASCII, or nothing when this
// code page cannot spell any of them.
std::optional<std::string> ansiName()
{
    for (const wchar_t *candidate : {L"Bl\u00fcten \u20ac \u00c4", L"\u00e9t\u00e9", L"\u0416\u0443\u043a"}) {
        BOOL lost = FALSE;
        char text[64] = {};
        WideCharToMultiByte(CP_ACP, 0, candidate, -1, text, sizeof text, nullptr, &lost);
        if (!lost)
            return std::string(text);
    }
    return std::nullopt;
}

// The file's name as the system holds it (UTF-16), found by listing its folder.
std::wstring listedName(const std::string &folder)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((AnsiText::toWide(folder) + L"\\*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    FindClose(search);
    return found.cFileName;
}

TEST(AnsiCodePage, PathsAndTextFilesAreInTheAnsiCodePage)
{
    WindowsDesktop::useAnsiCodePage();
    const auto name = ansiName();
    if (!name)
        GTEST_SKIP() << "the ANSI code page " << GetACP() << " spells none of the test names";
    TempFolder temp;
    const std::string path = Paths::join(temp.str(), *name + ".txt");
    ASSERT_TRUE(TextFile::writeLinesAtomically(path, {*name, "second"}));

    EXPECT_EQ(listedName(temp.str()), AnsiText::toWide(*name + ".txt")) << "code page " << GetACP();
    EXPECT_TRUE(Paths::fileExists(path));
    EXPECT_EQ(TextFile::readLines(path), (std::vector<std::string>{*name, "second"}));
    EXPECT_EQ(readFile(path), *name + "\r\nsecond\r\n");

    // Through std::filesystem too, which goes by UTF-16 underneath.
    std::error_code ec;
    EXPECT_TRUE(fs::is_regular_file(fs::path(path), ec));
    const std::string copy = Paths::join(temp.str(), "copy " + *name);
    fs::copy_file(fs::path(path), fs::path(copy), ec);
    EXPECT_FALSE(ec) << ec.message();
    EXPECT_NE(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);

    // A name found by listing the folder comes back as the 8-bit text the C runtime takes.
    EXPECT_EQ(Paths::systemText(fs::path(temp.str()) / AnsiText::toWide(*name + ".txt")), path);
    EXPECT_EQ(std::remove(Paths::systemText(fs::path(copy)).c_str()), 0) << "removed by its 8-bit name";
}

TEST(AnsiCodePage, WideTextRoundTrip)
{
    const auto name = ansiName();
    if (!name)
        GTEST_SKIP() << "the ANSI code page spells none of the test names";
    EXPECT_EQ(AnsiText::fromWide(AnsiText::toWide(*name)), *name);
    EXPECT_EQ(AnsiText::toWide(""), L"");
}

TEST(MessageBoxText, LoneCarriageReturnsBreakLines)
{
    EXPECT_EQ(Win32MessageBoxes::displayText("No Install Log Found.\rExpected location: C:\\x\r"),
              "No Install Log Found.\r\nExpected location: C:\\x\r\n");
    EXPECT_EQ(Win32MessageBoxes::displayText("a\r\nb\n\r\rc"), "a\r\nb\n\r\n\r\nc");
}

} // namespace

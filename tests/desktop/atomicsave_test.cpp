// How files are put in place, seen through the calls made to the system: a file becomes
// visible under its name only by a rename, complete and (for data files) flushed first,
// and a failure at any point leaves the old file and nothing else.
#include "desktop/filecopy.h"
#include "desktop/textfile.h"
#include "tests/support/syscallwatch.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// The one rename in the calls, as {from, to}; empty texts when there is not exactly one.
std::pair<std::string, std::string> onlyRename(const std::vector<std::string> &calls)
{
    std::vector<std::string> renames;
    for (const std::string &call : calls)
        if (call.rfind("rename ", 0) == 0)
            renames.push_back(call.substr(7));
    if (renames.size() != 1)
        return {};
    const std::size_t arrow = renames[0].find(" -> ");
    return {renames[0].substr(0, arrow), renames[0].substr(arrow + 4)};
}

TEST(AtomicSave, DataIsFlushedBeforeTheRenameMakesItVisible)
{
    TempFolder temp;
    const std::string path = temp.writeFile("data.txt", "old\r\n");
    SyscallWatch::start();
    ASSERT_TRUE(TextFile::writeLinesAtomically(path, {"new"}));
    const std::vector<std::string> calls = SyscallWatch::calls();
    const auto [from, to] = onlyRename(calls);
    EXPECT_EQ(to, path);
    EXPECT_NE(from, path);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "flush " + from) << "the file renamed into place was flushed before, and first";
    EXPECT_EQ(readFile(path), "new\r\n");
}

TEST(AtomicSave, FailedFlushOrRenameKeepsTheOldFileAndLeavesNothing)
{
    for (const char *kind : {"flush", "rename"}) {
        TempFolder temp;
        const std::string path = temp.writeFile("data.txt", "old\r\n");
        SyscallWatch::start();
        SyscallWatch::failNext(kind, EIO);
        std::string error;
        EXPECT_FALSE(TextFile::writeLinesAtomically(path, {"new"}, &error)) << kind;
        EXPECT_EQ(error, std::strerror(EIO)) << kind;
        EXPECT_EQ(readFile(path), "old\r\n") << kind;
        EXPECT_EQ(folderNames(temp.str()), std::vector<std::string>{"data.txt"}) << kind;
    }
}

// Both writers of whole contents: a replaced file keeps its permissions, and whatever
// stands under the temporary name (here a link to another file) is never written through.
TEST(AtomicSave, ReplacementKeepsPermissionsAndNeverWritesThroughTheTemporaryName)
{
    namespace fs = std::filesystem;
    struct Writer
    {
        const char *name;
        std::string (*temporaryFor)(const std::string &path);
        bool (*write)(const std::string &path, const std::string &bytes);
    };
    const Writer writers[] = {
        {"TextFile", TextFile::temporaryNameFor,
         [](const std::string &path, const std::string &bytes) { return TextFile::writeAtomically(path, bytes); }},
        {"FileCopy", FileCopy::temporaryNameFor,
         [](const std::string &path, const std::string &bytes) {
             std::string error;
             return FileCopy::writeReplacing(bytes, path, error);
         }},
        {"copyReplacing", FileCopy::temporaryNameFor, [](const std::string &path, const std::string &bytes) {
             const std::string source = path + ".source";
             std::ofstream(source) << bytes;
             std::string error;
             const bool copied = FileCopy::copyReplacing(source, path, error);
             std::filesystem::remove(source);
             return copied;
         }}};
    // A mode no usual umask gives a new file, so only a kept mode can match it.
    const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;
    for (const Writer &writer : writers) {
        TempFolder temp;
        const std::string path = temp.writeFile("data.txt", "old");
        fs::permissions(path, kept, fs::perm_options::replace);
        const std::string outside = temp.writeFile("outside.txt", "keep");
        fs::create_symlink(outside, writer.temporaryFor(path));
        ASSERT_TRUE(writer.write(path, "new")) << writer.name;
        EXPECT_EQ(readFile(path), "new") << writer.name;
        EXPECT_EQ(readFile(outside), "keep") << writer.name;
        EXPECT_EQ(fs::status(path).permissions(), kept) << writer.name;
        EXPECT_EQ(folderNames(temp.str()), (std::vector<std::string>{"data.txt", "outside.txt"})) << writer.name;
        // A folder under the temporary name is never removed to make room: the save fails.
        fs::create_directory(writer.temporaryFor(path));
        EXPECT_FALSE(writer.write(path, "newer")) << writer.name;
        EXPECT_EQ(readFile(path), "new") << writer.name;
        EXPECT_TRUE(fs::is_directory(writer.temporaryFor(path))) << writer.name;
    }
}

// Both ways of putting a dropped file in place; the destination holds "old" before.
struct PutCase
{
    const char *name;
    bool copies; ///< goes through the system's copy call
    bool (*put)(const std::string &content, const std::string &destination, std::string &error);
};

void PrintTo(const PutCase &c, std::ostream *out)
{
    *out << c.name;
}

class FilePut : public ::testing::TestWithParam<PutCase>
{
protected:
    bool put(std::string &error) { return GetParam().put(content, destination, error); }

    TempFolder temp;
    const std::string content = std::string(3 * 1024 * 1024 + 17, 'p');
    const std::string destination = temp.writeFile("dst/out.bin", "old");
};

TEST_P(FilePut, DestinationIsNeverSeenHalfWritten)
{
    std::string seenAtRename;
    std::string renamedContent;
    SyscallWatch::start();
    SyscallWatch::onRename([&](const std::string &from, const std::string &) {
        seenAtRename = readFile(destination);
        renamedContent = readFile(from);
    });
    std::string error;
    ASSERT_TRUE(put(error)) << error;
    SyscallWatch::onRename(nullptr);
    EXPECT_EQ(onlyRename(SyscallWatch::calls()).second, destination) << "put in place by one rename";
    EXPECT_EQ(seenAtRename, "old") << "the destination was left alone until then";
    EXPECT_TRUE(renamedContent == content) << "what was renamed was complete";
    EXPECT_TRUE(readFile(destination) == content);
    EXPECT_EQ(folderNames(temp / "dst"), std::vector<std::string>{"out.bin"});
}

TEST_P(FilePut, FailureKeepsTheOldFileAndLeavesNothing)
{
    for (const std::string kind : {"copy", "rename"}) {
        if (kind == "copy" && !GetParam().copies)
            continue;
        SyscallWatch::start();
        SyscallWatch::failNext(kind, ENOSPC);
        std::string error;
        EXPECT_FALSE(put(error)) << kind;
        EXPECT_EQ(error, std::strerror(ENOSPC)) << kind;
        EXPECT_EQ(readFile(destination), "old") << kind;
        EXPECT_EQ(folderNames(temp / "dst"), std::vector<std::string>{"out.bin"}) << kind;
    }
    // A folder where the file should go: nothing is put beside it either.
    const std::string folder = temp.makeFolder("dst/taken/inner");
    std::string error;
    EXPECT_FALSE(GetParam().put(content, temp / "dst/taken", error));
    EXPECT_EQ(folderNames(temp / "dst"), (std::vector<std::string>{"out.bin", "taken"}));
}

INSTANTIATE_TEST_SUITE_P(
    FileCopy, FilePut,
    ::testing::Values(PutCase{"copyReplacing", true,
                              [](const std::string &content, const std::string &destination, std::string &error) {
                                  TempFolder source;
                                  return FileCopy::copyReplacing(source.writeFile("src.bin", content), destination,
                                                                 error);
                              }},
                      PutCase{"writeReplacing", false,
                              [](const std::string &content, const std::string &destination, std::string &error) {
                                  return FileCopy::writeReplacing(content, destination, error);
                              }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Waiting for another program to finish writing a file, as a direct save must: the
// file exists (empty) before its content comes, and may come in pieces.

#include "desktop/linux/filewritewatch.h"
#include "tests/support/tempfolder.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Writes like a browser: creates the file empty, then after a pause opens it again and
// writes it in pieces.
void writeLater(const std::string &path, const std::string &bytes, std::chrono::milliseconds pause)
{
    std::fclose(std::fopen(path.c_str(), "wb"));
    std::this_thread::sleep_for(pause);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    for (std::size_t at = 0; at < bytes.size(); at += 1000) {
        std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(1000, bytes.size() - at), file);
        std::fflush(file);
        std::this_thread::sleep_for(20ms);
    }
    std::fclose(file);
}

// Runs the event loop until the watch ends; true when it found the file written.
struct Watching
{
    Watching(const std::string &folder, const std::string &name, std::chrono::milliseconds quiet,
             std::chrono::milliseconds total)
        : watch(folder, name, {quiet, total})
    {
        watch.onFinished([this](bool written) {
            result = written;
            loop.quit();
        });
    }
    bool waitUntilWritten()
    {
        if (!result)
            loop.exec();
        return *result;
    }
    std::optional<bool> result;
    QEventLoop loop;
    FileWriteWatch watch;
};

TEST(FileWriteWatch, WaitsUntilTheWriterHasClosedTheFile)
{
    TempFolder temp;
    const std::string bytes(10000, 'x');
    Watching watch(temp.str(), "picture.part", 2000ms, 10000ms);
    std::thread writer(writeLater, temp / "picture.part", bytes, 300ms);
    EXPECT_TRUE(watch.waitUntilWritten());
    EXPECT_EQ(readFile(temp / "picture.part"), bytes) << "complete the moment the wait ends";
    writer.join();
}

TEST(FileWriteWatch, AFileMovedIntoPlaceCounts)
{
    TempFolder temp;
    Watching watch(temp.str(), "picture.part", 2000ms, 10000ms);
    std::thread writer([&] {
        std::this_thread::sleep_for(100ms);
        temp.writeFile("elsewhere", "whole");
        std::filesystem::rename(temp / "elsewhere", temp / "picture.part");
    });
    EXPECT_TRUE(watch.waitUntilWritten());
    EXPECT_EQ(readFile(temp / "picture.part"), "whole");
    writer.join();
}

TEST(FileWriteWatch, GivesUpOnAFileThatStaysEmptyOrNeverCloses)
{
    TempFolder temp;
    Watching empty(temp.str(), "empty.part", 200ms, 5000ms);
    std::fclose(std::fopen((temp / "empty.part").c_str(), "wb"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(empty.waitUntilWritten());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2000ms);

    Watching endless(temp.str(), "endless.part", 200ms, 300ms);
    std::FILE *file = std::fopen((temp / "endless.part").c_str(), "wb");
    std::thread writer([&] {
        for (int i = 0; i < 30; ++i) {
            std::fputs("more", file);
            std::fflush(file);
            std::this_thread::sleep_for(20ms);
        }
    });
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(endless.waitUntilWritten()) << "still open for writing";
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    writer.join();
    std::fclose(file);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

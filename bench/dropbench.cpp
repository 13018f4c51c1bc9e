// Saves files through the real drop flow and has `cp` do the same work in the same run,
// then prints both times and their ratio:
//   - 1000 files of 100 KiB dropped at once on one spot;
//   - one file of 512 MiB.
// Usage: dropbench [work folder] (default: a folder under the system's temporary folder).

#include "desktop/fake/fakedesktop.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/globals.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace toolbar;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

void writeRandomFile(const fs::path &path, std::size_t bytes, std::mt19937 &random)
{
    std::vector<char> block(1 << 20);
    std::ofstream out(path, std::ios::binary);
    while (bytes > 0) {
        for (char &c : block)
            c = static_cast<char>(random());
        const std::size_t now = std::min(bytes, block.size());
        out.write(block.data(), static_cast<std::streamsize>(now));
        bytes -= now;
    }
}

// One spot on the target folder, and a drop of the files on it, as the toolbar builds them.
struct BenchDrop
{
    BenchDrop(const std::vector<std::string> &files, const fs::path &target)
    {
        globals.options = Options::defaults();
        globals.DropSpots[0].FolderPath = target.string();
        globals.DropSpots[0].BaseName = "Bench";
        globals.DropSpots[0].SequenceNumber = "000";
        payload.status = DropPayload::Status::Files;
        for (const std::string &file : files)
            payload.items.push_back(DroppedItem::localFile(file));
    }
    FakeDesktop desktop;
    Globals globals;
    AppContext app{globals, desktop.services()};
    DropPayload payload;
};

double dropSeconds(const std::vector<std::string> &files, const fs::path &target)
{
    fs::remove_all(target);
    fs::create_directories(target);
    BenchDrop drop(files, target);
    const auto start = Clock::now();
    HandleDrop(drop.app, 0, target.string(), drop.payload);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!drop.desktop.messages.empty()) {
        std::fprintf(stderr, "unexpected message: %s\n", drop.desktop.messages.front().c_str());
        std::exit(1);
    }
    return seconds;
}

double cpSeconds(const fs::path &sourceFolder, const fs::path &target)
{
    fs::remove_all(target);
    fs::create_directories(target);
    const std::string command = "cp \"" + sourceFolder.string() + "\"/* \"" + target.string() + "\"/";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "cp failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Best of a few alternating rounds, so that neither side pays for a cold cache alone.
void compare(const char *label, const fs::path &sourceFolder, const fs::path &work, int rounds, double target)
{
    std::vector<std::string> files;
    for (const auto &entry : fs::directory_iterator(sourceFolder))
        files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    double bestDrop = 1e9;
    double bestCp = 1e9;
    for (int round = 0; round < rounds; ++round) {
        bestCp = std::min(bestCp, cpSeconds(sourceFolder, work / "cp"));
        bestDrop = std::min(bestDrop, dropSeconds(files, work / "drop"));
    }
    fs::remove_all(work / "cp");
    fs::remove_all(work / "drop");
    const double ratio = bestDrop / bestCp;
    std::printf("%-22s stowlet %8.3f s   cp %8.3f s   ratio %.2f x cp (target <= %.1f)%s\n", label, bestDrop, bestCp,
                ratio, target, ratio <= target ? "" : "  OVER TARGET");
}

// 10,000 small files on one spot, with sounds on as a user has them: time per file, and
// the longest stretch without an event-loop pass (how long the window could not respond).
void manySmallFiles(const fs::path &work)
{
    const fs::path source = work / "many";
    fs::create_directories(source);
    std::vector<std::string> files;
    for (int i = 0; i < 10000; ++i) {
        const fs::path file = source / (std::to_string(i) + "p.png");
        std::ofstream(file, std::ios::binary) << std::string(1024, static_cast<char>(i));
        files.push_back(file.string());
    }
    const fs::path target = work / "many-drop";
    fs::create_directories(target);
    BenchDrop drop(files, target);
    auto last = Clock::now();
    double longestGap = 0;
    drop.desktop.onYield = [&] {
        const auto now = Clock::now();
        longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    };
    const auto start = Clock::now();
    last = start;
    HandleDrop(drop.app, 0, target.string(), drop.payload);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%-22s %8.3f s in all, %.1f us a file, longest stretch without event handling %.2f ms\n",
                "10,000 files x 1 KiB", seconds, seconds * 1e6 / 10000, longestGap);
    fs::remove_all(source);
    fs::remove_all(target);
}

} // namespace

int main(int argc, char **argv)
{
    const fs::path work = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "stowlet-dropbench";
    fs::remove_all(work);
    fs::create_directories(work / "small");
    fs::create_directories(work / "big");
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i)
        writeRandomFile(work / "small" / ("picture" + std::to_string(i) + ".jpg"), 100 * 1024, random);
    writeRandomFile(work / "big" / "huge.bin", std::size_t(512) << 20, random);

    std::printf("Drop benchmark (best of alternating rounds, same machine, same run)\n");
    compare("1000 files x 100 KiB", work / "small", work, 5, 1.3);
    compare("1 file x 512 MiB", work / "big", work, 3, 1.1);
    manySmallFiles(work);
    fs::remove_all(work);
    return 0;
}

// Start-up of the toolbar against a minimal Qt program showing one empty tool window:
// wall time from process start to the window shown (offscreen), and peak memory, each as
// a ratio, measured in the same run with starts alternating.
// Usage: startupbench [runs per program, default 20]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Start
{
    double milliseconds;
    long peakKiB;
};

Start runOnce(const std::string &probe, const std::vector<std::string> &arguments)
{
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv{const_cast<char *>(probe.c_str())};
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        // Qt's notes about the offscreen platform are not part of what is measured.
        freopen("/dev/null", "w", stderr);
        execv(probe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "probe failed (status %d)\n", status);
        std::exit(1);
    }
    return {ms, usage.ru_maxrss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeText(const fs::path &path, const std::string &text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::string probe = (fs::canonical("/proc/self/exe").parent_path() / "startupprobe").string();
    const fs::path work = fs::temp_directory_path() / ("stowlet-startup-" + std::to_string(getpid()));
    // A later start (no welcome) of a toolbar with three spots that makes up its base names.
    writeText(work / "program/DropOptions.txt",
              "SAME_BASE_NAME|FALSE\r\nVERTICAL_TOOLBAR|FALSE\r\nREMEMBER_LOCATION|TRUE\r\nPROMPT_BASE_NAMES|FALSE\r\n"
              "AUTO_START|FALSE\r\nSOUNDS|TRUE\r\nMAX_RANDOM_LENGTH|6\r\nSPOT_SIZE|500\r\n");
    std::string spots;
    for (const char *name : {"a", "b", "c"}) {
        fs::create_directories(work / "pictures" / name);
        spots += (work / "pictures" / name).string() + "|255\r\n";
    }
    writeText(work / "program/SpotData.txt", spots);
    writeText(work / "home/.config/Stowlet/Stowlet.conf", "[Program]\nFirstRunDone=1\n");
    setenv("HOME", (work / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (work / "home/.config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> toolbarMs, minimalMs, toolbarKiB, minimalKiB;
    runOnce(probe, {"minimal"}); // warm the caches for both
    runOnce(probe, {"toolbar", (work / "program").string()});
    for (int i = 0; i < runs; ++i) {
        const Start minimal = runOnce(probe, {"minimal"});
        const Start toolbar = runOnce(probe, {"toolbar", (work / "program").string()});
        minimalMs.push_back(minimal.milliseconds);
        toolbarMs.push_back(toolbar.milliseconds);
        minimalKiB.push_back(static_cast<double>(minimal.peakKiB));
        toolbarKiB.push_back(static_cast<double>(toolbar.peakKiB));
    }
    fs::remove_all(work);

    const double timeRatio = median(toolbarMs) / median(minimalMs);
    const double memoryRatio = median(toolbarKiB) / median(minimalKiB);
    std::printf("Start-up, median of %d starts each (offscreen):\n", runs);
    std::printf("  time to toolbar shown  stowlet %6.1f ms   minimal Qt %6.1f ms   ratio %.2f x (target <= 1.3)%s\n",
                median(toolbarMs), median(minimalMs), timeRatio, timeRatio <= 1.3 ? "" : "  OVER TARGET");
    std::printf("  peak memory            stowlet %6.1f MiB  minimal Qt %6.1f MiB  ratio %.2f x (target <= 1.2)%s\n",
                median(toolbarKiB) / 1024, median(minimalKiB) / 1024, memoryRatio,
                memoryRatio <= 1.2 ? "" : "  OVER TARGET");
    return 0;
}

// Reads arbitrary bytes as the install log, as the uninstaller does: every line is
// classified and the installation folder looked up. No crash, no hang, whatever the log.

#include "fuzz/fuzzfolder.h"
#include "uninstaller/core/installlog.h"

#include <cstdint>
#include <cstdlib>

using namespace uninstall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzFolder folder;
    folder.write("STOWLET-InstallLog.txt", data, size);
    const std::string log = folder.path() + "/STOWLET-InstallLog.txt";
    std::size_t lines = 0;
    ReadInstallLog(log, [&lines](const std::string &line) {
        ++lines;
        const LogLineKind kind = ClassifyLogLine(line);
        if (kind == LogLineKind::InstallPath && !IsInstallPathLine(line))
            std::abort();
        (void)InstallFolderOf(line);
    });
    if (lines > size + 1)
        std::abort();
    (void)InstallFolderFromLog(log);
    return 0;
}

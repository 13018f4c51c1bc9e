#include "toolbar/core/dropflow.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "toolbar/core/naming.h"

#include <chrono>

namespace toolbar {

namespace {

void reportCopyError(AppContext &app, const std::string &destination, const std::string &reason)
{
    app.desktop.messages.showMessage("ERROR COPYING FILE\r" + destination + "\r" + reason);
}

bool putInPlace(const DroppedItem &item, const std::string &destination, std::string &error)
{
    // A file the drag source wrote for this drop already lies complete in the folder.
    if (item.movesSource() && FileCopy::moveReplacing(item.sourcePath, destination, error))
        return true;
    if (item.isLocalFile())
        return FileCopy::copyReplacing(item.sourcePath, destination, error);
    return FileCopy::writeReplacing(*item.data, destination, error);
}

// A long drop shows how far it has come in the caption, without slowing short ones down.
class DropProgress
{
public:
    DropProgress(AppContext &app, std::size_t total)
        : m_app(app), m_total(static_cast<int>(total)), m_start(std::chrono::steady_clock::now())
    {}
    ~DropProgress()
    {
        if (m_shown && m_app.toolbar)
            m_app.toolbar->showProgress(m_total, m_total);
    }
    void fileDone(int done)
    {
        if (!m_app.toolbar || done == m_total)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_start < std::chrono::seconds(1) || now - m_last < std::chrono::milliseconds(100))
            return;
        m_last = now;
        m_shown = true;
        m_app.toolbar->showProgress(done, m_total);
        m_app.desktop.pump.yield();
    }

private:
    AppContext &m_app;
    int m_total;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_last;
    bool m_shown = false;
};

} // namespace

bool CheckDroppedFiles(AppContext &app, const DropPayload &payload)
{
    if (payload.status == DropPayload::Status::Files && !payload.items.empty())
        return true;
    const std::string message = payload.status == DropPayload::Status::Error
                                    ? "Error Saving Data.\r\r" + payload.errorDescription
                                    : std::string(FileFormatIncorrectMessage);
    if (app.toolbar)
        app.toolbar->refreshAlwaysOnTop();
    app.desktop.pump.yieldTimes(4);
    app.desktop.messages.showMessage(message);
    return false;
}

bool CopyDroppedFile(AppContext &app, const DroppedItem &item, const std::string &destination)
{
    if (item.isLocalFile() && FileCopy::sameFile(item.sourcePath, destination)) {
        reportCopyError(app, destination, "The dropped file is this very file; it was left as it is.");
        return false;
    }
    if (Paths::fileExists(destination)) {
        PlaySound(app.desktop, app.globals.AppFolder, SoundKind::Warning);
        if (!app.desktop.messages.askYesNo("ERROR: FILE ALREADY EXISTS.\r" + destination +
                                           "\r\rWould you like to replace the existing file with the new one?"))
            return false;
    }
    std::string error;
    if (!putInPlace(item, destination, error)) {
        reportCopyError(app, destination, error);
        return false;
    }
    return true;
}

void HandleDrop(AppContext &app, std::int32_t square, const std::string &folder, const DropPayload &payload)
{
    if (!CheckDroppedFiles(app, payload))
        return;
    Globals &g = app.globals;
    // Partial copies and received files left by a toolbar that ended mid-drop; this
    // run's own files under way (a download, a browser's direct save) are held.
    if (g.CleanedFolders.insert(folder).second)
        FileCopy::removeLeftovers(folder, &TemporaryFile::held);
    const auto p = static_cast<std::size_t>(FindSpotBySquare(g, square));
    DropProgress progress(app, payload.items.size());
    int done = 0;
    for (const DroppedItem &item : payload.items) {
        // Message boxes run the event loop; should the spot list be rebuilt meanwhile,
        // the drop stops rather than write into a spot that is gone.
        if (p >= g.DropSpots.size())
            return;
        const std::string number = NextNumber(g.DropSpots[p].SequenceNumber);
        g.DropSpots[p].SequenceNumber = number;
        const std::string baseName = g.DropSpots[p].BaseName;
        const std::string name = BuildFileName(baseName, number, GetExtension(item.fileName));
        const std::string destination = Paths::join(folder, name);
        bool ok = false;
        if (IsSafeBaseName(baseName)) {
            ok = CopyDroppedFile(app, item, destination);
        } else {
            reportCopyError(app, destination,
                            "The base name \"" + baseName +
                                "\" holds characters that cannot be part of a file name. Nothing was saved.");
        }
        if (g.options.Sounds) {
            PlaySound(app.desktop, g.AppFolder, ok ? SoundKind::CopySuccess : SoundKind::CopyFailed);
            app.desktop.pump.yieldTimes(3);
        }
        if (p >= g.DropSpots.size())
            return;
        g.DropSpots[p].LastFileSaved = name;
        progress.fileDone(++done);
    }
    if (g.options.SameBaseName) {
        for (DropSpot &spot : g.DropSpots)
            spot.SequenceNumber = g.DropSpots[p].SequenceNumber;
    }
}

} // namespace toolbar

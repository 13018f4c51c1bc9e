#pragma once

#include "datafiles.h"
#include "fakedesktop.h"
#include "scriptedcolorpicker.h"
#include "tempfolder.h"
#include "toolbarfixture.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

/// A toolbar program's values in a real temporary folder, with a fake desktop, a scripted
/// base-name prompt, a recording toolbar and a scripted colour picker.
struct SpotsTestBed
{
    SpotsTestBed()
    {
        ComputeDataPaths(globals, temp.str());
        desktop.folders[39] = temp.makeFolder("Pictures");
        desktop.home = temp.makeFolder("home");
        globals.options = Options::defaults();
    }

    /// Gives DropSpots one spot per (folder name, colour), each folder made in the temporary
    /// folder, with the given base name, number and last file.
    void setSpots(const std::vector<std::pair<std::string, std::int32_t>> &spots, const std::string &baseName = "Old",
                  const std::string &number = "005")
    {
        globals.DropSpots.clear();
        for (const auto &[name, color] : spots) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(name);
            spot.Color = std::to_string(color);
            spot.BaseName = baseName;
            spot.SequenceNumber = number;
            spot.LastFileSaved = baseName + "-" + number + ".jpg";
            globals.DropSpots.push_back(spot);
        }
    }

    TempFolder temp;
    FakeDesktop desktop;
    Globals globals;
    ScriptedPrompt prompt{globals};
    RecordingToolbar toolbar;
    AppContext app{globals, desktop.services(), &prompt, &toolbar};
    ScriptedColorPicker picker;
};

/// Runs action on the next dialog of type W that becomes the active modal window, from
/// inside its event loop, so that a test can drive a dialog shown with exec(). A dialog the
/// action left open (a failed check) is cancelled, so the test never hangs.
template <typename W> void whenModal(std::function<void(W *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<W> open(window);
        action(window);
        if (open && open->isVisible())
            open->reject();
    });
    poll->start();
}

/// The visible top-level windows, by object name.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    return names;
}

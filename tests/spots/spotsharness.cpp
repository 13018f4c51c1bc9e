// Opens the drop spot list editor on sample spots, and with "editor" also the drop spot
// editor on the second spot, so that both windows can be looked at on a real display.
#include "dropspotwindows.h"
#include "frmconfiguredropspot.h"
#include "frmlistdropspots.h"
#include "platform.h"
#include "qtcolorpicker.h"
#include "qtext.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    const bool withEditor = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("editor");

    QTemporaryDir sandbox;
    const std::pair<const char *, std::int32_t> samples[] = {
        {"Pictures/Cats", 255},      {"Pictures/Dogs", 65280},           {"Wallpapers/Space", 16711680},
        {"Downloads/Comics", 33023}, {"Pictures/Holiday 2024", 8388736},
    };
    const std::unique_ptr<Platform> platform = createPlatform("Stowlet");
    Globals globals;
    ComputeDataPaths(globals, fromQt(sandbox.path()));
    globals.DropSpots.clear();
    for (const auto &[name, color] : samples) {
        QDir(sandbox.path()).mkpath(QString::fromLatin1(name));
        DropSpot spot;
        spot.FolderPath = fromQt(sandbox.filePath(QString::fromLatin1(name)));
        spot.Color = std::to_string(color);
        globals.DropSpots.push_back(spot);
    }
    AppContext context{globals, platform->services()};
    QtColorPicker picker;
    DropSpotWindows windows(context, picker);

    frmListDropSpots *list = windows.openConfigureDropSpots();
    list->move(40, 40);
    if (withEditor) {
        QDir::setCurrent(sandbox.path());
        list->MSFlexGrid1->setCurrentCell(1, 0);
        list->cmdEdit->click();
        if (auto *editor = list->findChild<frmConfigureDropSpot *>())
            editor->move(list->frameGeometry().right() + 30, 40);
    }
    return QApplication::exec();
}

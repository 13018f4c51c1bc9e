// Opens the drop spot list editor on sample spots, and with "editor" also the drop spot
// editor on the second spot, so that both windows can be looked at on a real display.
#include "desktop/platform.h"
#include "tests/support/toolbarbed.h"
#include "toolbar/spots/dropspotwindows.h"
#include "toolbar/spots/frmconfiguredropspot.h"
#include "toolbar/spots/frmlistdropspots.h"
#include "toolbar/spots/qtcolorpicker.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>

using namespace toolbar;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    const bool withEditor = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("editor");

    ToolbarBed bed;
    bed.setSpots({"Pictures/Cats", "Pictures/Dogs", "Wallpapers/Space", "Downloads/Comics", "Pictures/Holiday 2024"},
                 "Flower", "000", {255, 65280, 16711680, 33023, 8388736});
    // The real desktop, so that its message boxes show.
    const std::unique_ptr<Platform> platform = createPlatform("Stowlet");
    AppContext context{bed.globals, platform->services()};
    QtColorPicker picker;
    DropSpotWindows windows(context, picker);

    frmListDropSpots *list = windows.openConfigureDropSpots();
    list->move(40, 40);
    if (withEditor) {
        QDir::setCurrent(QString::fromStdString(bed.temp.str()));
        list->MSFlexGrid1->setCurrentCell(1, 0);
        list->cmdEdit->click();
        if (auto *editor = list->findChild<frmConfigureDropSpot *>())
            editor->move(list->frameGeometry().right() + 30, 40);
    }
    return QApplication::exec();
}

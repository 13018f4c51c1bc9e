// One start of either the real toolbar program (same wiring as Stowlet's main) or a
// minimal Qt program that shows one empty tool window. It exits as soon as its window
// has been shown and painted; startupbench times it from the outside.
//   startupprobe toolbar <program folder>
//   startupprobe minimal

#include "toolbar/ui/frmdrop.h"
#include "toolbar/ui/stowletapp.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstring>

using namespace toolbar;

namespace {
int settleAndQuit(QWidget *shown)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return shown && shown->isVisible() ? 0 : 1;
}

QWidget *visibleToolbar()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmDrop *>(widget) && widget->isVisible())
            return widget;
    }
    return nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startupprobe toolbar <folder> | minimal\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "minimal") == 0) {
        QWidget window(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        window.resize(107, 57);
        window.show();
        return settleAndQuit(&window);
    }
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    StowletApp stowlet(QString::fromLocal8Bit(argc > 2 ? argv[2] : "."));
    stowlet.start();
    return settleAndQuit(visibleToolbar());
}

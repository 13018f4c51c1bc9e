#include "stowletapp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    // The program ends when its last window closes, the toolbar or a window still open after it.
    QApplication::setQuitOnLastWindowClosed(true);
    StowletApp stowlet(QApplication::applicationDirPath());
    stowlet.start();
    return QApplication::exec();
}

#include "uninstaller/ui/uninstallerprogram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return uninstall::RunUninstaller(app);
}

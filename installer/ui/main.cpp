// Setup: the installer of Stowlet. It installs from the folder "Support" beside it.
#include "installer/ui/setupprogram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return setup::RunSetup(app);
}

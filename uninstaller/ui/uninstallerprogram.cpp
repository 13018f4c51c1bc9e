#include "uninstallerprogram.h"

#include "frmmain.h"
#include "linuxdesktop.h"
#include "qtmessagewait.h"

#include <QApplication>

int RunUninstaller(QApplication &app)
{
    const QString title = QString::fromLatin1(UninstallerNames::ProgramTitle);
    QApplication::setApplicationName(title);
    // The program ends when its flow says so, not when its window happens to close or hide.
    app.setQuitOnLastWindowClosed(false);

    LinuxDesktop desktop(title);
    QtMessageWait waitPlatform;
    Globals globals;
    frmMain form(globals, desktop.services(), waitPlatform);
    desktop.messageBoxes().setParentWindow(&form);
    QObject::connect(&form, &frmMain::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    if (!form.Load())
        return 0;
    return app.exec();
}

#include "uninstaller/ui/uninstallerprogram.h"

#include "desktop/platform.h"
#include "uninstaller/ui/frmmain.h"

#include <QApplication>

namespace uninstall {

int RunUninstaller(QApplication &app)
{
    const QString title = QString::fromLatin1(UninstallerNames::ProgramTitle);
    QApplication::setApplicationName(title);
    // The program ends when its flow says so, not when its window happens to close or hide.
    app.setQuitOnLastWindowClosed(false);

    const std::unique_ptr<Platform> platform = createPlatform(UninstallerNames::ProgramTitle);
    Globals globals;
    frmMain form(globals, platform->services(), platform->messageWait());
    platform->setDialogParent(&form);
    QObject::connect(&form, &frmMain::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    if (!form.Load())
        return 0;
    return app.exec();
}

} // namespace uninstall

#include "setupprogram.h"

#include "frmlicense.h"
#include "linuxdesktop.h"
#include "linuxsharedcomponents.h"
#include "qtext.h"
#include "qtmessagewait.h"

#include <QApplication>

namespace {

// Pages that close delete themselves later; those still there when the program ends go now,
// while what they refer to still exists.
void deleteRemainingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (bool found = true; found;) {
        found = false;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->parentWidget()) {
                delete window;
                found = true;
                break;
            }
        }
    }
}

} // namespace

int RunSetup(QApplication &app, const InstallPacing &pacing)
{
    const QString title = QStringLiteral("Setup");
    QApplication::setApplicationName(title);
    // Setup ends when its last page closes, whether by Cancel, a failed check or the install.
    QApplication::setQuitOnLastWindowClosed(true);

    LinuxDesktop desktop(title);
    LinuxSharedComponents components;
    QtMessageWait waitPlatform;
    Globals globals;
    SetupSession session{globals,
                         desktop.services(),
                         components,
                         waitPlatform,
                         fromQt(QApplication::applicationDirPath()),
                         pacing,
                         [&desktop](QWidget *page) { desktop.messageBoxes().setParentWindow(page); },
                         [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }};

    auto *license = new frmLicense(session);
    license->setAttribute(Qt::WA_DeleteOnClose);
    license->show();
    const int result = app.exec();
    deleteRemainingWindows();
    return result;
}

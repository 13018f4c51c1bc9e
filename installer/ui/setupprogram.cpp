#include "installer/ui/setupprogram.h"

#include "desktop/platform.h"
#include "desktop/qtext.h"
#include "installer/ui/frmlicense.h"

#include <QApplication>

namespace setup {

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

    const std::unique_ptr<Platform> platform = createPlatform(fromQt(title));
    Globals globals;
    SetupSession session{globals,
                         platform->services(),
                         platform->sharedComponents(),
                         platform->messageWait(),
                         fromQt(QApplication::applicationDirPath()),
                         pacing,
                         [&platform](QWidget *page) { platform->setDialogParent(page); },
                         [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }};

    auto *license = new frmLicense(session);
    license->setAttribute(Qt::WA_DeleteOnClose);
    license->show();
    const int result = app.exec();
    deleteRemainingWindows();
    return result;
}

} // namespace setup

#include "toolbar/ui/stowletapp.h"

#include <QApplication>

namespace {
// Wayland lets no window keep itself above the others, so on a Wayland session that
// also offers X11 (XWayland) the toolbar goes through X11, where "always on top" holds.
// An explicit choice of platform is left alone.
void preferXWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int main(int argc, char *argv[])
{
    preferXWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    // The program ends when its last window closes: the toolbar, or a window still open after it.
    QApplication::setQuitOnLastWindowClosed(true);
    toolbar::StowletApp stowlet(QApplication::applicationDirPath());
    if (!stowlet.start())
        return 0; // the toolbar already running has come to the front
    return QApplication::exec();
}

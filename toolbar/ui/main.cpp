#include "linuxdesktop.h"
#include "startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

#include "qtext.h"

namespace {
// Until the toolbar window exists, start-up ends by showing an empty tool window.
class PlaceholderWindows final : public StartupWindows
{
public:
    void showHelp() override {}
    void showToolbar() override
    {
        m_window.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
        m_window.resize(107, 33);
        m_window.show();
    }

private:
    QWidget m_window;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowlet"));
    LinuxDesktop desktop(QStringLiteral("Stowlet"));
    Globals globals;
    AppContext context{globals, desktop.services()};
    PlaceholderWindows windows;
    Main(context, windows, fromQt(QApplication::applicationDirPath()));
    return app.exec();
}

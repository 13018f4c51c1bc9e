// StowletUninstaller with somebody at the keyboard: the real program (RunUninstaller, the
// same code the product's main runs) plus a stand-in user who clicks Continue once it is
// enabled and answers every box, Yes to a question and OK to a message. What the user saw
// is appended to the file named by STOWLET_TEST_TRANSCRIPT, one line each. Installed as
// "StowletUninstaller" into a test installation, it relaunches itself from the temporary
// folder exactly as the product does.
#include "tests/support/standinuser.h"
#include "uninstaller/ui/uninstallerprogram.h"

#include <QApplication>
#include <QPushButton>

using namespace uninstall;

namespace {

class UninstallUser final : public StandInUser
{
public:
    using StandInUser::StandInUser;

private:
    void lookAtWindows() override
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdContinue"));
            if (!m_clicked && button && window->isVisible() && button->isVisible() && button->isEnabled()) {
                m_clicked = true;
                note(QStringLiteral("continue"));
                press(button);
                return;
            }
        }
    }

    bool m_clicked = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    UninstallUser user(qEnvironmentVariable("STOWLET_TEST_TRANSCRIPT"));
    return RunUninstaller(app);
}

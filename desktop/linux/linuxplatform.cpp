#include "desktop/platform.h"

#include "desktop/linux/linuxdesktop.h"
#include "desktop/linux/linuxsharedcomponents.h"
#include "desktop/linux/qtmessagewait.h"
#include "desktop/qtext.h"

namespace {

class LinuxPlatform final : public Platform
{
public:
    explicit LinuxPlatform(const std::string &title) : m_desktop(toQt(title)) {}

    Desktop &services() override { return m_desktop.services(); }
    MessageWaitPlatform &messageWait() override { return m_wait; }
    SharedComponents &sharedComponents() override { return m_components; }
    void setDialogParent(QWidget *window) override { m_desktop.messageBoxes().setParentWindow(window); }

private:
    LinuxDesktop m_desktop;
    QtMessageWait m_wait;
    LinuxSharedComponents m_components;
};

} // namespace

std::unique_ptr<Platform> createPlatform(const std::string &title)
{
    return std::make_unique<LinuxPlatform>(title);
}

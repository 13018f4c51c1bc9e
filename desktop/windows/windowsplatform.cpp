#include "desktop/platform.h"

#include "desktop/windows/win32messagewait.h"
#include "desktop/windows/win32sharedcomponents.h"
#include "desktop/windows/windowsdesktop.h"

#include <QWidget>

namespace {

class WindowsPlatform final : public Platform
{
public:
    explicit WindowsPlatform(const std::string &title) : m_desktop(title) {}

    Desktop &services() override { return m_desktop.services(); }
    MessageWaitPlatform &messageWait() override { return m_wait; }
    SharedComponents &sharedComponents() override { return m_components; }

    void setDialogParent(QWidget *window) override
    {
        // MessageBoxA takes the owner as a window handle, which Qt gives as winId().
        m_desktop.messageBoxes().setOwnerWindow(window ? reinterpret_cast<void *>(window->winId()) : nullptr);
    }

private:
    WindowsDesktop m_desktop;
    Win32MessageWait m_wait;
    Win32SharedComponents m_components;
};

} // namespace

std::unique_ptr<Platform> createPlatform(const std::string &title)
{
    return std::make_unique<WindowsPlatform>(title);
}

#pragma once

#include "fakedesktop.h"
#include "fakemessagewait.h"
#include "fakesharedcomponents.h"
#include "programfiles.h"
#include "setupsession.h"
#include "tempfolder.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

#include <filesystem>
#include <string>

/// One run of Setup's pages against real temporary folders: an installation package
/// (the installer's folder with "Support" holding the eight program files), a home with
/// a desktop and a Start-menu programs folder, a program-files folder, and the fake
/// desktop, whose message boxes never block and whose waits return at once.
struct WizardFixture
{
    WizardFixture()
    {
        for (const std::string &name : ProgramFileNames())
            temp.writeFile("package/Support/" + name, "content of " + name);
        desktop.folders = {{Csidl::ProgramFiles, temp.makeFolder("programs")},
                           {Csidl::Programs, temp.makeFolder("home/.local/share/applications")},
                           {Csidl::Desktop, temp.makeFolder("home/Desktop")}};
    }

    std::string package() const { return temp / "package"; }

    TempFolder temp;
    FakeDesktop desktop;
    FakeSharedComponents components;
    FakeMessageWait wait;
    Globals globals;
    SetupSession session{globals, desktop.services(), components, wait, temp / "package", {1, 1, 50}};
};

/// The visible top-level window of that name, or null.
template <typename Window = QWidget> Window *shownWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return qobject_cast<Window *>(window);
    return nullptr;
}

/// Number of visible top-level windows of that name.
inline int shownWindows(const char *name)
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String(name) && window->isVisible();
    return count;
}

/// True once no window of Setup is left on screen: Setup has ended.
inline bool setupEnded()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return false;
    return true;
}

/// Closes and deletes every window a test left behind.
inline void closeAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

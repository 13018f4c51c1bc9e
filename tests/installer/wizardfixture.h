#pragma once

#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakemessagewait.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "installer/core/programfiles.h"
#include "installer/ui/setupsession.h"
#include "tests/support/tempfolder.h"
#include "tests/support/windowprobe.h"

#include <QAbstractButton>
#include <QtTest>

#include <filesystem>
#include <string>

namespace setup {

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

    /// Closes every window the test left behind, while the session they use is still there.
    ~WizardFixture() { closeAllWindows(); }

    std::string package() const { return temp / "package"; }

    TempFolder temp;
    FakeDesktop desktop;
    FakeSharedComponents components;
    FakeMessageWait wait;
    Globals globals;
    SetupSession session{globals, desktop.services(), components, wait, temp / "package", {1, 1, 50}};
};

/// The two ways out of a page that a test runs through: its Cancel button and the close box.
inline void addCancelOrCloseBoxRows()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title bar") << true;
}

/// Leaves the page by its Cancel button or by the close box.
inline void cancelOrCloseBox(QWidget &page, QAbstractButton *cancel, bool byCloseBox)
{
    if (byCloseBox)
        page.close();
    else
        QTest::mouseClick(cancel, Qt::LeftButton);
}

} // namespace setup

#include "toolbar/ui/stowletapp.h"

#include "desktop/qtext.h"
#include "toolbar/help/frmabout.h"
#include "toolbar/help/frmhelp.h"
#include "toolbar/ui/frmdrop.h"

#include <QApplication>

namespace toolbar {

StowletApp::StowletApp(const QString &programFolder)
    : m_programFolder(programFolder), m_instance(ToolbarInstance::defaultFolder(), programFolder),
      m_platform(createPlatform("Stowlet")), m_app{m_globals, m_platform->services()}
{
    m_app.prompt = &m_prompt;
}

StowletApp::~StowletApp()
{
    m_app.toolbar = nullptr;
    delete m_nameDetails;
    delete m_options;
}

bool StowletApp::start()
{
    if (!m_instance.claim())
        return false;
    QObject::connect(&m_instance, &ToolbarInstance::anotherStart, &m_instance, [this] { bringForward(); });
    Main(m_app, *this, fromQt(m_programFolder));
    return true;
}

void StowletApp::bringForward()
{
    // Before the toolbar is shown, the start-up's own question is what the user sees.
    QWidget *window = m_toolbar ? m_toolbar.get() : QApplication::activeModalWidget();
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void StowletApp::showHelp()
{
    openHelp();
}

void StowletApp::showToolbar()
{
    m_toolbar = std::make_unique<frmDrop>(m_app, *this);
    m_app.toolbar = m_toolbar.get();
    // Message boxes stay above the always-on-top toolbar when they belong to it.
    m_platform->setDialogParent(m_toolbar.get());
    m_toolbar->show();
}

QWidget *StowletApp::nameDetails(int spotPosition)
{
    return frmSpotDetails::load(m_nameDetails, m_app, spotPosition);
}

void StowletApp::openOptions()
{
    frmOptions::open(m_options, m_app);
}

void StowletApp::openConfigureDropSpots()
{
    m_spotWindows.openConfigureDropSpots();
}

void StowletApp::openHelp()
{
    frmHelp::showShared(m_platform->services().pump);
}

void StowletApp::openAbout()
{
    frmAbout::showModal(m_platform->services().shell, m_toolbar.get());
}

} // namespace toolbar

#pragma once

#include "desktop/platform.h"
#include "toolbar/core/appcontext.h"
#include "toolbar/core/globals.h"
#include "toolbar/core/startup.h"
#include "toolbar/names/frmpromptbasename.h"
#include "toolbar/names/frmspotdetails.h"
#include "toolbar/options/frmoptions.h"
#include "toolbar/spots/dropspotwindows.h"
#include "toolbar/spots/qtcolorpicker.h"
#include "toolbar/ui/dialoghost.h"
#include "toolbar/ui/toolbarinstance.h"

#include <QPointer>
#include <QString>

#include <memory>

namespace toolbar {

class frmDrop;

/// The program Stowlet put together: the desktop services, the run's values and the
/// windows. It opens each window the toolbar and start-up ask for, one method a window.
class StowletApp final : public StartupWindows, public DialogHost
{
public:
    explicit StowletApp(const QString &programFolder);
    ~StowletApp() override;
    StowletApp(const StowletApp &) = delete;
    StowletApp &operator=(const StowletApp &) = delete;

    /// Runs the start-up sequence, which ends by showing the toolbar. False when another
    /// toolbar of this program runs: it has been brought forward, and this start ends.
    bool start();

    // StartupWindows
    void showHelp() override;
    void showToolbar() override;

    // DialogHost
    QWidget *nameDetails(int spotPosition) override;
    void openConfigureDropSpots() override;
    void openOptions() override;
    void openHelp() override;
    void openAbout() override;

private:
    void bringForward();

    QString m_programFolder;
    ToolbarInstance m_instance;
    std::unique_ptr<Platform> m_platform;
    Globals m_globals;
    AppContext m_app;
    std::unique_ptr<frmDrop> m_toolbar;
    QtColorPicker m_colorPicker;
    DropSpotWindows m_spotWindows{m_app, m_colorPicker};
    frmPromptBaseName m_prompt{m_app};
    QPointer<frmSpotDetails> m_nameDetails;
    QPointer<frmOptions> m_options;
};

} // namespace toolbar

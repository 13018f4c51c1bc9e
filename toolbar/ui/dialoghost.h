#pragma once

class QWidget;

namespace toolbar {

/// The windows the toolbar opens from its pop-up menu. The program's wiring provides
/// them; the toolbar only asks. Each window is a single instance: asking for one that
/// is open brings it forward.
class DialogHost
{
public:
    virtual ~DialogHost() = default;

    /// The Name Details dialog, loaded and filled for the spot at that position in
    /// DropSpots but not yet shown: the toolbar places it beside itself and shows it.
    /// nullptr when there is no such dialog.
    virtual QWidget *nameDetails(int spotPosition) = 0;

    /// Opens the drop spot list editor without waiting for it.
    virtual void openConfigureDropSpots() = 0;

    /// Opens the options dialog without waiting for it.
    virtual void openOptions() = 0;

    /// Opens the help window without waiting for it.
    virtual void openHelp() = 0;

    /// Shows the about box and returns when it is closed.
    virtual void openAbout() = 0;
};

} // namespace toolbar

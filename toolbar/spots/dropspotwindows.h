#pragma once

#include "toolbar/core/appcontext.h"

#include <QPointer>

class QWidget;

namespace toolbar {

class ColorPicker;
class frmListDropSpots;

/// Keeps the drop spot list editor a single shared window: the first request makes it,
/// later ones bring that window forward until it is closed.
class DropSpotWindows final
{
public:
    DropSpotWindows(AppContext &app, ColorPicker &picker);
    DropSpotWindows(const DropSpotWindows &) = delete;
    DropSpotWindows &operator=(const DropSpotWindows &) = delete;
    ~DropSpotWindows();

    /// Shows the list editor without blocking the caller, and returns it.
    frmListDropSpots *openConfigureDropSpots();

    /// The open list editor, or nullptr.
    frmListDropSpots *listEditor() const;

private:
    AppContext &m_app;
    ColorPicker &m_picker;
    QPointer<frmListDropSpots> m_list;
};

} // namespace toolbar

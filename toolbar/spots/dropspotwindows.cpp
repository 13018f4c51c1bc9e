#include "toolbar/spots/dropspotwindows.h"

#include "toolbar/spots/frmlistdropspots.h"

namespace toolbar {

DropSpotWindows::DropSpotWindows(AppContext &app, ColorPicker &picker) : m_app(app), m_picker(picker) {}

DropSpotWindows::~DropSpotWindows()
{
    // The window refers to the context and picker, which may not outlive this object.
    delete m_list.data();
}

frmListDropSpots *DropSpotWindows::openConfigureDropSpots()
{
    if (!m_list)
        m_list = new frmListDropSpots(m_app, m_picker);
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
    return m_list;
}

frmListDropSpots *DropSpotWindows::listEditor() const
{
    return m_list;
}

} // namespace toolbar

#pragma once

#include <QMenu>

class QAction;

namespace toolbar {

/// The toolbar's pop-up menu `mnuPopUp` with its entries, in display order. The toolbar
/// connects the entries; this class only builds them and keeps the last-file entry.
/// Every entry's QAction carries the entry's name as objectName; the "Program Setup"
/// submenu is the QMenu named "mnuProgramSetup", and its entry in this menu is that
/// menu's action, named alike.
class PopUpMenu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopUpMenu)

public:
    explicit PopUpMenu(QWidget *parent);

    /// Shows the file name under "Last file saved was:" (empty text for none).
    void setLastFileSaved(const QString &fileName);
    /// The file name set last, exactly as given.
    QString lastFileSaved() const;

    QAction *mnuNewBaseName;
    QAction *mnuNameDetails;
    QAction *mnuD2;
    QMenu *mnuProgramSetup;
    QAction *mnuConfigureDropSpots;
    QAction *mnuOptions;
    QAction *mnuHelp;
    QAction *mnuAbout;
    QAction *mnuD1;
    QAction *mnuOpenFolder;
    QAction *mnuLFS;
    QAction *mnuLastFileSaved;
    QAction *mnuD3;
    /// Closes the toolbar: the window manager may leave a narrow toolbar no close box.
    QAction *mnuCloseToolbar;
};

} // namespace toolbar

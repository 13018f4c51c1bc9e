#pragma once

#include "toolbar/core/appcontext.h"
#include "toolbar/core/datafiles.h"
#include "toolbar/spots/dropspotreceiver.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;

namespace toolbar {

class ColorPicker;
class ColorSwatch;
class frmConfigureDropSpot;

/// The drop spot list editor ("Drop Spots"). Works on a private copy of the spots, the rows
/// of its grid; only Save writes SpotData.txt, reloads the spots and rebuilds the toolbar.
/// Close throws the copy away. Made with new: it deletes itself when closed.
class frmListDropSpots final : public QWidget, public DropSpotReceiver
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmListDropSpots)

public:
    frmListDropSpots(AppContext &app, ColorPicker &picker, QWidget *parent = nullptr);

    /// Fills the grid from DropSpots. Run once, when the window is made.
    void LoadDropSpots();

    void AddSpot(const std::string &m_Folder, std::int32_t m_Color) override;
    void TakeInChanges(const std::string &m_Folder, std::int32_t m_Color) override;

    /// Writes the rows to SpotData.txt, reloads DropSpots with fresh base names and
    /// rebuilds the toolbar. The grid keeps its rows, even those left out of the file.
    void SaveSpots();

    /// The working copy as it stands, in grid order.
    std::vector<SpotRow> rows() const;

    QMenu *mnuFile = nullptr;
    QAction *mnuClose = nullptr;
    QTableWidget *MSFlexGrid1 = nullptr;
    QPushButton *cmdNew = nullptr;
    QGroupBox *frameSelectedDropSpot = nullptr;
    ColorSwatch *PicColor = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void buildMenu();
    void buildGrid();
    void buildSelectedFrame();
    void buildLayout();
    void connectControls();

    void addNewDropSpot();
    void editDropSpot();
    void deleteDropSpot();
    void moveUp();
    void moveDown();
    void onCurrentCellChanged(int row, int column);

    frmConfigureDropSpot *loadEditor();
    int appendRow();
    void setRow(int row, const std::string &folder, std::int32_t color);
    std::string folderAt(int row) const;
    std::int32_t colorAt(int row) const;
    void exchangeRows(int a, int b);
    void refreshPreview();

    AppContext &m_app;
    ColorPicker &m_picker;
    QPointer<frmConfigureDropSpot> m_editor;
    QMenuBar *m_menuBar = nullptr;
    bool m_saving = false;
};

} // namespace toolbar

#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class FolderPicker;
class MessageBoxes;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace toolbar {

class ColorPicker;
class ColorSwatch;
class DropSpotReceiver;

/// The drop spot editor ("Configure Drop Spot"): one spot's folder, chosen with the volume
/// list and the folder tree, and its colour. OK hands both to the list editor. Made with
/// new: it deletes itself when closed, so each use starts from a fresh load.
class frmConfigureDropSpot final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmConfigureDropSpot)

public:
    frmConfigureDropSpot(DropSpotReceiver &list, MessageBoxes &messages, ColorPicker &picker,
                         QWidget *parent = nullptr);

    /// Prepares a new spot: red, folder and lists as loaded. OK appends a row.
    void SetForNewSpot();

    /// Prepares an existing spot. OK overwrites the list's current row.
    void TakeInDetails(const std::string &m_Folder, std::int32_t m_Color);

    QComboBox *Drive1 = nullptr;
    QTreeView *Dir1 = nullptr;
    QLineEdit *txtFolder = nullptr;
    ColorSwatch *PicColor = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    QLayout *buildFolderPart();
    QLayout *buildColorPart();
    void buildLayout();
    void fillDrives();

    void Drive1_Change();
    void Dir1_Change(const QString &folder);
    void PicColor_Click();
    void cmdOK_Click();

    bool pointDirAtDrive(const QString &root);

    DropSpotReceiver &m_list;
    MessageBoxes &m_messages;
    ColorPicker &m_picker;
    FolderPicker *m_folderPicker = nullptr;
    bool m_NewSpot = false;
    QString m_StartDrive;
    std::string m_folder; ///< the folder shown in txtFolder, as the program's 8-bit text
};

} // namespace toolbar

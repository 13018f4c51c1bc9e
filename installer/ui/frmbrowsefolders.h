#pragma once

#include <QWidget>

class FolderPicker;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;

namespace setup {

/// The folder picker of the options page: a list of drives (the mounted volumes) bound to
/// a tree of the chosen drive's folders. Accepting puts the chosen folder into the
/// options page's installation folder, whose own rule then appends the product's folder.
class frmBrowseFolders final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBrowseFolders)

public:
    /// installPath: the options page's folder text, read at load and set on Accept.
    frmBrowseFolders(QLineEdit &installPath, QWidget *owner);

    /// The folder the tree shows as chosen: the current folder, else the drive itself.
    QString folderListPath() const;

    QComboBox *Drive1;
    QTreeView *Dir1;
    QLabel *Label1;
    QLineEdit *txtFolder;
    QPushButton *cmdAccept;
    QPushButton *cmdCancel;
    QMenu *mnuPopUp;
    QAction *mnuAccept;

private:
    void fillDrives();
    void layOutWindow();
    void loadFromInstallPath();
    void driveChanged(int index);
    void folderChanged();
    void accept();

    QLineEdit &m_installPath;
    FolderPicker *m_picker;
};

} // namespace setup

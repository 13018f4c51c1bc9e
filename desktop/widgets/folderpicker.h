#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QWidget>

#include <memory>

class FolderIconProvider;
class QComboBox;
class QFileSystemModel;
class QStorageInfo;
class QTreeView;
class VolumeFolderFilter;

/// A drive list (mounted volumes) bound to a tree of the chosen drive's folders: the folder
/// chooser of Setup's folder picker and of the drop spot editor. The two controls carry the
/// names the windows know them by, "Drive1" and "Dir1". Each window keeps its own rule for
/// when a drive is shown; the picker shows drives and folders and reports the current folder.
class FolderPicker final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderPicker)

public:
    /// Plain: the drive list holds the root folders and the tree shows the chosen drive's
    /// folders at its top level; a folder shown from outside is scrolled into view.
    /// Detailed: the drive list adds icons and volume names, the tree shows the drive's root as
    /// its one top item (so that the root can be chosen) with folder icons even where the
    /// desktop has no icon theme, and a folder shown from outside is centred, and centred
    /// again once its siblings have loaded in the background and moved it.
    enum class Look { Plain, Detailed };

    /// spacing: the gap between the drive list and the tree, as the window's own layout has it.
    FolderPicker(Look look, int spacing, QWidget *parent);
    ~FolderPicker() override;

    QComboBox *driveList() const { return m_drives; }
    QTreeView *folderTree() const { return m_tree; }

    /// Fills the drive list with the volumes, sorted by root and each root once. Every entry
    /// keeps its root folder as its data.
    void setDrives(QList<QStorageInfo> volumes);

    /// The entry whose root holds folder most closely, or -1 when none does.
    int driveIndexFor(const QString &folder) const;

    /// Selects the drive at root in the list without running the window's drive-change rule.
    void selectDrive(const QString &root);

    /// Shows the drive whose root folder is root in the tree.
    void showDrive(const QString &root);

    /// Makes an existing folder of the drive shown the current one; false when it is not there.
    bool showFolder(const QString &folder);

    /// The current folder of the tree, or an empty text when none is current.
    QString currentFolder() const;

signals:
    /// The tree's current folder changed or was shown again (empty: none is current).
    void folderChanged(const QString &folder);

private:
    QModelIndex indexOf(const QString &folder) const;
    QString folderAt(const QModelIndex &index) const;
    void keepCentred(const QString &loadedFolder);

    Look m_look;
    QComboBox *m_drives;
    QTreeView *m_tree;
    std::unique_ptr<FolderIconProvider> m_icons; ///< outlives the model, which only borrows it
    QFileSystemModel *m_folders;
    VolumeFolderFilter *m_volume = nullptr; ///< the Detailed tree's view of one volume
};

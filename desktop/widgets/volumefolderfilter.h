#pragma once

#include <QSortFilterProxyModel>

class QFileSystemModel;

/// Narrows a file-system model to one volume: the volume's root folder is the one top
/// item, so that the root itself can be chosen, and only the folder names are shown.
class VolumeFolderFilter final : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VolumeFolderFilter)

public:
    VolumeFolderFilter(QFileSystemModel *source, QObject *parent = nullptr);

    /// Shows the volume mounted at root ("/", "/media/stick").
    void setVolumeRoot(const QString &root);

    /// The proxy index of a folder, or an invalid one when it is not shown.
    QModelIndex indexOfPath(const QString &path) const;

    /// The folder at a proxy index.
    QString pathOf(const QModelIndex &index) const;

    /// The index to give the view as its root: the parent of the volume's root folder.
    QModelIndex viewRoot() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex &sourceParent) const override;

private:
    QFileSystemModel *m_source;
    QString m_root;
};

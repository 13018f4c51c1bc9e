#include "desktop/widgets/volumefolderfilter.h"

#include <QFileSystemModel>

namespace {

/// True when path is folder or lies inside it.
bool isWithin(const QString &path, const QString &folder)
{
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(prefix);
}

} // namespace

VolumeFolderFilter::VolumeFolderFilter(QFileSystemModel *source, QObject *parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(source);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setRecursiveFilteringEnabled(false);
}

void VolumeFolderFilter::setVolumeRoot(const QString &root)
{
    m_root = root;
    invalidateFilter();
    sort(0, Qt::AscendingOrder);
}

QModelIndex VolumeFolderFilter::indexOfPath(const QString &path) const
{
    const QModelIndex source = m_source->index(path);
    return source.isValid() ? mapFromSource(source) : QModelIndex();
}

QString VolumeFolderFilter::pathOf(const QModelIndex &index) const
{
    return m_source->filePath(mapToSource(index));
}

QModelIndex VolumeFolderFilter::viewRoot() const
{
    return indexOfPath(m_root).parent();
}

bool VolumeFolderFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_root.isEmpty())
        return false;
    const QString path = m_source->filePath(m_source->index(sourceRow, 0, sourceParent));
    // Inside the volume everything shows; above it only the folders leading to its root.
    return isWithin(path, m_root) || isWithin(m_root, path);
}

bool VolumeFolderFilter::filterAcceptsColumn(int sourceColumn, const QModelIndex &) const
{
    return sourceColumn == 0;
}

#include "desktop/widgets/foldericonprovider.h"

#include <QFileInfo>
#include <QStyle>

FolderIconProvider::FolderIconProvider(QStyle *style) : m_style(style) {}

QIcon FolderIconProvider::icon(IconType type) const
{
    const QIcon themed = QFileIconProvider::icon(type);
    if (!themed.isNull())
        return themed;
    return m_style->standardIcon(type == Drive ? QStyle::SP_DriveHDIcon : QStyle::SP_DirIcon);
}

QIcon FolderIconProvider::icon(const QFileInfo &info) const
{
    const QIcon themed = QFileIconProvider::icon(info);
    if (!themed.isNull())
        return themed;
    return m_style->standardIcon(info.isRoot() ? QStyle::SP_DriveHDIcon : QStyle::SP_DirIcon);
}

#pragma once

#include <QFileIconProvider>

class QStyle;

/// File icons from the desktop's icon theme, falling back to the widget style's folder
/// and drive icons where the desktop has no theme, so that the folder tree never shows
/// bare names.
class FolderIconProvider final : public QFileIconProvider
{
public:
    explicit FolderIconProvider(QStyle *style);

    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;

private:
    QStyle *m_style;
};

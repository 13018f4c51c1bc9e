#pragma once

#include <QStyledItemDelegate>

namespace toolbar {

/// Paints a grid cell as a swatch of the colour in its background role, inset so that the
/// row's selection stays visible around it.
class ColorCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColorCellDelegate)

public:
    explicit ColorCellDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace toolbar

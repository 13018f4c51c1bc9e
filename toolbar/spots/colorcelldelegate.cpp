#include "toolbar/spots/colorcelldelegate.h"

#include <QApplication>
#include <QPainter>

namespace toolbar {

ColorCellDelegate::ColorCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void ColorCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    // The selection and hover panel only: the colour is drawn by hand, never as the
    // default background, which the selection would hide.
    panel.backgroundBrush = QBrush();
    panel.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    const QVariant background = index.data(Qt::BackgroundRole);
    if (!background.isValid())
        return;
    const int inset = qMax(2, option.rect.height() / 6);
    const QRectF swatch = QRectF(option.rect).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option.palette.color(QPalette::Mid), 1.0));
    painter->setBrush(background.value<QBrush>());
    painter->drawRoundedRect(swatch, 2, 2);
    painter->restore();
}

} // namespace toolbar

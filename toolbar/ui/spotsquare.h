#pragma once

#include <QColor>
#include <QWidget>

class QMimeData;

namespace toolbar {

/// One square of the toolbar: shows a drop spot's colour, accepts drops and reports
/// right-clicks and double-clicks. Every square is named "picSpot"; its place in the
/// square array is the property "index".
class SpotSquare final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int index READ index)
    Q_PROPERTY(QString tag READ tag)
    Q_DISABLE_COPY_MOVE(SpotSquare)

public:
    SpotSquare(int index, QWidget *parent);

    int index() const { return m_index; }

    /// The spot's folder: the drop flow and the folder commands take it from here.
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    /// True while a drag that can be dropped hovers over the square.
    bool isDropTarget() const { return m_dropTarget; }

signals:
    void rightPressed(int index, const QPoint &globalPos);
    void doubleClicked(int index);
    /// A drop has arrived; the data is only valid during the call.
    void dropped(int index, const QMimeData &data);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool acceptAsCopy(QDropEvent *event);
    void setDropTarget(bool on);

    int m_index;
    QString m_tag;
    QColor m_color = Qt::black;
    bool m_dropTarget = false;
};

} // namespace toolbar

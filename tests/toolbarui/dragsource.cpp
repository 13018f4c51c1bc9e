// A drag source in a process of its own, for the drag-and-drop test on a real X server:
// it shows a small window and, when the mouse is pressed in it and moved, drags the files named on
// its command line. It ends once the drag is over, with 0 when the drop was taken as a
// copy, 1 when it was refused, 2 when no drag came within the time allowed.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {
class DragSource final : public QWidget
{
public:
    explicit DragSource(const QStringList &files) : m_files(files)
    {
        setWindowTitle(QStringLiteral("drag source"));
        setStyleSheet(QStringLiteral("background: orange"));
        setFixedSize(120, 120);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_pressedAt = event->position().toPoint();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!(event->buttons() & Qt::LeftButton) || m_dragging ||
            (event->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_dragging = true;
        QList<QUrl> urls;
        for (const QString &file : m_files)
            urls << QUrl::fromLocalFile(file);
        auto *data = new QMimeData;
        data->setUrls(urls);
        QPointer<QDrag> drag = new QDrag(this);
        drag->setMimeData(data);
        // On X11 exec() returns as soon as the drop is sent; the target fetches the data
        // afterwards, so the program stays until the target says it has finished (Qt
        // then deletes the drag), or a few seconds at most.
        const int result =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction) == Qt::CopyAction ? 0 : 1;
        std::printf("drop %s\n", result == 0 ? "copied" : "refused");
        std::fflush(stdout);
        QTimer::singleShot(10000, [result] { QCoreApplication::exit(result); });
        if (drag)
            connect(drag, &QObject::destroyed, [result] { QCoreApplication::exit(result); });
        else
            QCoreApplication::exit(result);
    }

private:
    QStringList m_files;
    QPoint m_pressedAt;
    bool m_dragging = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DragSource source(QApplication::arguments().mid(1));
    source.move(600, 100);
    source.show();
    QTimer::singleShot(60000, [] { QCoreApplication::exit(2); });
    return QApplication::exec();
}

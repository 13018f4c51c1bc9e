// Message boxes on a real Qt event loop: which window they belong to, and that they stay
// above an always-on-top window.

#include "desktop/linux/qtmessageboxes.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class QtMessageBoxesTest : public QObject
{
    Q_OBJECT

private slots:
    void boxBelongsToTheWindowThatAsksAndStaysOnTop()
    {
        QWidget toolbar(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        QtMessageBoxes boxes(QStringLiteral("Stowlet"));
        boxes.setParentWindow(&toolbar);
        QCOMPARE(boxes.owner(), &toolbar); // nothing of the program is active

        QWidget editor;
        editor.show();
        editor.activateWindow();
        QTRY_VERIFY(editor.isActiveWindow());
        QWidget *parent = nullptr;
        bool onTop = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            parent = box->parentWidget();
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->accept();
        });
        poll.start(10);
        boxes.showMessage("Options Saved");
        QCOMPARE(parent, &editor);
        QVERIFY(onTop);
    }
};

QTEST_MAIN(QtMessageBoxesTest)
#include "qtmessageboxes_test.moc"

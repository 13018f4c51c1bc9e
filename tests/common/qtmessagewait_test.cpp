// The wait on a real Qt event loop: how long it lasts, and that the program's events are
// handled while it lasts.

#include "common/clswaitabletimer.h"
#include "desktop/linux/qtmessagewait.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QEvent::Type PingType = static_cast<QEvent::Type>(QEvent::User + 1);

/// Notes when posted events reach it, and what the timer held at that moment.
class Receiver final : public QObject
{
public:
    Receiver(const QElapsedTimer &clock, const clsWaitableTimer &timer) : m_clock(clock), m_timer(timer) {}
    bool event(QEvent *event) override
    {
        if (event->type() != PingType)
            return QObject::event(event);
        handledAt.push_back(m_clock.elapsed());
        handlesDuring.push_back(m_timer.TimerHandle());
        return true;
    }
    QList<qint64> handledAt;
    QList<MessageWaitPlatform::Handle> handlesDuring;

private:
    const QElapsedTimer &m_clock;
    const clsWaitableTimer &m_timer;
};

/// Counts its paint events.
class PaintCounter final : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

void postClick(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            widget, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    }
}

} // namespace

class QtMessageWaitTest final : public QObject
{
    Q_OBJECT

private slots:
    void returnsNoEarlierThanAskedAndHandlesPostedEvents_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("100 ms") << 100;
        QTest::newRow("1000 ms") << 1000;
    }

    void returnsNoEarlierThanAskedAndHandlesPostedEvents()
    {
        QFETCH(int, milliseconds);
        QtMessageWait platform;
        clsWaitableTimer timer(platform);
        QElapsedTimer clock;
        Receiver receiver(clock, timer);
        clock.start();
        QCoreApplication::postEvent(&receiver, new QEvent(PingType)); // pending when the wait starts
        QTimer::singleShot(milliseconds / 2, &receiver,
                           [&receiver] { QCoreApplication::postEvent(&receiver, new QEvent(PingType)); });
        const std::int32_t asked = milliseconds;
        timer.Wait(asked);
        const qint64 elapsed = clock.elapsed();

        QCOMPARE_GE(elapsed, milliseconds);
        QCOMPARE(asked, milliseconds);
        QCOMPARE(receiver.handledAt.size(), 2);
        QCOMPARE_LT(receiver.handledAt.at(1), elapsed);
        QCOMPARE_GE(receiver.handledAt.at(1), milliseconds / 2);
        QVERIFY(receiver.handlesDuring.at(0) != 0);
        QVERIFY(receiver.handlesDuring.at(1) != 0);
        QCOMPARE(timer.TimerHandle(), MessageWaitPlatform::Handle(0));
    }

    void windowsRepaintAndTakeClicksDuringTheWait()
    {
        QtMessageWait platform;
        clsWaitableTimer timer(platform);
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("Press"), &window);
        auto *canvas = new PaintCounter;
        canvas->setParent(&window);
        canvas->setGeometry(0, 40, 100, 40);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        int clicks = 0;
        connect(button, &QPushButton::clicked, button, [&clicks] { ++clicks; });
        const int paintsBefore = canvas->paints;
        QTimer::singleShot(30, button, [button, canvas] {
            postClick(button);
            canvas->update();
        });
        timer.Wait(200);
        QCOMPARE(clicks, 1);
        QCOMPARE_GT(canvas->paints, paintsBefore);
    }

    void aTimerThatCannotBeArmedEndsTheWaitAtOnce()
    {
        QtMessageWait platform;
        const auto handle = platform.createTimer("SetupTimer0000");
        QVERIFY(handle != 0);
        QVERIFY(!platform.armTimer(handle, 10000)); // an absolute time is not supported
        QVERIFY(!platform.armTimer(handle + 100, -10000));
        QCOMPARE(platform.waitForTimerOrInput(handle + 100), MessageWaitPlatform::WaitResult::Failed);
        platform.closeTimer(handle);

        clsWaitableTimer timer(platform);
        QElapsedTimer clock;
        clock.start();
        timer.Wait(-1000);
        QCOMPARE_LT(clock.elapsed(), 500);
        QCOMPARE(timer.TimerHandle(), MessageWaitPlatform::Handle(0));
    }

    void namesTheRunningProgram()
    {
        QtMessageWait platform;
        QCOMPARE(QString::fromStdString(platform.programName()), QStringLiteral("qtmessagewait_tests"));
    }
};

QTEST_MAIN(QtMessageWaitTest)
#include "qtmessagewait_test.moc"

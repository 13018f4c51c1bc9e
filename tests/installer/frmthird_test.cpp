// The progress window: its controls, the status line and the progress cover.

#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "installer/ui/frmthird.h"
#include "tests/support/windowprobe.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

using namespace setup;

class frmThirdTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<frmThird>(m_globals, m_desktop.services(), m_components);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void showsItsControlsAsDesigned()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallowmere Installer"));
        QCOMPARE(m_window->findChild<QGroupBox *>("frameStatus")->title(), QStringLiteral("Status"));
        QCOMPARE(m_window->findChild<QLabel *>("lblStatus")->text(), QStringLiteral("Initalizing..."));
        QCOMPARE(m_window->findChild<QGroupBox *>("frameProgress")->title(), QStringLiteral("Progress"));
        QVERIFY(m_window->findChildren<QAbstractButton *>().isEmpty());

        auto *track = m_window->findChild<QWidget *>("Picture1");
        auto *cover = m_window->findChild<QWidget *>("Picture2");
        QVERIFY(track && cover);
        QCOMPARE(cover->parentWidget(), track);
        QCOMPARE(track->size(), QSize(pixels(*track, 4695), pixels(*track, 375)));
        QCOMPARE(cover->geometry(), QRect(0, 0, pixels(*track, 5055), pixels(*track, 735)));
        QCOMPARE(track->palette().color(QPalette::Window), QColor(128, 255, 128));
        QCOMPARE(cover->palette().color(QPalette::Window), m_window->palette().color(QPalette::Window));
        QCOMPARE(m_window->ScrollBarPercent(), 0);
    }

    void statusShowsTheTextAndLetsTheWindowRepaint()
    {
        const int before = m_desktop.yields;
        m_window->Status("Copying Files...");
        QCOMPARE(m_window->findChild<QLabel *>("lblStatus")->text(), QStringLiteral("Copying Files..."));
        QCOMPARE(m_desktop.yields - before, 6);
    }

    void theCoverUncoversTheTrackFromTheLeft_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("coverLeftTwips");
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("ten") << 10 << 470;
        QTest::newRow("half") << 50 << 2348;
        QTest::newRow("full") << 100 << 4695;
        QTest::newRow("past full") << 101 << 4742;
    }

    void theCoverUncoversTheTrackFromTheLeft()
    {
        QFETCH(int, percent);
        QFETCH(int, coverLeftTwips);
        auto *track = m_window->findChild<QWidget *>("Picture1");
        auto *cover = m_window->findChild<QWidget *>("Picture2");
        m_window->ScrollBarPercent(57);
        const int before = m_desktop.yields;
        m_window->ScrollBarPercent(percent);
        QCOMPARE(m_window->ScrollBarPercent(), percent);
        QCOMPARE(cover->x(), pixels(*track, coverLeftTwips));
        QCOMPARE(cover->y(), 0);
        QCOMPARE(m_desktop.yields - before, 6);
        if (percent >= 100)
            QCOMPARE_GE(cover->x(), track->width());
    }

    void theGreenShowsExactlyLeftOfTheCover()
    {
        auto *track = m_window->findChild<QWidget *>("Picture1");
        m_window->ScrollBarPercent(50);
        const QImage image = track->grab().toImage();
        const int edge = m_window->findChild<QWidget *>("Picture2")->x();
        const int row = image.height() / 2;
        QCOMPARE(image.pixelColor(edge / 2, row), QColor(128, 255, 128));
        QCOMPARE(image.pixelColor(edge + (image.width() - edge) / 2, row), m_window->palette().color(QPalette::Window));
    }

private:
    FakeDesktop m_desktop;
    FakeSharedComponents m_components;
    Globals m_globals;
    std::unique_ptr<frmThird> m_window;
};

QTEST_MAIN(frmThirdTest)
#include "frmthird_test.moc"

#include "desktop/fake/fakedesktop.h"
#include "toolbar/help/frmabout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace toolbar;

namespace {
const QColor DarkGrey(64, 64, 64);
const QColor Green(0, 255, 0);
const QColor LightBlue(128, 128, 255);
const QColor White(255, 255, 255);

QColor foreColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

int pixelsOf(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == color.rgb() ? 1 : 0;
    }
    return count;
}

// Counts how often a label's colours really changed.
class PaletteChanges : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::PaletteChange ? 1 : 0;
        return false;
    }
};
} // namespace

class FrmAboutTest : public QObject
{
    Q_OBJECT

private:
    FakeDesktop m_desktop;
    std::unique_ptr<frmAbout> m_about;

    QLabel *label(const char *name) const { return m_about->findChild<QLabel *>(QLatin1String(name)); }
    void open()
    {
        m_about = std::make_unique<frmAbout>(m_desktop);
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    }
    // Moves the mouse as the window system reports it, to the centre of a control or to a
    // point of the bare window.
    void moveTo(const QPoint &windowPoint) { QTest::mouseMove(m_about->windowHandle(), windowPoint); }
    void moveOnto(const QLabel *control) { moveTo(control->geometry().center()); }
    QPoint background() const { return {4, m_about->height() - 4}; }

private slots:
    void cleanup()
    {
        m_about.reset();
        m_desktop.openedUrls.clear();
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName() + " left open"));
    }

    void showsItsCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("maker") << "Label1"
                               << "Tallowmere Software";
        QTest::newRow("title caption") << "Label2"
                                       << "Program Title:";
        QTest::newRow("title") << "lblAppName"
                               << "Stowlet";
        QTest::newRow("virtual caption") << "Label3"
                                         << "Virtual Version:";
        QTest::newRow("virtual") << "lblVirtualVersion"
                                 << "1.0";
        QTest::newRow("hard caption") << "Label5"
                                      << "Hard Version:";
        QTest::newRow("site caption") << "Label7"
                                      << "Tallowmere Website:";
        QTest::newRow("support caption") << "Label9"
                                         << "Questions, Comments, Tech Support:";
    }
    void showsItsCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        open();
        QCOMPARE(m_about->windowTitle(), QStringLiteral("About Stowlet..."));
        const QLabel *control = label(name.toLatin1().constData());
        QVERIFY(control);
        QCOMPARE(control->text(), caption);
        QCOMPARE(foreColor(control), Green);
        QVERIFY(control->font().bold());
        QCOMPARE(control->font().pointSizeF(), 12.0);
        QCOMPARE(m_about->findChild<QPushButton *>(QStringLiteral("cmdClose"))->text(), QStringLiteral("Close"));
    }

    void showsTheBuildsOwnVersion()
    {
        open();
        const QString version = label("lblHardVersion")->text();
        QCOMPARE(version, QStringLiteral(STOWLET_VERSION));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch());
    }

    void paintsGreenOnDarkGrey()
    {
        open();
        const QImage window = m_about->grab().toImage();
        QCOMPARE(window.pixelColor(background()), DarkGrey);
        const QImage maker = label("Label1")->grab().toImage();
        QVERIFY(pixelsOf(maker, Green) > 20);
        QVERIFY(pixelsOf(maker, DarkGrey) > maker.width() * maker.height() / 2);
        const QImage site = label("lblWebsite")->grab().toImage();
        QVERIFY(pixelsOf(site, LightBlue) > 20);
        QVERIFY(label("lblWebsite")->font().underline());
        QVERIFY(label("lblEmail")->font().underline());
    }

    void linksLightUpWhileTheMouseIsOverThem()
    {
        open();
        QLabel *site = label("lblWebsite");
        QLabel *mail = label("lblEmail");
        QCOMPARE(foreColor(site), LightBlue);
        QCOMPARE(foreColor(mail), LightBlue);

        moveOnto(site);
        QTRY_COMPARE(foreColor(site), White);
        QCOMPARE(foreColor(mail), LightBlue);
        moveTo(background());
        QTRY_COMPARE(foreColor(site), LightBlue);

        // Straight from one link to the other: both stay white until the bare window is crossed.
        moveOnto(mail);
        QTRY_COMPARE(foreColor(mail), White);
        moveOnto(site);
        QTRY_COMPARE(foreColor(site), White);
        QCOMPARE(foreColor(mail), White);
        moveTo(background());
        QTRY_COMPARE(foreColor(mail), LightBlue);
        QCOMPARE(foreColor(site), LightBlue);
    }

    void movingWithinALinkRecoloursItOnce()
    {
        open();
        QLabel *site = label("lblWebsite");
        PaletteChanges changes;
        site->installEventFilter(&changes);
        const QPoint centre = site->geometry().center();
        for (int step = 0; step < 5; ++step)
            moveTo(centre + QPoint(step * 3, 0));
        QTRY_COMPARE(foreColor(site), White);
        QCOMPARE(changes.count, 1);
        moveTo(background());
        moveTo(background() + QPoint(2, -2));
        QTRY_COMPARE(foreColor(site), LightBlue);
        QCOMPARE(changes.count, 2);
    }

    void linksOpenTheSiteAndANewMail()
    {
        open();
        QLabel *site = label("lblWebsite");
        QLabel *mail = label("lblEmail");
        QVERIFY(!site->text().contains(QStringLiteral("://")));
        QVERIFY(mail->text().contains(QLatin1Char('@')));

        QTest::mouseClick(site, Qt::LeftButton, {}, site->rect().center());
        QTest::mouseClick(mail, Qt::LeftButton, {}, mail->rect().center());
        QCOMPARE(m_desktop.openedUrls.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(m_desktop.openedUrls[0].address), site->text());
        QCOMPARE(m_desktop.openedUrls[0].style, WindowStyle::Normal);
        QCOMPARE(QString::fromStdString(m_desktop.openedUrls[1].address),
                 QStringLiteral("mailto:") + mail->text() + QStringLiteral("?subject=Stowlet"));
        QCOMPARE(m_desktop.openedUrls[1].style, WindowStyle::Normal);
        // With no browser or mail program the request silently does nothing: no message, still open.
        QVERIFY(m_desktop.dialogs.empty());
        QVERIFY(m_about->isVisible());
    }

    void aPressThatLeavesTheLinkOpensNothing()
    {
        open();
        QLabel *site = label("lblWebsite");
        QTest::mousePress(site, Qt::LeftButton, {}, site->rect().center());
        QTest::mouseRelease(site, Qt::LeftButton, {}, QPoint(site->width() + 20, site->height() + 20));
        QVERIFY(m_desktop.openedUrls.empty());
    }

    void isModalCentredAndClosesWithItsButton()
    {
        // The owner is the toolbar: a small strip in a corner of the screen.
        QWidget owner;
        owner.setGeometry(0, 0, 60, 30);
        owner.show();
        bool wasModal = false;
        QRect shownAt;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            wasModal = about != nullptr && about->isVisible();
            if (!about)
                return;
            shownAt = about->geometry();
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
        });
        frmAbout::showModal(m_desktop, &owner);
        QVERIFY(wasModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const QRect screen = owner.screen()->availableGeometry();
        QVERIFY(screen.contains(shownAt));
        // Centred up to the window frame, which is not known before the window is shown.
        const QPoint offCentre = shownAt.center() - screen.center();
        QVERIFY2(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3, qPrintable(QString::number(offCentre.x())));
        owner.close();
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frmabout_test.moc"

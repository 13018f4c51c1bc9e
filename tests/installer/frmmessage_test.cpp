// The completion message: its look, its texts and that it closes itself.

#include "installer/ui/frmmessage.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace setup;

class frmMessageTest final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void showsInstallationCompleteAsDesigned()
    {
        frmMessage box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Complete..."));
        QCOMPARE(box.palette().color(QPalette::Window), QColor(224, 224, 224));
        auto *panel = box.findChild<QFrame *>("Picture1");
        auto *label = box.findChild<QLabel *>("Label1");
        auto *timer = box.findChild<QTimer *>("Timer1");
        QVERIFY(panel && label && timer);
        QCOMPARE(label->parentWidget(), panel);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(label->text(), QStringLiteral("Installation Complete"));
        QCOMPARE(label->font().family(), QStringLiteral("Garamond"));
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!timer->isActive());
    }

    void closesItselfOnceItsTimerFires()
    {
        frmMessage box;
        box.setMessage({"Complete...", "Installation Complete", true, 80});
        QElapsedTimer clock;
        clock.start();
        box.show();
        QVERIFY(box.findChild<QTimer *>("Timer1")->isActive());
        QTRY_VERIFY(!box.isVisible());
        QCOMPARE_GE(clock.elapsed(), 80);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void closesFromExecToo()
    {
        auto *box = new frmMessage;
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setMessage({"Complete...", "Installation Complete", true, 50});
        QCOMPARE(box->exec(), int(QDialog::Accepted));
    }

    void namesWhatCouldNotBeInstalledAndStaysUntilOk()
    {
        frmMessage box;
        box.setMessage({"Incomplete...", "Installation Incomplete\rNot installed: Skull.png", false, 0});
        QCOMPARE(box.windowTitle(), QStringLiteral("Incomplete..."));
        auto *label = box.findChild<QLabel *>("Label1");
        QCOMPARE(label->text(), QStringLiteral("Installation Incomplete\nNot installed: Skull.png"));
        QVERIFY(label->palette().color(QPalette::Window) != QColor(0, 255, 0));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.findChild<QTimer *>("Timer1")->isActive());
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::qWait(50);
        QVERIFY(box.isVisible());
        auto *ok = box.findChild<QPushButton *>("cmdOK");
        QVERIFY(ok && ok->isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!box.isVisible());
    }

    void aLongListOfNamesFitsInTheWindow()
    {
        frmMessage box;
        box.setMessage({"Incomplete...",
                        "Installation Incomplete\rNot installed: Stowlet, Drop.png, StowletUninstaller, Skull.png, "
                        "Warning.wav, CopyFailed.wav, CopySuccess.wav, NewBaseName.wav",
                        false, 0});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *label = box.findChild<QLabel *>("Label1");
        QCOMPARE_GE(label->height(), label->heightForWidth(label->width()));
        const QRect onWindow(label->mapTo(&box, QPoint(0, 0)), label->size());
        QVERIFY(box.rect().contains(onWindow));
        box.close();
    }

    void aClickClosesItSooner()
    {
        frmMessage box;
        box.setMessage({"Complete...", "Installation Complete", true, 8000});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(box.findChild<QLabel *>("Label1"), Qt::LeftButton);
        QTRY_VERIFY(!box.isVisible());
    }
};

QTEST_MAIN(frmMessageTest)
#include "frmmessage_test.moc"

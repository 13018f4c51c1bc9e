// The licence page, offscreen: its agreement, the acceptance that brings up Continue,
// the way on to the welcome page and the ways out of Setup.
#include "installer/core/licenseagreement.h"
#include "installer/ui/frmlicense.h"
#include "tests/installer/wizardfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace setup;

class frmLicenseTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_setup = std::make_unique<WizardFixture>();
        m_page = new frmLicense(m_setup->session);
        m_page->setAttribute(Qt::WA_DeleteOnClose);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }
    void cleanup() { m_setup.reset(); }

    void showsTheAgreementFillingTheScreen()
    {
        QCOMPARE(m_page->windowTitle(), QStringLiteral("End-User License"));
        QCOMPARE(m_page->lblTop->text(), QStringLiteral("Please read the License Agreement before continuing..."));
        QCOMPARE(m_page->chkAccept->text(),
                 QStringLiteral("I have read and accept all parts of the license agreement."));
        QCOMPARE(m_page->lblCheckLeft->text(), QString());
        QCOMPARE(m_page->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(m_page->cmdContinue->text(), QStringLiteral("Continue >"));
        QString agreement = QString::fromStdString(LicenseAgreementText("Stowlet"));
        QCOMPARE(m_page->txtLicense->toPlainText(), agreement.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

        const QRect area = m_page->screen()->availableGeometry();
        QCOMPARE(m_page->frameGeometry().topLeft(), area.topLeft());
        QCOMPARE(m_page->frameGeometry().width(), area.width());
        QCOMPARE(m_page->frameGeometry().height(), area.height() - pixels(*m_page, 20));
    }

    void continueShowsOnlyWhileAccepted()
    {
        QVERIFY(!m_page->cmdContinue->isVisible());
        QVERIFY(m_page->cmdCancel->isVisible());
        QTest::mouseClick(m_page->chkAccept, Qt::LeftButton);
        QVERIFY(m_page->cmdContinue->isVisible());
        QTest::mouseClick(m_page->chkAccept, Qt::LeftButton);
        QVERIFY(!m_page->cmdContinue->isVisible());
        m_page->chkAccept->setFocus();
        QTest::keyClick(m_page->chkAccept, Qt::Key_Space);
        QVERIFY(m_page->cmdContinue->isVisible());
    }

    void continueLeavesForTheWelcomePage()
    {
        QPointer<frmLicense> page(m_page);
        QTest::mouseClick(m_page->chkAccept, Qt::LeftButton);
        QTest::mouseClick(m_page->cmdContinue, Qt::LeftButton);
        QVERIFY(shownWindow("frmFirst"));
        QCOMPARE(shownWindows("frmFirst"), 1);
        QVERIFY(!shownWindow("frmLicense"));
        QTRY_VERIFY(!page); // unloaded
        QCOMPARE(m_setup->desktop.yields, 3);
    }

    void cancelOrTheCloseBoxEndsSetup_data() { addCancelOrCloseBoxRows(); }
    void cancelOrTheCloseBoxEndsSetup()
    {
        QFETCH(bool, byCloseBox);
        QTest::mouseClick(m_page->chkAccept, Qt::LeftButton);
        cancelOrCloseBox(*m_page, m_page->cmdCancel, byCloseBox);
        QVERIFY(noWindowShown());
        QVERIFY(!shownWindow("frmFirst"));
        QVERIFY2(!m_setup->globals.WaitTimer, "the welcome page never loaded");
    }

    void controlsFollowTheWindowSize()
    {
        const frmLicense &p = *m_page;
        m_page->resize(900, 600);
        QCOMPARE(p.lblTop->width(), 900 - pixels(p, 100) - p.lblTop->x());
        QCOMPARE(p.txtLicense->size(), QSize(900 - pixels(p, 500), 600 - pixels(p, 2500)));
        QCOMPARE(p.chkAccept->y(), p.txtLicense->y() + p.txtLicense->height() + pixels(p, 100));
        QCOMPARE(p.chkAccept->x() + p.chkAccept->width(), 900 - pixels(p, 500));
        QCOMPARE(p.cmdContinue->x() + p.cmdContinue->width(), 900 - pixels(p, 500));
        QCOMPARE(p.cmdContinue->y(), p.chkAccept->y() + p.chkAccept->height() + pixels(p, 50));
        QCOMPARE(p.cmdCancel->x() + p.cmdCancel->width() + pixels(p, 200), p.cmdContinue->x());
        QCOMPARE(p.cmdCancel->y(), p.cmdContinue->y());
        QCOMPARE(p.lblCheckLeft->x() + p.lblCheckLeft->width(), p.chkAccept->x());
        QCOMPARE(p.lblCheckLeft->y(), p.chkAccept->y());
        QCOMPARE(p.lblCheckLeft->height(), p.chkAccept->height());
        QVERIFY(p.cmdCancel->y() + p.cmdCancel->height() <= 600);

        // Too small for the text box: that placement is skipped, the others still happen.
        const QSize before = p.txtLicense->size();
        m_page->resize(120, 100);
        QCOMPARE(p.txtLicense->size(), before);
        QCOMPARE(p.chkAccept->x() + p.chkAccept->width(), 120 - pixels(p, 500));
    }

private:
    std::unique_ptr<WizardFixture> m_setup;
    frmLicense *m_page = nullptr;
};

QTEST_MAIN(frmLicenseTest)
#include "frmlicense_test.moc"

// The folder picker, offscreen, over a real options page and real folders: where it opens,
// and what Accept (button or menu) and Cancel leave in the installation folder.
#include "installer/ui/frmbrowsefolders.h"
#include "installer/ui/frmsecond.h"
#include "tests/installer/wizardfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

using namespace setup;

class frmBrowseFoldersTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_setup = std::make_unique<WizardFixture>();
        m_setup->temp.makeFolder("Apps/Stowlet");
        m_setup->temp.makeFolder("Apps/Games");
        m_page = new frmSecond(m_setup->session);
        m_page->setAttribute(Qt::WA_DeleteOnClose);
        m_page->show();
    }
    void cleanup() { m_setup.reset(); }

    void offersTheDrivesAndItsMenu()
    {
        frmBrowseFolders &picker = openPicker();
        QCOMPARE(picker.windowTitle(), QStringLiteral("Locate Folder"));
        QCOMPARE(picker.Label1->text(), QStringLiteral("Install Folder"));
        QCOMPARE(picker.cmdAccept->text(), QStringLiteral("Accept"));
        QCOMPARE(picker.mnuPopUp->title(), QStringLiteral("PopUp"));
        QCOMPARE(picker.mnuPopUp->actions().size(), 1);
        QCOMPARE(picker.mnuAccept->text(), QStringLiteral("Accept Folder"));
        QVERIFY(picker.Drive1->findText("/") >= 0);
    }

    void opensOnTheFolderShownWhenItExists()
    {
        const QString folder = QString::fromStdString(m_setup->temp / "Apps/Stowlet");
        m_page->txtInstallPath->setText(folder);
        frmBrowseFolders &picker = openPicker();
        QCOMPARE(picker.Drive1->currentText(), QStringLiteral("/"));
        QCOMPARE(picker.folderListPath(), folder);
        QCOMPARE(picker.txtFolder->text(), folder);
    }

    void aFolderNotMadeYetLeavesTheTreeOnTheDrive()
    {
        m_page->txtInstallPath->setText(QString::fromStdString(m_setup->temp / "Later/Stowlet"));
        frmBrowseFolders &picker = openPicker();
        QCOMPARE(picker.Drive1->currentText(), QStringLiteral("/"));
        QVERIFY(!picker.Dir1->currentIndex().isValid());
        QCOMPARE(picker.txtFolder->text(), QString());
        QCOMPARE(picker.folderListPath(), QStringLiteral("/"));
    }

    void acceptPutsTheChosenFolderWithStowletIntoThePage()
    {
        m_page->txtInstallPath->setText(QString::fromStdString(m_setup->temp / "Apps/Stowlet"));
        frmBrowseFolders &picker = openPicker();
        choose(picker, m_setup->temp / "Apps/Games");
        QCOMPARE(picker.txtFolder->text(), QString::fromStdString(m_setup->temp / "Apps/Games"));
        QTest::mouseClick(picker.cmdAccept, Qt::LeftButton);
        QCOMPARE(m_page->txtInstallPath->text(), QString::fromStdString(m_setup->temp / "Apps/Games/Stowlet"));
        QTRY_VERIFY(!shownWindow("frmBrowseFolders"));
    }

    void aTypedFolderWinsOverTheTree()
    {
        frmBrowseFolders &picker = openPicker();
        picker.txtFolder->setText("/srv/pictures");
        QTest::mouseClick(picker.cmdAccept, Qt::LeftButton);
        QCOMPARE(m_page->txtInstallPath->text(), QStringLiteral("/srv/pictures/Stowlet"));
    }

    void acceptingTheDriveItselfGivesTheRootFolder()
    {
        m_page->txtInstallPath->setText(QString::fromStdString(m_setup->temp / "Later/Stowlet"));
        frmBrowseFolders &picker = openPicker();
        QTest::mouseClick(picker.cmdAccept, Qt::LeftButton); // nothing chosen: the drive
        QCOMPARE(m_page->txtInstallPath->text(), QStringLiteral("/Stowlet"));
    }

    void theRightButtonMenuAcceptsTheFolderUnderIt()
    {
        frmBrowseFolders &picker = openPicker();
        choose(picker, m_setup->temp / "Apps/Games");
        QWidget *viewport = picker.Dir1->viewport();
        const QPoint at = picker.Dir1->visualRect(picker.Dir1->currentIndex()).center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &menuEvent);
        QTRY_VERIFY(picker.mnuPopUp->isVisible());
        picker.mnuAccept->trigger();
        QCOMPARE(m_page->txtInstallPath->text(), QString::fromStdString(m_setup->temp / "Apps/Games/Stowlet"));
        QTRY_VERIFY(!shownWindow("frmBrowseFolders"));
    }

    void cancelKeepsTheText()
    {
        const QString before = m_page->txtInstallPath->text();
        frmBrowseFolders &picker = openPicker();
        choose(picker, m_setup->temp / "Apps/Games");
        QTest::mouseClick(picker.cmdCancel, Qt::LeftButton);
        QCOMPARE(m_page->txtInstallPath->text(), before);
        QTRY_VERIFY(!shownWindow("frmBrowseFolders"));
    }

private:
    frmBrowseFolders &openPicker()
    {
        QTest::mouseClick(m_page->cmdBrowse, Qt::LeftButton);
        auto *picker = shownWindow<frmBrowseFolders>("frmBrowseFolders");
        Q_ASSERT(picker);
        return *picker;
    }

    // As a click on the folder in the tree does.
    static void choose(frmBrowseFolders &picker, const std::string &folder)
    {
        auto *model = picker.Dir1->model();
        const QModelIndex index = qobject_cast<const QFileSystemModel *>(model)->index(QString::fromStdString(folder));
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            picker.Dir1->expand(parent);
        picker.Dir1->scrollTo(index);
        picker.Dir1->setCurrentIndex(index);
    }

    std::unique_ptr<WizardFixture> m_setup;
    frmSecond *m_page = nullptr;
};

QTEST_MAIN(frmBrowseFoldersTest)
#include "frmbrowsefolders_test.moc"

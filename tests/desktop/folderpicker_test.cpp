// The shared drive list and folder tree, offscreen over real folders: what the windows'
// own tests do not reach (each root listed once, both looks' tree).
#include "desktop/widgets/folderpicker.h"
#include "tests/support/tempfolder.h"

#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTest>

class FolderPickerTest final : public QObject
{
    Q_OBJECT

private slots:
    void listsEachRootOnceInOrder_data()
    {
        QTest::addColumn<FolderPicker::Look>("look");
        QTest::newRow("plain") << FolderPicker::Look::Plain;
        QTest::newRow("detailed") << FolderPicker::Look::Detailed;
    }
    void listsEachRootOnceInOrder()
    {
        QFETCH(FolderPicker::Look, look);
        FolderPicker picker(look, 6, nullptr);
        const QStorageInfo temp(QDir::tempPath());
        picker.setDrives({temp, QStorageInfo::root(), temp});
        const QStringList roots = QStringList{temp.rootPath(), QStorageInfo::root().rootPath()};
        QCOMPARE(picker.driveList()->count(), QSet<QString>(roots.begin(), roots.end()).size());
        for (int i = 1; i < picker.driveList()->count(); ++i)
            QVERIFY(picker.driveList()->itemData(i - 1).toString() < picker.driveList()->itemData(i).toString());
        QCOMPARE(picker.driveIndexFor(QDir::tempPath()), picker.driveList()->findData(temp.rootPath()));
    }

    void showsAFolderAndReportsItAgain_data() { listsEachRootOnceInOrder_data(); }
    void showsAFolderAndReportsItAgain()
    {
        QFETCH(FolderPicker::Look, look);
        const TempFolder temp;
        const QString folder = QString::fromStdString(temp.makeFolder("Pictures/Cats"));
        FolderPicker picker(look, 6, nullptr);
        picker.setDrives({QStorageInfo(folder)});
        picker.showDrive(QStorageInfo(folder).rootPath());
        QSignalSpy reported(&picker, &FolderPicker::folderChanged);
        QVERIFY(!picker.showFolder(QString::fromStdString(temp / "Pictures/Dogs")));
        QVERIFY(picker.showFolder(folder));
        QVERIFY(picker.showFolder(folder));
        QCOMPARE(picker.currentFolder(), folder);
        QCOMPARE(reported.size(), 2);
        QCOMPARE(reported.last().first().toString(), folder);
    }
};

QTEST_MAIN(FolderPickerTest)
#include "folderpicker_test.moc"

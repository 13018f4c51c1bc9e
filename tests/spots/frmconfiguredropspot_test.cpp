#include "desktop/widgets/volumefolderfilter.h"
#include "tests/spots/spotstestbed.h"
#include "tests/support/windowprobe.h"
#include "toolbar/spots/colorswatch.h"
#include "toolbar/spots/dropspotreceiver.h"
#include "toolbar/spots/frmconfiguredropspot.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace toolbar;

namespace {

struct Handed
{
    std::string kind;
    std::string folder;
    std::int32_t color;
    bool operator==(const Handed &) const = default;
};

class RecordingList final : public DropSpotReceiver
{
public:
    void AddSpot(const std::string &m_Folder, std::int32_t m_Color) override
    {
        calls.push_back({"AddSpot", m_Folder, m_Color});
    }
    void TakeInChanges(const std::string &m_Folder, std::int32_t m_Color) override
    {
        calls.push_back({"TakeInChanges", m_Folder, m_Color});
    }
    std::vector<Handed> calls;
};

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

QString currentFolder(const frmConfigureDropSpot *editor)
{
    const auto *filter = qobject_cast<const VolumeFolderFilter *>(editor->Dir1->model());
    return filter->pathOf(editor->Dir1->currentIndex());
}

/// Clicks a folder in the folder tree, as the user would.
void clickFolder(frmConfigureDropSpot *editor, const QString &path)
{
    const auto *filter = qobject_cast<const VolumeFolderFilter *>(editor->Dir1->model());
    const QModelIndex index = filter->indexOfPath(path);
    QVERIFY2(index.isValid(), qPrintable(path));
    editor->Dir1->scrollTo(index);
    const QRect cell = editor->Dir1->visualRect(index);
    QVERIFY(!cell.isEmpty());
    QTest::mouseClick(editor->Dir1->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class FrmConfigureDropSpotTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SpotsTestBed> m_bed;
    RecordingList m_list;
    QPointer<frmConfigureDropSpot> m_editor;
    QString m_work;
    QString m_previousCurrent;

    frmConfigureDropSpot *openEditor()
    {
        m_editor = new frmConfigureDropSpot(m_list, m_bed->desktop.services().messages, m_bed->picker);
        m_editor->show();
        return m_editor;
    }

private slots:
    void init()
    {
        m_bed = std::make_unique<SpotsTestBed>();
        m_list.calls.clear();
        m_previousCurrent = QDir::currentPath();
        m_work = q(m_bed->temp.makeFolder("work"));
        QDir::setCurrent(m_work);
    }

    void cleanup()
    {
        const QStringList open = visibleWindows();
        delete m_editor.data();
        QDir::setCurrent(m_previousCurrent);
        m_bed.reset();
        QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1Char(','))));
    }

    void newSpotStartsRedOnTheCurrentFolder()
    {
        auto *editor = openEditor();
        editor->SetForNewSpot();
        QCOMPARE(editor->windowTitle(), QStringLiteral("Configure Drop Spot"));
        QCOMPARE(editor->Drive1->currentData().toString(), QStorageInfo(m_work).rootPath());
        QCOMPARE(editor->txtFolder->text(), m_work);
        QVERIFY(editor->txtFolder->isReadOnly());
        QCOMPARE(editor->PicColor->colorValue(), 255);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_list.calls, (std::vector<Handed>{{"AddSpot", m_work.toStdString(), 255}}));
        QTRY_VERIFY(m_editor.isNull());
    }

    void chosenFolderAndColourGoToANewRow()
    {
        const QString cats = q(m_bed->temp.makeFolder("Cats"));
        m_bed->picker.answers = {65280};
        auto *editor = openEditor();
        editor->SetForNewSpot();
        clickFolder(editor, cats);
        QTRY_COMPARE(editor->txtFolder->text(), cats);
        QTest::mouseClick(editor->PicColor, Qt::LeftButton);
        QCOMPARE(m_bed->picker.startedFrom, std::vector<std::int32_t>{255});
        QCOMPARE(editor->PicColor->colorValue(), 65280);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_list.calls, (std::vector<Handed>{{"AddSpot", cats.toStdString(), 65280}}));
    }

    void takeInDetails_data()
    {
        // Names inside the test's temporary folder, where "Pets" exists and "gone" does not.
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("handedBack");
        QTest::addColumn<bool>("inTree");
        QTest::newRow("existing folder") << "Pets"
                                         << "Pets" << true;
        QTest::newRow("trailing separator") << "Pets/"
                                            << "Pets" << true;
        QTest::newRow("deleted folder") << "gone"
                                        << "gone" << false;
    }

    void takeInDetails()
    {
        QFETCH(QString, given);
        QFETCH(QString, handedBack);
        QFETCH(bool, inTree);
        m_bed->temp.makeFolder("Pets");
        const std::string folder = m_bed->temp.str() + "/" + given.toStdString();
        const std::string expected = m_bed->temp.str() + "/" + handedBack.toStdString();
        auto *editor = openEditor();
        editor->TakeInDetails(folder, 16711680);
        QCOMPARE(editor->txtFolder->text(), q(expected));
        QCOMPARE(editor->PicColor->colorValue(), 16711680);
        QCOMPARE(editor->Drive1->currentData().toString(), QStorageInfo(m_work).rootPath());
        QCOMPARE(currentFolder(editor) == q(expected), inTree);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_list.calls, (std::vector<Handed>{{"TakeInChanges", expected, 16711680}}));
        QVERIFY(m_bed->desktop.dialogs.empty());
    }

    void rootFolderIsKeptWhole()
    {
        auto *editor = openEditor();
        editor->TakeInDetails("/", 255);
        QCOMPARE(editor->Drive1->currentData().toString(), QStringLiteral("/"));
        clickFolder(editor, m_work);
        QTRY_COMPARE(editor->txtFolder->text(), m_work);
        clickFolder(editor, QStringLiteral("/"));
        QTRY_COMPARE(editor->txtFolder->text(), QStringLiteral("/"));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_list.calls, (std::vector<Handed>{{"TakeInChanges", "/", 255}}));
    }

    void pickerStartsFromTheBoxAndCancelKeepsIt()
    {
        m_bed->picker.answers = {std::nullopt, 1193046};
        auto *editor = openEditor();
        editor->TakeInDetails(m_work.toStdString(), 65280);
        QTest::mouseClick(editor->PicColor, Qt::LeftButton);
        QCOMPARE(editor->PicColor->colorValue(), 65280);
        QTest::keyClick(editor->PicColor, Qt::Key_Space);
        QCOMPARE(editor->PicColor->colorValue(), 1193046);
        QCOMPARE(m_bed->picker.startedFrom, (std::vector<std::int32_t>{65280, 65280}));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(m_list.calls, (std::vector<Handed>{{"TakeInChanges", m_work.toStdString(), 1193046}}));
    }

    void cancelHandsNothingBack_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }

    void cancelHandsNothingBack()
    {
        QFETCH(bool, escape);
        m_bed->picker.answers = {65280};
        auto *editor = openEditor();
        editor->TakeInDetails(m_work.toStdString(), 255);
        QTest::mouseClick(editor->PicColor, Qt::LeftButton);
        if (escape)
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(m_editor.isNull());
        QVERIFY(m_list.calls.empty());
    }

    void unavailableDriveFallsBackToTheStartDrive()
    {
        const QString startDrive = QStorageInfo(m_work).rootPath();
        const QString other = q(m_bed->temp.makeFolder("other"));
        auto *editor = openEditor();
        // A second working volume, and one that went away after the list was filled.
        editor->Drive1->addItem(QStringLiteral("Other"), other);
        editor->Drive1->addItem(QStringLiteral("Gone"), q(m_bed->temp / "unplugged"));
        editor->Drive1->setCurrentIndex(editor->Drive1->findData(other));
        QCOMPARE(editor->txtFolder->text(), other);
        QVERIFY(m_bed->desktop.dialogs.empty());

        editor->Drive1->setCurrentIndex(editor->Drive1->findText(QStringLiteral("Gone")));
        QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{"Drive Unavailable"});
        QCOMPARE(editor->Drive1->currentData().toString(), startDrive);
        QCOMPARE(editor->txtFolder->text(), m_work);
        QCOMPARE(currentFolder(editor), m_work);
        QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
        QVERIFY(m_list.calls.empty());
    }
};

QTEST_MAIN(FrmConfigureDropSpotTest)
#include "frmconfiguredropspot_test.moc"

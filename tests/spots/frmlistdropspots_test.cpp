#include "desktop/qtwidgetext.h"
#include "desktop/widgets/volumefolderfilter.h"
#include "tests/spots/spotstestbed.h"
#include "tests/support/windowprobe.h"
#include "toolbar/spots/colorswatch.h"
#include "toolbar/spots/dropspotwindows.h"
#include "toolbar/spots/frmconfiguredropspot.h"
#include "toolbar/spots/frmlistdropspots.h"
#include "toolbar/spots/spotcolor.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

#include <map>
#include <memory>

using namespace toolbar;

namespace {

const std::string RefusalText = "You can edit this drop spot, but you can not remove it.\r"
                                "The toolbar must have at least one drop spot.";

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

/// What the grid shows, row by row: folder text and the colour its cell is painted with.
std::vector<std::pair<std::string, std::int32_t>> shown(const frmListDropSpots *list)
{
    std::vector<std::pair<std::string, std::int32_t>> rows;
    const QTableWidget *grid = list->MSFlexGrid1;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows.emplace_back(grid->item(row, 1)->text().toStdString(),
                          valueFromColor(grid->item(row, 0)->background().color()));
    return rows;
}

void clickRow(frmListDropSpots *list, int row, int column = 1)
{
    QTableWidget *grid = list->MSFlexGrid1;
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void clickFolder(frmConfigureDropSpot *editor, const std::string &path)
{
    const auto *filter = qobject_cast<const VolumeFolderFilter *>(editor->Dir1->model());
    const QModelIndex index = filter->indexOfPath(q(path));
    QVERIFY2(index.isValid(), path.c_str());
    editor->Dir1->scrollTo(index);
    QTest::mouseClick(editor->Dir1->viewport(), Qt::LeftButton, {}, editor->Dir1->visualRect(index).center());
    QTRY_COMPARE(editor->txtFolder->text(), q(path));
}

} // namespace

class FrmListDropSpotsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SpotsTestBed> m_bed;
    QPointer<frmListDropSpots> m_list;
    std::string m_cats, m_dogs, m_birds;

    /// Three spots (Cats red, Dogs green, Birds blue) in DropSpots and in SpotData.txt, and
    /// the list editor open on them.
    frmListDropSpots *openOnThreeSpots()
    {
        m_bed->setSpots({"Cats", "Dogs", "Birds"}, {255, 65280, 16711680});
        m_cats = m_bed->globals.DropSpots[0].FolderPath;
        m_dogs = m_bed->globals.DropSpots[1].FolderPath;
        m_birds = m_bed->globals.DropSpots[2].FolderPath;
        m_bed->temp.writeFile("SpotData.txt", m_cats + "|255\r\n" + m_dogs + "|65280\r\n" + m_birds + "|16711680\r\n");
        return open();
    }

    frmListDropSpots *open()
    {
        m_list = new frmListDropSpots(m_bed->app, m_bed->picker);
        m_list->show();
        return m_list;
    }

private slots:
    void init() { m_bed = std::make_unique<SpotsTestBed>(); }

    void cleanup()
    {
        QWidget *modal = QApplication::activeModalWidget();
        const QString modalName = modal ? modal->objectName() : QString();
        if (m_list)
            m_list->close();
        QTRY_VERIFY(m_list.isNull());
        const QStringList open = visibleWindows();
        m_bed.reset();
        QVERIFY2(modalName.isEmpty(), qPrintable(modalName));
        QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1Char(','))));
    }

    void loadShowsTheSpotsInToolbarOrder()
    {
        auto *list = openOnThreeSpots();
        QTableWidget *grid = list->MSFlexGrid1;
        QCOMPARE(list->windowTitle(), QStringLiteral("Drop Spots"));
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Color"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Target Folder"));
        QCOMPARE(grid->columnWidth(0), twipsToPixels(*grid, 800));
        QVERIFY(grid->columnWidth(1) >= twipsToPixels(*grid, 4000));
        QCOMPARE(shown(list), (std::vector<std::pair<std::string, std::int32_t>>{
                                  {m_cats, 255}, {m_dogs, 65280}, {m_birds, 16711680}}));
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(list->PicColor->colorValue(), 255);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

        // Entering a row anywhere selects the whole row, with the colour cell current.
        clickRow(list, 2, 1);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 0);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 2);
        QCOMPARE(list->PicColor->colorValue(), 16711680);
        QTest::keyClick(grid->viewport(), Qt::Key_F2);
        QVERIFY(grid->findChildren<QLineEdit *>().isEmpty());
    }

    void addSpotThroughTheEditor()
    {
        auto *list = openOnThreeSpots();
        const std::string fish = m_bed->temp.makeFolder("Fish");
        m_bed->picker.answers = {65535};
        bool wasModal = false;
        whenModal<frmConfigureDropSpot>([&](frmConfigureDropSpot *editor) {
            wasModal = editor->isModal();
            QCOMPARE(editor->PicColor->colorValue(), 255);
            clickFolder(editor, fish);
            QTest::mouseClick(editor->PicColor, Qt::LeftButton);
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(list->cmdNew, Qt::LeftButton);
        QVERIFY(wasModal);
        QCOMPARE(list->MSFlexGrid1->rowCount(), 4);
        QCOMPARE(shown(list).back(), std::make_pair(fish, 65535));
        QCOMPARE(list->MSFlexGrid1->currentRow(), 3);
        QCOMPARE(list->PicColor->colorValue(), 65535);
        QCOMPARE(m_bed->globals.DropSpots.size(), 3u);
        QCOMPARE(m_bed->toolbar.rebuilds, 0);
    }

    void editChangesTheRowCurrentAtOk()
    {
        auto *list = openOnThreeSpots();
        const std::string fish = m_bed->temp.makeFolder("Fish");
        m_bed->picker.answers = {65535};
        clickRow(list, 0);
        QTest::mouseClick(list->cmdEdit, Qt::LeftButton);
        auto *editor = list->findChild<frmConfigureDropSpot *>();
        QVERIFY(editor && editor->isVisible());
        QVERIFY(!editor->isModal());
        QCOMPARE(editor->txtFolder->text(), q(m_cats));
        QCOMPARE(editor->PicColor->colorValue(), 255);

        // The list stays usable while the editor is open; the result goes to the row
        // current when OK is pressed.
        clickRow(list, 2);
        clickFolder(editor, fish);
        QTest::mouseClick(editor->PicColor, Qt::LeftButton);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(shown(list),
                 (std::vector<std::pair<std::string, std::int32_t>>{{m_cats, 255}, {m_dogs, 65280}, {fish, 65535}}));
        QCOMPARE(list->PicColor->colorValue(), 65535);
        QTRY_VERIFY(!list->findChild<frmConfigureDropSpot *>());
    }

    void doubleClickEditsTheRow()
    {
        auto *list = openOnThreeSpots();
        QTableWidget *grid = list->MSFlexGrid1;
        const QPoint dogs = grid->visualItemRect(grid->item(1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, dogs);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, dogs);
        auto *editor = list->findChild<frmConfigureDropSpot *>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->txtFolder->text(), q(m_dogs));
        QCOMPARE(editor->PicColor->colorValue(), 65280);
        QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!list->findChild<frmConfigureDropSpot *>());
        QCOMPARE(shown(list)[1], std::make_pair(m_dogs, 65280));
    }

    void editorOpenFromEditTurnsModalForANewSpot()
    {
        auto *list = openOnThreeSpots();
        clickRow(list, 1);
        QTest::mouseClick(list->cmdEdit, Qt::LeftButton);
        const frmConfigureDropSpot *fromEdit = list->findChild<frmConfigureDropSpot *>();
        QVERIFY(fromEdit);
        bool sameWindow = false;
        whenModal<frmConfigureDropSpot>([&](frmConfigureDropSpot *editor) {
            sameWindow = editor == fromEdit;
            QCOMPARE(editor->PicColor->colorValue(), 255);
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(list->cmdNew, Qt::LeftButton);
        QVERIFY(sameWindow);
        QVERIFY(!list->findChild<frmConfigureDropSpot *>());
        // The new-spot state replaced the edit: OK appended instead of overwriting row 2.
        QCOMPARE(list->MSFlexGrid1->rowCount(), 4);
        QCOMPARE(shown(list)[1], std::make_pair(m_dogs, 65280));
        QCOMPARE(shown(list)[3], std::make_pair(m_dogs, 255));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        auto *list = openOnThreeSpots();
        m_bed->desktop.answers = {yes};
        clickRow(list, 1);
        QTest::mouseClick(list->cmdDelete, Qt::LeftButton);
        QCOMPARE(m_bed->desktop.questions,
                 std::vector<std::string>{"Are you sure you want to delete the drop spot for \r" + m_dogs + "?"});
        QVERIFY(m_bed->desktop.messages.empty());
        using Rows = std::vector<std::pair<std::string, std::int32_t>>;
        const Rows kept =
            yes ? Rows{{m_cats, 255}, {m_birds, 16711680}} : Rows{{m_cats, 255}, {m_dogs, 65280}, {m_birds, 16711680}};
        QCOMPARE(shown(list), kept);
        QCOMPARE(list->MSFlexGrid1->currentRow(), 0);
        QCOMPARE(list->PicColor->colorValue(), 255);
    }

    void deletingTheLastSpotIsRefused()
    {
        m_bed->setSpots({"Only"}, {65280});
        auto *list = open();
        QTest::mouseClick(list->cmdDelete, Qt::LeftButton);
        QCOMPARE(m_bed->desktop.dialogs, std::vector<std::string>{RefusalText});
        QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{RefusalText});
        QCOMPARE(list->MSFlexGrid1->rowCount(), 1);
    }

    void moveUpAndDown_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("current");
        QTest::newRow("up on the first row") << 0 << true << "CDB" << 0;
        QTest::newRow("down on the last row") << 2 << false << "CDB" << 2;
        QTest::newRow("up on the last row") << 2 << true << "CBD" << 1;
        QTest::newRow("down on the first row") << 0 << false << "DCB" << 1;
        QTest::newRow("up on the middle row") << 1 << true << "DCB" << 0;
    }

    void moveUpAndDown()
    {
        QFETCH(int, row);
        QFETCH(bool, up);
        QFETCH(QString, order);
        QFETCH(int, current);
        auto *list = openOnThreeSpots();
        const std::map<QChar, std::pair<std::string, std::int32_t>> spots{{QLatin1Char('C'), {m_cats, 255}},
                                                                          {QLatin1Char('D'), {m_dogs, 65280}},
                                                                          {QLatin1Char('B'), {m_birds, 16711680}}};
        std::vector<std::pair<std::string, std::int32_t>> expected;
        for (QChar letter : order)
            expected.push_back(spots.at(letter));
        const std::int32_t moved = shown(list)[row].second;
        clickRow(list, row);
        QTest::mouseClick(up ? list->cmdUp : list->cmdDown, Qt::LeftButton);
        QCOMPARE(shown(list), expected);
        QCOMPARE(list->MSFlexGrid1->currentRow(), current);
        QCOMPARE(list->PicColor->colorValue(), moved);
        QVERIFY(m_bed->desktop.dialogs.empty());
    }

    void saveWritesTheRowsThatCanBeKept()
    {
        auto *list = openOnThreeSpots();
        const std::string gone = m_bed->temp.makeFolder("Gone");
        // A real folder whose line would read back as the folder "Pipe" with colour "Dream|5".
        const std::string pipe = m_bed->temp.makeFolder("Pipe|Dream");
        m_bed->temp.makeFolder("Pipe");
        list->AddSpot(m_bed->temp.makeFolder("Fish") + "/", 65535);
        list->AddSpot("", 3);
        list->AddSpot(gone, 4);
        list->AddSpot(pipe, 5);
        std::filesystem::remove(gone);
        m_bed->prompt.answers = {"Fresh"};
        QTest::mouseClick(list->cmdSave, Qt::LeftButton);

        const std::string fish = m_bed->temp / "Fish";
        QCOMPARE(readFile(m_bed->globals.SpotDataPath),
                 m_cats + "|255\r\n" + m_dogs + "|65280\r\n" + m_birds + "|16711680\r\n" + fish + "|65535\r\n");
        const std::string cannot = "ERROR: Can Not Save Drop Spot for folder:\r";
        QCOMPARE(m_bed->desktop.messages,
                 (std::vector<std::string>{
                     cannot + gone + "\rThe folder is unavailable",
                     cannot + pipe + "\rIts name holds \"|\" or a line break, which the spot list can not keep",
                     "Drop Spots Updated"}));
        QCOMPARE(m_bed->globals.DropSpots.size(), 4u);
        QCOMPARE(m_bed->globals.DropSpots[3].FolderPath, fish);
        // The grid is not reloaded: the rows left out of the file are still there.
        QCOMPARE(list->MSFlexGrid1->rowCount(), 7);
        QCOMPARE(shown(list)[5], std::make_pair(gone, 4));
        QCOMPARE(shown(list)[6], std::make_pair(pipe, 5));
        QVERIFY(list->isVisible());
    }

    void saveRebuildsTheToolbarWithFreshBaseNames()
    {
        auto *list = openOnThreeSpots();
        m_bed->prompt.answers = {"Fresh"};
        int rebuildsAtMessage = -1;
        DropSpotList spotsAtMessage;
        m_bed->desktop.onMessage = [&](const std::string &) {
            rebuildsAtMessage = m_bed->toolbar.rebuilds;
            spotsAtMessage = m_bed->globals.DropSpots;
        };
        clickRow(list, 2);
        QTest::mouseClick(list->cmdUp, Qt::LeftButton);
        QTest::mouseClick(list->cmdSave, Qt::LeftButton);

        QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{"Drop Spots Updated"});
        QCOMPARE(rebuildsAtMessage, 1);
        QCOMPARE(m_bed->toolbar.rebuilds, 1);
        QCOMPARE(m_bed->prompt.shown, 1);
        const std::vector<std::string> order{m_cats, m_birds, m_dogs};
        QCOMPARE(spotsAtMessage.size(), 3u);
        for (std::size_t i = 0; i < spotsAtMessage.size(); ++i) {
            QCOMPARE(spotsAtMessage[i].FolderPath, order[i]);
            QCOMPARE(spotsAtMessage[i].BaseName, std::string("Fresh"));
            QCOMPARE(spotsAtMessage[i].SequenceNumber, std::string("000"));
            QCOMPARE(spotsAtMessage[i].LastFileSaved, std::string());
        }
    }

    void failedSaveKeepsFileSpotsAndToolbar()
    {
        auto *list = openOnThreeSpots();
        const std::string before = readFile(m_bed->globals.SpotDataPath);
        std::filesystem::create_directories(m_bed->globals.SpotDataPath + ".saving/blocker");
        clickRow(list, 2);
        QTest::mouseClick(list->cmdDelete, Qt::LeftButton); // the fake answers No
        m_bed->desktop.answers = {true};
        clickRow(list, 2);
        QTest::mouseClick(list->cmdDelete, Qt::LeftButton);
        QTest::mouseClick(list->cmdSave, Qt::LeftButton);

        QCOMPARE(readFile(m_bed->globals.SpotDataPath), before);
        QCOMPARE(m_bed->desktop.messages.size(), 1u);
        QCOMPARE(m_bed->desktop.messages[0].rfind("ERROR: Can Not Save Drop Spots\r", 0), 0u);
        QCOMPARE(m_bed->toolbar.rebuilds, 0);
        QCOMPARE(m_bed->globals.DropSpots.size(), 3u);
        QCOMPARE(m_bed->globals.DropSpots[2].BaseName, std::string("Old"));
        QCOMPARE(m_bed->globals.DropSpots[2].SequenceNumber, std::string("005"));
    }

    void closeDiscardsEverything_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Close button") << false;
        QTest::newRow("File > Close") << true;
    }

    void closeDiscardsEverything()
    {
        QFETCH(bool, fromMenu);
        auto *list = openOnThreeSpots();
        const std::string before = readFile(m_bed->globals.SpotDataPath);
        m_bed->desktop.answers = {true};
        QTest::mouseClick(list->cmdDelete, Qt::LeftButton);
        QTest::mouseClick(list->cmdDown, Qt::LeftButton);
        list->AddSpot(m_bed->temp.makeFolder("Fish"), 65535);
        if (fromMenu)
            list->mnuClose->trigger();
        else
            QTest::mouseClick(list->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(m_list.isNull());

        QCOMPARE(readFile(m_bed->globals.SpotDataPath), before);
        QCOMPARE(m_bed->globals.DropSpots.size(), 3u);
        QCOMPARE(m_bed->globals.DropSpots[0].FolderPath, m_cats);
        QCOMPARE(m_bed->globals.DropSpots[0].BaseName, std::string("Old"));
        QCOMPARE(m_bed->toolbar.rebuilds, 0);
        QCOMPARE(m_bed->desktop.messages.size(), 0u);
    }

    void oneSharedListEditor()
    {
        m_bed->setSpots({"Cats", "Dogs"}, {255, 65280});
        DropSpotWindows windows(m_bed->app, m_bed->picker);
        QPointer<frmListDropSpots> first = windows.openConfigureDropSpots();
        QVERIFY(first && first->isVisible());
        first->MSFlexGrid1->removeRow(1);
        QCOMPARE(windows.openConfigureDropSpots(), first.data());
        QCOMPARE(first->MSFlexGrid1->rowCount(), 1);

        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!windows.listEditor());
        m_list = windows.openConfigureDropSpots();
        QCOMPARE(m_list->MSFlexGrid1->rowCount(), 2);
        m_list->close();
        QTRY_VERIFY(m_list.isNull());
    }
};

QTEST_MAIN(FrmListDropSpotsTest)
#include "frmlistdropspots_test.moc"

#include "tests/toolbarui/toolbarharness.h"

#include "desktop/fake/fakedirectsave.h"
#include "desktop/fake/fakedownloader.h"
#include "desktop/qtext.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <filesystem>
#include <memory>

using namespace toolbar;

/// Drops on the toolbar, sent as real drag events through its window.
class FrmDropDropTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void filesDroppedOnASquareLandInItsFolder();
    void aDropOutsideTheSquaresIsRefused();
    void aMoveOnlyDragIsRefused();
    void aSquareShowsItAcceptsWhileADragHovers();
    void dataWithoutFilesIsExplained();
    void aDirectSaveIsSavedOnceWrittenWhileLaterDropsWait();
    void anAbandonedDirectSaveLeavesNothingAndFetchesTheAddress();

private:
    /// Sends a drag entering the toolbar's window at pos; true when it was accepted.
    bool dragEnter(const QPoint &pos, const QMimeData &data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction);
    /// Then drops it there; returns the action the drag source is told.
    Qt::DropAction drop(const QPoint &pos, const QMimeData &data,
                        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction);
    QPoint centreOf(int square) const;
    /// What a browser offers that saves its pictures directly (XDS); the source agrees.
    static void offerDirectSave(QMimeData &data);
    static int filesIn(const std::string &folder);

    FakeDirectSave m_directSave;
    FakeDownloader m_downloader;
    std::unique_ptr<ToolbarHarness> h;
};

void FrmDropDropTest::init()
{
    DirectSave::install(&m_directSave);
    Downloader::install(&m_downloader);
    h = std::make_unique<ToolbarHarness>();
    h->setSpots({"Red", "Green"});
    h->globals.options.Sounds = true;
    h->open();
    QVERIFY(QTest::qWaitForWindowExposed(h->window.get()));
}

void FrmDropDropTest::cleanup()
{
    h.reset();
    DirectSave::uninstall(&m_directSave);
    Downloader::uninstall(&m_downloader);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows(), QStringList());
}

bool FrmDropDropTest::dragEnter(const QPoint &pos, const QMimeData &data, Qt::DropActions actions)
{
    QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(h->window->windowHandle(), &enter);
    return enter.isAccepted();
}

Qt::DropAction FrmDropDropTest::drop(const QPoint &pos, const QMimeData &data, Qt::DropActions actions)
{
    QDropEvent event(QPointF(pos), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(h->window->windowHandle(), &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

QPoint FrmDropDropTest::centreOf(int square) const
{
    return h->squares().at(static_cast<std::size_t>(square))->geometry().center();
}

void FrmDropDropTest::offerDirectSave(QMimeData &data)
{
    data.setData(QStringLiteral("text/uri-list"), "http://127.0.0.1/kitten.jpg\r\n");
    data.setData(QStringLiteral("XdndDirectSave0"), "S");
}

int FrmDropDropTest::filesIn(const std::string &folder)
{
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

void FrmDropDropTest::filesDroppedOnASquareLandInItsFolder()
{
    const std::string photo = h->temp.writeFile("source/holiday.jpg", "JPEG bytes");
    const std::string drawing = h->temp.writeFile("source/my drawing.png", "PNG bytes");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(toQt(photo)), QUrl::fromLocalFile(toQt(drawing))});
    h->globals.DropSpots[1].SequenceNumber = "041";

    QVERIFY(dragEnter(centreOf(1), data));
    QCOMPARE(drop(centreOf(1), data), Qt::CopyAction);
    QCOMPARE(h->window->CurrentSquare(), 1);

    const std::string folder = h->globals.DropSpots[1].FolderPath;
    QTRY_COMPARE(readFile(folder + "/Flower-043.png"), std::string("PNG bytes"));
    QCOMPARE(readFile(folder + "/Flower-042.jpg"), std::string("JPEG bytes"));
    QCOMPARE(h->globals.DropSpots[1].LastFileSaved, std::string("Flower-043.png"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2);
    QVERIFY(std::filesystem::is_empty(h->globals.DropSpots[0].FolderPath));
    // Copied, never moved: the sources stay.
    QCOMPARE(readFile(photo), std::string("JPEG bytes"));
    const std::vector<std::string> sounds{"CopySuccess.wav", "CopySuccess.wav"};
    QCOMPARE(h->desktop.soundsPlayed, sounds);
    QCOMPARE(h->desktop.dialogs, std::vector<std::string>{});
}

void FrmDropDropTest::aDropOutsideTheSquaresIsRefused()
{
    const std::string photo = h->temp.writeFile("source/holiday.jpg", "JPEG bytes");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(toQt(photo))});
    const QRect squares = h->squares().front()->geometry() | h->squares().back()->geometry();
    const QPoint beyond(squares.right() + 2, squares.center().y());
    QVERIFY(h->window->rect().contains(beyond));
    QVERIFY(!dragEnter(beyond, data));
    QCOMPARE(drop(beyond, data), Qt::IgnoreAction);
    const QPoint leftMargin(0, squares.center().y());
    QVERIFY(!dragEnter(leftMargin, data));
    QCOMPARE(drop(leftMargin, data), Qt::IgnoreAction);
    QTest::qWait(50); // a drop would be saved from the event loop; give it the chance
    QVERIFY(std::filesystem::is_empty(h->globals.DropSpots[0].FolderPath));
    QVERIFY(std::filesystem::is_empty(h->globals.DropSpots[1].FolderPath));
}

void FrmDropDropTest::aMoveOnlyDragIsRefused()
{
    const std::string photo = h->temp.writeFile("source/holiday.jpg", "JPEG bytes");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(toQt(photo))});
    QVERIFY(!dragEnter(centreOf(0), data, Qt::MoveAction));
    QCOMPARE(drop(centreOf(0), data, Qt::MoveAction), Qt::IgnoreAction);
    QTest::qWait(50);
    QVERIFY(std::filesystem::is_empty(h->globals.DropSpots[0].FolderPath));
}

void FrmDropDropTest::aSquareShowsItAcceptsWhileADragHovers()
{
    QMimeData data;
    data.setText(QStringLiteral("anything"));
    SpotSquare *square = h->squares()[1];
    QVERIFY(!square->isDropTarget());
    QVERIFY(dragEnter(centreOf(1), data));
    QVERIFY(square->isDropTarget());
    QVERIFY(!h->squares()[0]->isDropTarget());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(h->window->windowHandle(), &leave);
    QVERIFY(!square->isDropTarget());
    // The highlight shows on screen.
    const QImage plain = square->grab().toImage();
    QVERIFY(dragEnter(centreOf(1), data));
    const QImage lit = square->grab().toImage();
    QVERIFY(plain != lit);
    QCOMPARE(lit.pixelColor(lit.width() / 2, lit.height() / 2) != QColor(255, 0, 0), true);
    QCoreApplication::sendEvent(h->window->windowHandle(), &leave);
}

void FrmDropDropTest::dataWithoutFilesIsExplained()
{
    QMimeData data;
    data.setText(QStringLiteral("just some words"));
    QVERIFY(dragEnter(centreOf(0), data));
    QCOMPARE(drop(centreOf(0), data), Qt::CopyAction);
    QTRY_COMPARE(h->desktop.messages.size(), std::size_t(1));
    QVERIFY(h->desktop.messages[0].rfind("The file format is incorrect.", 0) == 0);
    QVERIFY(std::filesystem::is_empty(h->globals.DropSpots[0].FolderPath));
}

void FrmDropDropTest::aDirectSaveIsSavedOnceWrittenWhileLaterDropsWait()
{
    QMimeData browser;
    offerDirectSave(browser);
    QMimeData local;
    local.setUrls({QUrl::fromLocalFile(toQt(h->temp.writeFile("source/holiday.png", "PNG bytes")))});
    const std::string folder = h->globals.DropSpots[1].FolderPath;

    QVERIFY(dragEnter(centreOf(1), browser));
    QCOMPARE(drop(centreOf(1), browser), Qt::CopyAction);
    QCOMPARE(m_directSave.open(), std::size_t(1)); // the drop ended while the source still writes
    QVERIFY(dragEnter(centreOf(1), local));
    QCOMPARE(drop(centreOf(1), local), Qt::CopyAction);
    QTest::qWait(50);
    QCOMPARE(filesIn(folder), 1); // the source's file, not yet numbered
    QCOMPARE(h->globals.DropSpots[1].SequenceNumber, std::string("000"));

    const std::string original = "\xFF\xD8\xFF\xE0 the browser's original";
    m_directSave.finishNext(original);
    QTRY_COMPARE(readFile(folder + "/Flower-002.png"), std::string("PNG bytes"));
    QCOMPARE(readFile(folder + "/Flower-001.jpg"), original);
    QCOMPARE(filesIn(folder), 2);
    QCOMPARE(h->desktop.messages, std::vector<std::string>{});
}

void FrmDropDropTest::anAbandonedDirectSaveLeavesNothingAndFetchesTheAddress()
{
    QMimeData browser;
    offerDirectSave(browser);
    QVERIFY(dragEnter(centreOf(0), browser));
    QCOMPARE(drop(centreOf(0), browser), Qt::CopyAction);
    m_directSave.abandonNext();
    QTRY_COMPARE(m_downloader.open(), std::size_t(1));
    QCOMPARE(m_downloader.requests[0].address, std::string("http://127.0.0.1/kitten.jpg"));
    m_downloader.finishNext({}, {false, "Host not found", "", "", ""});
    QTRY_COMPARE(h->desktop.messages.size(), std::size_t(1));
    QVERIFY(h->desktop.messages[0].rfind("The picture could not be downloaded.", 0) == 0);
    QCOMPARE(filesIn(h->globals.DropSpots[0].FolderPath), 0);
}

QTEST_MAIN(FrmDropDropTest)
#include "frmdropdrop_test.moc"
